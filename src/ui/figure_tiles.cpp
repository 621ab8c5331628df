#include "ui/figure_tiles.h"

#include <QGridLayout>
#include <QLabel>

namespace marlowe {

FigureTiles::FigureTiles(const std::vector<std::pair<QString, QString>>& figures, int perRow, QWidget* parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(2);
    int index = 0;
    for (const auto& [objectName, caption] : figures) {
        auto* captionLabel = new QLabel(caption, this);
        captionLabel->setForegroundRole(QPalette::PlaceholderText);
        auto* value = new QLabel("-", this);
        value->setObjectName(objectName);
        QFont large = value->font();
        large.setPointSizeF(large.pointSizeF() * 1.35);
        large.setBold(true);
        value->setFont(large);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        const int row = index / perRow * 2;
        // A gap between the rows of tiles, so that a caption reads with the value under it.
        if (row > 0)
            grid->setRowMinimumHeight(row, captionLabel->sizeHint().height() + 8);
        grid->addWidget(captionLabel, row, index % perRow, Qt::AlignBottom);
        grid->addWidget(value, row + 1, index % perRow);
        values_[objectName] = value;
        ++index;
    }
    for (int column = 0; column < perRow; ++column)
        grid->setColumnStretch(column, 1);
}

void FigureTiles::SetValue(const QString& objectName, const QString& text)
{
    values_.at(objectName)->setText(text);
}

} // namespace marlowe
