#include "ui/player_name_dialog.h"

#include "records/player_list.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace marlowe {

TfrmPlayers2::TfrmPlayers2(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmPlayers2");
    edtOperatore_ = new QLineEdit(this);
    edtOperatore_->setObjectName("edtOperatore");
    edtOperatore_->setMaxLength(kLongestPlayerName);
    edtOperatore_->setMinimumWidth(edtOperatore_->fontMetrics().averageCharWidth() * kLongestPlayerName);
    auto* label = new QLabel("&Player's name:", this);
    label->setBuddy(edtOperatore_);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("btnAnnulla");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(edtOperatore_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<std::string> TfrmPlayers2::AskName(const QString& caption, const std::string& name)
{
    setWindowTitle(caption);
    edtOperatore_->setText(QString::fromStdString(name));
    edtOperatore_->selectAll();
    edtOperatore_->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return edtOperatore_->text().toStdString();
}

} // namespace marlowe
