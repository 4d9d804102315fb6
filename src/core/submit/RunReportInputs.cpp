#include "submit/RunReportInputs.h"

#include "submit/HttpAnswer.h"
#include "submit/RunTrail.h"

QStringList RunReportInputs::runLog() const {
    return m_trail.runLog();
}

QStringList RunReportInputs::httpResponse() const {
    return m_answer.isEmpty() ? QStringList() : QStringList{m_answer.text()};
}
