#include "ui/table_cursors.h"

#include "board/resource_modules.h"

#include <QImage>
#include <QPixmap>

#include <array>
#include <string>

namespace marlowe {
namespace {

// The shapes in the order of their numbers: 10 + index at rest, 20 + index while dragging.
constexpr std::array<const char*, 6> kShapes{"ARROW1", "ARROW2", "RIGHT_HAND1", "RIGHT_HAND2", "LEFT_HAND1",
                                             "LEFT_HAND2"};

}  // namespace

QCursor TableCursors::Resting(int choice)
{
    return Shape(choice);
}

QCursor TableCursors::Dragging(int choice)
{
    return choice == kSystemPointer ? QCursor(Qt::ArrowCursor) : Shape(choice + 10);
}

QCursor TableCursors::Shape(int number)
{
    const int index = number % 10;
    const bool dragging = number >= 20;
    if (number == kSystemPointer || number < 10 || number > 25 || index >= static_cast<int>(kShapes.size()))
        return QCursor(Qt::ArrowCursor);
    if (const auto found = loaded_.constFind(number); found != loaded_.cend())
        return *found;
    const std::string name = std::string("CUR_") + kShapes[static_cast<std::size_t>(index)] + (dragging ? "B" : "A");
    const QImage image = modules_.Image(name);
    QCursor cursor(Qt::ArrowCursor);
    // The picture carries its hot spot, the pixel that points.
    if (!image.isNull())
        cursor = QCursor(QPixmap::fromImage(image), image.text("HotSpotX").toInt(), image.text("HotSpotY").toInt());
    loaded_.insert(number, cursor);
    return cursor;
}

}  // namespace marlowe
