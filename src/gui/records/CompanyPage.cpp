#include "gui/records/CompanyPage.h"

#include "gui/controls/KeyFilter.h"
#include "gui/shell/Guarded.h"
#include "shell/Session.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
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
            guarded(m_session.prompter(), std::bind_front(&CompanyPage::companyChosen, this)));
    connect(&m_session, &Session::companyListChanged, this,
            guarded(m_session.prompter(), std::bind_front(&CompanyPage::refreshList, this)));
    connect(&m_session, &Session::companyLoaded, this,
            guarded(m_session.prompter(), std::bind_front(&CompanyPage::refreshFields, this)));
}

QWidget* CompanyPage::buildFields() {
    auto* box = new QWidget(this);
    // Captions above their fields, two columns: long captions leave the fields their width.
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(0);
    const auto place = [&](const QString& caption, QWidget* field, int row, int column) {
        grid->addWidget(new QLabel(caption, box), row * 2, column);
        grid->addWidget(field, row * 2 + 1, column);
    };
    m_compname = new QComboBox(box);
    m_compname->setObjectName(QStringLiteral("compname"));
    m_compname->setEditable(false);
    KeyFilter::noTyping(m_compname);
    place(QStringLiteral("Company Name"), m_compname, 0, 0);
    const auto add = [&](const FieldCaption& fc, int row, int column) {
        auto* edit = new QLineEdit(box);
        edit->setObjectName(CompanyRecord::controls()[fc.field]);
        place(QString::fromLatin1(fc.caption), edit, row, column);
        m_fields[fc.field] = edit;
        connect(edit, &QLineEdit::textChanged, this,
                guarded(m_session.prompter(), [this, f = fc.field](const QString& text) {
                    m_session.setCompanyField(f, text);
                }));
    };
    for (int i = 0; i < 6; ++i) {
        add(kLeft[i], i + 1, 0);
        add(kRight[i], i + 1, 1);
    }
    KeyFilter::refuseSpace(m_fields[CompanyRecord::CURL]);
    KeyFilter::refuseSpace(m_fields[CompanyRecord::CCMAIL]);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
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
