#pragma once

#include "reports/ReportInputs.h"

class HttpAnswer;
class RunTrail;

// What the report writer reads from a run: the application, the run log and the last answer.
class RunReportInputs : public ReportInputs {
public:
    RunReportInputs(const RunTrail& trail, const HttpAnswer& answer)
        : m_trail(trail), m_answer(answer) {}

    void setApplication(const QString& name) { m_application = name; }

    QString applicationName() const override { return m_application; }
    QStringList runLog() const override;
    QStringList httpResponse() const override;

private:
    const RunTrail& m_trail;
    const HttpAnswer& m_answer;
    QString m_application;
};
