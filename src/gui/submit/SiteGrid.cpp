#include "gui/submit/SiteGrid.h"

#include "submit/AppSiteEntry.h"

#include <QHeaderView>

SiteGrid::SiteGrid(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("SiteGrid"));
    const QStringList captions{"Site", "Type", "Submit", "Category1", "Category2", "H",
                               "F",    "Z",    "E",      "Last Post", "P"};
    setColumnCount(static_cast<int>(captions.size()));
    setHorizontalHeaderLabels(captions);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    setShowGrid(false);
    const int widths[] = {120, 62, 50, 80, 80, 22, 22, 22, 22, 66, 22};
    for (int c = 0; c < columnCount(); ++c)
        setColumnWidth(c, widths[c]);
}

void SiteGrid::showRow(int index, const AppSiteEntry& row) {
    const QStringList cells = QStringList{row.site} + row.columns();
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        setItem(index, c, item);
    }
}

void SiteGrid::showRows(const std::vector<AppSiteEntry>& rows) {
    const QSignalBlocker block(this);
    clearContents();
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rowCount(); ++r)
        showRow(r, rows[r]);
}

void SiteGrid::selectRow(int index) {
    const QSignalBlocker block(this);
    if (index < 0) {
        clearSelection();
        return;
    }
    setCurrentCell(index, 0);
    scrollToItem(item(index, 0));
}
