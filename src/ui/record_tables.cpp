#include "ui/record_tables.h"

#include <QHeaderView>
#include <QStandardItem>
#include <QTableView>

namespace marlowe {

QStandardItem* SortedCell(const QString& text, qlonglong value)
{
    auto* item = new QStandardItem(text);
    item->setData(value, kSortRole);
    item->setEditable(false);
    return item;
}

QStandardItem* NumberCell(qlonglong value)
{
    QStandardItem* item = SortedCell(QString::number(value), value);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QStandardItem* TextCell(const QString& text)
{
    auto* item = new QStandardItem(text);
    item->setData(text.toCaseFolded(), kSortRole);
    item->setEditable(false);
    return item;
}

void PrepareRecordTable(QTableView* table, int stretchColumn)
{
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(stretchColumn, QHeaderView::Stretch);
}

} // namespace marlowe
