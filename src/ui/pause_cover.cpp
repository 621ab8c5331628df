#include "ui/pause_cover.h"

#include <QEvent>
#include <QPainter>

namespace marlowe {

PauseCover::PauseCover(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    hide();
    parent->installEventFilter(this);
}

void PauseCover::Cover()
{
    setGeometry(parentWidget()->rect());
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

bool PauseCover::eventFilter(QObject* watched, QEvent* event)
{
    // The cover follows the table's size.
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

bool PauseCover::event(QEvent* event)
{
    // Every key ends the pause, the menu shortcuts too.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void PauseCover::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 64, 0));
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPointSize(font.pointSize() * 2);
    painter.setFont(font);
    painter.drawText(rect(), Qt::AlignCenter, tr("Paused\n\nClick or press a key to go on"));
}

void PauseCover::mousePressEvent(QMouseEvent*)
{
    End();
}

void PauseCover::keyPressEvent(QKeyEvent*)
{
    End();
}

void PauseCover::End()
{
    hide();
    emit Ended();
}

} // namespace marlowe
