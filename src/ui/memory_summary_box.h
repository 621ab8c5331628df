#pragma once
// The box that ends a memory game: "Game Won" or "Game Lost", with the matches and misses, the
// points each earned or cost, and the score beside the score to win.

#include "engine/presentation.h"

#include <QDialog>

namespace marlowe {

class MemorySummaryBox : public QDialog {
public:
    MemorySummaryBox(const MemorySummary& summary, QWidget* parent);
};

} // namespace marlowe
