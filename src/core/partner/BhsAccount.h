#pragma once

#include <QString>
#include <vector>

// One account of the partner site's list: the company name it is held under and its identifier.
struct BhsAccount {
    QString name;
    QString id;

    bool operator==(const BhsAccount&) const = default;

    // The accounts in the list page: lines that begin with "<option value=", leaving out the
    // placeholder with the value 0 and lines without a quoted identifier.
    static std::vector<BhsAccount> parseList(const QString& page);
};
