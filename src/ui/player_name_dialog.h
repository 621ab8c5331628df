#pragma once
// The small box that asks for a player's name when a player is added or renamed.

#include <QDialog>
#include <QString>

#include <optional>
#include <string>

class QLineEdit;

namespace marlowe {

inline constexpr const char* kAddPlayerCaption = "Add a player";
inline constexpr const char* kEditPlayerCaption = "Edit a player";

class TfrmPlayers2 : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPlayers2(QWidget* parent = nullptr);

    // Shows the box under caption with name filled in; the name typed, or nothing when the
    // player cancelled.
    std::optional<std::string> AskName(const QString& caption, const std::string& name);

    QLineEdit* edtOperatore() const { return edtOperatore_; }

private:
    QLineEdit* edtOperatore_ = nullptr;
};

} // namespace marlowe
