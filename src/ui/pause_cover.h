#pragma once
// What the table shows while the game is paused: the cards hidden under a plain cover that says
// how to go on. A click on it or any key ends the pause.

#include <QWidget>

namespace marlowe {

class PauseCover : public QWidget {
    Q_OBJECT
public:
    // Covers parent (the board) whole while shown.
    explicit PauseCover(QWidget* parent);
    // Covers the table and takes the keyboard.
    void Cover();

signals:
    void Ended();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void End();
};

} // namespace marlowe
