#pragma once
// The two small panels that float over the table while the status bar is hidden: how many cards
// the pile under the pointer holds ("in this pile") and how many redeals are left ("Redeals:").
// Any key, a press, or the pointer moving onto them or off the piles hides them again.

#include <QFrame>

#include <string>

class QLabel;

namespace marlowe {

struct PileHintTexts;

class PileSizePanels : public QFrame {
    Q_OBJECT
public:
    explicit PileSizePanels(QWidget* table);

    // Shows the counts of the pile under the pointer beside the pointer, or hides the panels
    // when the pointer is over no pile.
    void ShowFor(const PileHintTexts& texts, QPoint pointer);

protected:
    void enterEvent(QEnterEvent* event) override;

private:
    QLabel* pileSize_;
    QLabel* redeals_;
};

}  // namespace marlowe
