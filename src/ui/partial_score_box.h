#pragma once
// The partial score of the Baccarat-scored game in the status bar: a white box with the points of
// the hand on the table and the best a hand can make, and beside it how to score the hand. It is
// hidden in every other game.

#include <QWidget>

#include <optional>

class QLabel;

namespace marlowe {

class PartialScoreBox : public QWidget {
    Q_OBJECT
public:
    explicit PartialScoreBox(QWidget* parent = nullptr);

    // Shows the points of the hand on the table, or hides the box when the game deals no hands.
    void Show(std::optional<int> points);
    QString ScoreText() const;
    QString AdviceText() const;

private:
    QLabel* score_ = nullptr;
    QLabel* advice_ = nullptr;
};

} // namespace marlowe
