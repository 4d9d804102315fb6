#include "gui/engines/SiteEmailPage.h"

#include "gui/controls/CompactLayouts.h"
#include "gui/engines/SiteEngineBinder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

SiteEmailPage::SiteEmailPage(SiteEngineBinder& binder, QWidget* parent)
    : QWidget(parent), m_binder(binder) {
    setObjectName(QStringLiteral("EmailSheet"));
    auto* layout = CompactLayouts::column(this);
    layout->addWidget(buildTop());
    layout->addWidget(buildAddresses());
    layout->addWidget(buildScripts(), 1);
    m_binder.governs(m_use, m_governed);
}

QWidget* SiteEmailPage::buildTop() {
    auto* box = new QWidget(this);
    auto* row = CompactLayouts::row(box);
    m_use = m_binder.check(QStringLiteral("EB_UseEmail"), QStringLiteral("USE_EMAIL"),
                           QStringLiteral("Use E-Mail Submission"), box);
    QCheckBox* copy =
        m_binder.check(QStringLiteral("EB_SendEmailCopy"), QStringLiteral("EMAIL_SEND_COPY"),
                       QStringLiteral("Send Copy To Company Contact"), box);
    m_governed.push_back(copy);
    row->addWidget(m_use);
    row->addStretch();
    row->addWidget(copy);
    return box;
}

QWidget* SiteEmailPage::buildAddresses() {
    auto* box = new QWidget(this);
    auto* grid = CompactLayouts::grid(box, 0);
    const auto add = [&](int row, int column, const QString& caption, const char* control,
                         const char* key, bool variables) {
        QLineEdit* field = m_binder.edit(QLatin1String(control), QLatin1String(key), box);
        if (variables)
            m_binder.acceptsVariables(field);
        m_governed.push_back(field);
        auto* label = new QLabel(caption, box);
        label->setBuddy(field);
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
    };
    add(0, 0, QStringLiteral("E-Mail New Submissions to:"), "EB_EmailToEdit", "EMAIL_TONAME",
        false);
    add(0, 2, QStringLiteral("Subject:"), "EB_EmailSubjectEdit", "EMAIL_SUBJECT", true);
    add(1, 0, QStringLiteral("E-Mail Updates to:"), "EB_EmailToEdit_Update", "EMAIL_TONAME_UPDATE",
        false);
    add(1, 2, QStringLiteral("Subject:"), "EB_EmailSubjectEdit_Update", "EMAIL_SUBJECT_UPDATE",
        true);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

QPushButton* SiteEmailPage::button(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QWidget* SiteEmailPage::buildScripts() {
    auto* box = new QWidget(this);
    auto* grid = CompactLayouts::grid(box, 0);
    const auto add = [&](int column, const QString& caption, const char* memo,
                         SiteEngineBinder::Memo which, QPushButton* defaultButton, const char* test,
                         SiteEngine::Script script) {
        QPlainTextEdit* editor = m_binder.memo(QLatin1String(memo), which, box);
        m_binder.acceptsVariables(editor);
        m_governed.push_back(editor);
        QPushButton* testButton = button(QStringLiteral("Test Script"), test, box);
        connect(testButton, &QPushButton::clicked, this,
                [this, script] { Q_EMIT testScriptRequested(script); });
        auto* buttons = CompactLayouts::row();
        buttons->addWidget(new QLabel(caption, box));
        buttons->addStretch();
        buttons->addWidget(defaultButton);
        buttons->addWidget(testButton);
        grid->addWidget(editor, 0, column);
        grid->addLayout(buttons, 1, column);
    };
    m_defaultNew = button(QStringLiteral("Default Script"), "Eb_MailNewScriptDefaultBtn", box);
    m_defaultUpdate =
        button(QStringLiteral("Default Script"), "Eb_MailUpdateScriptDefaultBtn", box);
    add(0, QStringLiteral("New"), "EB_Email_NewSubmissionScriptMemo",
        SiteEngineBinder::Memo::EmailNew, m_defaultNew, "EB_EMailNew_ScriptCheck",
        SiteEngine::EmailNew);
    add(1, QStringLiteral("Update"), "EB_Email_UpdateSubmissionScriptMemo",
        SiteEngineBinder::Memo::EmailUpdate, m_defaultUpdate, "EB_EMailUpdate_ScriptCheck",
        SiteEngine::EmailUpdate);
    grid->addWidget(buildAttachments(box), 0, 2, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);
    return box;
}

QWidget* SiteEmailPage::buildAttachments(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* column = CompactLayouts::column(box, 0);
    const auto add = [&](const char* control, const char* key, const QString& caption) {
        QCheckBox* check = m_binder.check(QLatin1String(control), QLatin1String(key), caption, box);
        m_governed.push_back(check);
        column->addWidget(check);
    };
    add("EB_AttachIco", "EMAIL_ATTACH_ICO", QStringLiteral("Attach .Ico"));
    add("EB_AttachGif", "EMAIL_ATTACH_GIF", QStringLiteral("Attach .Gif"));
    add("EB_AttachScreenShot", "EMAIL_ATTACH_SCREEN", QStringLiteral("Attach Screen Shot"));
    add("EB_AttachOther", "EMAIL_ATTACH_OTHER", QStringLiteral("Attach Other File"));
    add("EB_AttachAppToEmail", "EMAIL_ATTACH_APPLICATION", QStringLiteral("Attach Application"));
    column->addStretch();
    return box;
}
