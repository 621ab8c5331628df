#pragma once
// The tables of the statistics dialogs: cells that show one text but sort by the value behind it
// (numbers as numbers, dates as dates), and the look the tables share.

#include <QString>

class QStandardItem;
class QTableView;

namespace marlowe {

// The role of the value a table sorts by (a number, or a date as YYYYMMDDHHMMSS).
inline constexpr int kSortRole = Qt::UserRole + 1;

// A read-only cell showing text and sorting by value.
QStandardItem* SortedCell(const QString& text, qlonglong value);
// A read-only cell of a number, aligned right.
QStandardItem* NumberCell(qlonglong value);
// A read-only text cell sorting by its text without regard to case.
QStandardItem* TextCell(const QString& text);

// Whole rows selected, alternating colours, compact rows, columns as wide as their contents
// with stretchColumn taking the room left.
void PrepareRecordTable(QTableView* table, int stretchColumn);

} // namespace marlowe
