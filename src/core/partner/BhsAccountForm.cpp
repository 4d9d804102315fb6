#include "partner/BhsAccountForm.h"

#include "partner/FormEncoding.h"
#include "records/CompanyRecord.h"

#include <QRegularExpression>

const std::array<BhsAccountForm::FieldInfo, BhsAccountForm::FieldCount>& BhsAccountForm::fields() {
    static const std::array<FieldInfo, FieldCount> kFields = {{
        {"Company Name:", "CompanyNameEdit", 50, "name", true},
        {"Address1:", "Address1Edit", 50, "Address1", true},
        {"Address2:", "Address2Edit", 50, "Address2", false},
        {"City:", "CityEdit", 50, "City", true},
        {"State/Country:", "StateCountryEdit", 25, "State", true},
        {"Zip Code:", "ZipCodeEdit", 10, "Zipcode", true},
        {"Phone#:", "PhoneEdit", 50, "phone", true},
        {"Email:", "EmailEdit", 255, "email", true},
        {"FTP Site:", "FTPEdit", 255, "FTPSite", false},
        {"Web Site:", "WebEdit", 255, "WebSite", false},
    }};
    return kFields;
}

BhsAccountForm BhsAccountForm::prefilled(const CompanyRecord& company) {
    BhsAccountForm form;
    form.set(Name, company[CompanyRecord::CONAME]);
    form.set(Address1, company[CompanyRecord::CADDR]);
    form.set(City, company[CompanyRecord::CCITY]);
    form.set(State, company[CompanyRecord::CSTATE] + u'/' + company[CompanyRecord::CCOUNTRY]);
    form.set(Zipcode, company[CompanyRecord::CZIP]);
    form.set(Phone, company[CompanyRecord::CPHONE]);
    form.set(Email, company[CompanyRecord::CCMAIL]);
    form.set(WebSite, company[CompanyRecord::CURL]);
    return form;
}

void BhsAccountForm::set(Field f, const QString& value) {
    m_values[f] = value.left(fields()[f].maxLength);
}

bool BhsAccountForm::complete() const {
    for (int f = 0; f < FieldCount; ++f)
        if (fields()[f].required && m_values[f].isEmpty())
            return false;
    return true;
}

void BhsAccountForm::fillBlanks() {
    if (m_values[Address2].isEmpty())
        m_values[Address2] = QStringLiteral(" ");
    for (const Field f : {FTPSite, WebSite})
        if (m_values[f].isEmpty())
            m_values[f] = QStringLiteral("none");
}

QByteArray BhsAccountForm::body() const {
    QByteArray body;
    for (int f = 0; f < FieldCount; ++f)
        body += QByteArray(fields()[f].formName) + '=' + FormEncoding::value(m_values[f]) + '&';
    return body + "add= Submit";
}

QString BhsAccountForm::newId(const QString& answer) {
    static const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));
    static const QString kMark = QStringLiteral("value=\"");
    for (const QString& line : answer.split(kLineEnd)) {
        const qsizetype at = line.indexOf(kMark);
        if (at < 0)
            continue;
        const qsizetype start = at + kMark.size();
        const qsizetype end = line.indexOf(u'"', start);
        return line.mid(start, end < 0 ? -1 : end - start);
    }
    return QString();
}
