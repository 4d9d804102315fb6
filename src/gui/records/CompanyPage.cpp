#include "gui/records/CompanyPage.h"

#include "gui/controls/KeyFilter.h"
#include "shell/Session.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

struct FieldCaption {
    CompanyRecord::Field field;
    const char* caption;
};

const FieldCaption kLeft[] = {
    {CompanyRecord::CONTACT, "Contact Name"},  {CompanyRecord::CTITLE, "Contact Title"},
    {CompanyRecord::CEMAIL, "Contact E-Mail"}, {CompanyRecord::CPHONE, "Contact Phone"},
    {CompanyRecord::CFAX, "Contact Fax"},      {CompanyRecord::CURL, "Company Home Page"}};
const FieldCaption kRight[] = {{CompanyRecord::CADDR, "Contact Address"},
                               {CompanyRecord::CCITY, "Contact City"},
                               {CompanyRecord::CSTATE, "Contact State/Province"},
                               {CompanyRecord::CZIP, "Contact Postal (Zip)"},
                               {CompanyRecord::CCOUNTRY, "Contact Country"},
                               {CompanyRecord::CCMAIL, "Company E-Mail"}};

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

CompanyPage::CompanyPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("CompanyInfoSheet"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFields());
    layout->addStretch();
    layout->addWidget(buildButtons());

    connect(m_compname, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { m_session.chooseCompany(index); });
    connect(&m_session, &Session::companyListChanged, this, &CompanyPage::refreshList);
    connect(&m_session, &Session::companyLoaded, this, &CompanyPage::refreshFields);
}

QWidget* CompanyPage::buildFields() {
    auto* box = new QWidget(this);
    auto* grid = new QHBoxLayout(box);
    auto* left = new QFormLayout;
    auto* right = new QFormLayout;
    m_compname = new QComboBox(box);
    m_compname->setObjectName(QStringLiteral("compname"));
    m_compname->setEditable(false);
    KeyFilter::noTyping(m_compname);
    left->addRow(QStringLiteral("Company Name"), m_compname);
    right->addRow(QString(), new QWidget(box));
    const auto add = [&](QFormLayout* form, const FieldCaption& fc) {
        auto* edit = new QLineEdit(box);
        edit->setObjectName(CompanyRecord::controls()[fc.field]);
        form->addRow(QString::fromLatin1(fc.caption), edit);
        m_fields[fc.field] = edit;
        connect(edit, &QLineEdit::textChanged, this,
                [this, f = fc.field](const QString& text) { m_session.setCompanyField(f, text); });
    };
    for (const auto& fc : kLeft)
        add(left, fc);
    for (const auto& fc : kRight)
        add(right, fc);
    KeyFilter::refuseSpace(m_fields[CompanyRecord::CURL]);
    KeyFilter::refuseSpace(m_fields[CompanyRecord::CCMAIL]);
    grid->addLayout(left);
    grid->addLayout(right);
    return box;
}

QWidget* CompanyPage::buildButtons() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    m_new = button("NewCompanyBtn", "New Company", box);
    m_delete = button("DeleteCompanyBtn", "Delete Company", box);
    m_save = button("SaveCompanyBtn", "Save Company", box);
    m_bhs = button("BHSIDBtn", "BHS ID#", box);
    for (QPushButton* b : {m_new, m_delete, m_save, m_bhs})
        row->addWidget(b);
    return box;
}

void CompanyPage::refreshList() {
    const QSignalBlocker block(m_compname);
    m_compname->clear();
    m_compname->addItems(m_session.companies());
    m_compname->setCurrentIndex(m_session.companyIndex());
}

void CompanyPage::refreshFields() {
    {
        const QSignalBlocker block(m_compname);
        m_compname->setCurrentIndex(m_session.companyIndex());
    }
    for (int f = CompanyRecord::CONTACT; f < CompanyRecord::FieldCount; ++f) {
        const QSignalBlocker block(m_fields[f]);
        m_fields[f]->setText(m_session.company().values[f]);
    }
}
