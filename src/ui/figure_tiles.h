#pragma once
// A framed grid of figures, each a soft caption over a large value, as the statistics dialogs
// show a player's records. Every value label carries the object name it was given.

#include <QFrame>

#include <map>
#include <utility>
#include <vector>

class QLabel;

namespace marlowe {

class FigureTiles : public QFrame {
public:
    // The figures in reading order as (object name, caption), perRow in a row.
    FigureTiles(const std::vector<std::pair<QString, QString>>& figures, int perRow, QWidget* parent);

    void SetValue(const QString& objectName, const QString& text);

private:
    std::map<QString, QLabel*> values_;
};

} // namespace marlowe
