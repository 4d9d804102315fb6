#pragma once

#include <QString>
#include <QStringList>

// What the report writer reads from the running submission at the moment of each call.
class ReportInputs {
public:
    virtual ~ReportInputs() = default;
    // The current application selector's text.
    virtual QString applicationName() const = 0;
    // The run log on the Submit page, one entry per line, in order.
    virtual QStringList runLog() const = 0;
    // The chunks the site sent back during the last HTTP transfer, in order.
    virtual QStringList httpResponse() const = 0;
};
