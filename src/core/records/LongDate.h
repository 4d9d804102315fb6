#pragma once

#include <QString>

// The long release date shown under the date fields, e.g. "4-Jul-1998".
QString longdatep(const QString& day, const QString& month, const QString& year);
