#pragma once
// The pointer shapes of the table: the player chooses one of the arrows or hands of the resource
// module (or the system's pointer), and a matching shape shows while cards are carried.

#include <QCursor>
#include <QHash>

namespace marlowe {

class ResourceModules;

class TableCursors {
public:
    // The choice that means the system's own pointer, at rest and while dragging.
    static constexpr int kSystemPointer = 10;

    explicit TableCursors(const ResourceModules& modules) : modules_(modules) {}

    // The pointer for a choice of 10 .. 15 over the table at rest, and while cards are dragged.
    // A choice without a picture falls back to the system's pointer.
    QCursor Resting(int choice);
    QCursor Dragging(int choice);

private:
    QCursor Shape(int number);

    const ResourceModules& modules_;
    QHash<int, QCursor> loaded_;
};

}  // namespace marlowe
