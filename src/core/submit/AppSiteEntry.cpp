#include "submit/AppSiteEntry.h"

#include <QStringList>

QStringList AppSiteEntry::columns() const {
    return {type, submit, cat1, cat2, http, ftp, zip, email, lastPost, post};
}
