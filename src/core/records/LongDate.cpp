#include "records/LongDate.h"

#include "records/IniText.h"

QString longdatep(const QString& day, const QString& month, const QString& year) {
    static const char* const months[] = {"Jan-", "Feb-", "Mar-", "Apr-", "May-", "Jun-",
                                         "Jul-", "Aug-", "Sep-", "Oct-", "Nov-", "Dec-"};
    QString date;
    if (!day.isEmpty())
        date += day + u'-';
    int n = 0;
    // Text that is no number (pasted into the field) adds nothing.
    if (!month.isEmpty() && IniText::parseInt(month, n) && n >= 1 && n <= 12)
        date += QLatin1String(months[n - 1]);
    if (!year.isEmpty() && IniText::parseInt(year, n) && n >= 0 && n <= 99)
        date += (n < 80 ? QStringLiteral("20") : QStringLiteral("19")) + year;
    return date;
}
