#pragma once

#include <QTableWidget>

struct AppSiteEntry;

// The application's site list as a read-only report grid, one whole row per site.
class SiteGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit SiteGrid(QWidget* parent = nullptr);

    void showRows(const std::vector<AppSiteEntry>& rows);
    void showRow(int index, const AppSiteEntry& row);
    void selectRow(int index);
};
