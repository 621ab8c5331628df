#pragma once
// The live samples of the customize dialog: a piece of table with the chosen background and the
// chosen back. They are drawn as the board draws them, and drawing them never changes a setting.

#include "board/board_background.h"

#include <QImage>
#include <QSize>

#include <optional>

namespace marlowe {

class TableSession;

class CustomizeSamples {
public:
    explicit CustomizeSamples(TableSession& session);

    // The background of a tree node; without one, the background the board shows now.
    QImage Background(QSize size, std::optional<int> node, long long plainColour, bool fade);
    // The back of a tree node; without one, the back the board shows now. Normal card size.
    QImage Back(std::optional<int> back) const;

private:
    TableSession& session_;
    BoardBackground background_;
};

}  // namespace marlowe
