#include "gui/engines/SiteHttpPage.h"

#include "gui/controls/CompactLayouts.h"
#include "gui/controls/EnterFilter.h"
#include "gui/engines/SiteEngineBinder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

SiteHttpPage::SiteHttpPage(SiteEngineBinder& binder, QWidget* parent)
    : QWidget(parent), m_binder(binder) {
    setObjectName(QStringLiteral("HttpSheet"));
    auto* layout = CompactLayouts::column(this);
    layout->addWidget(buildTop());
    layout->addWidget(buildScripts(), 1);
}

QWidget* SiteHttpPage::buildTop() {
    auto* box = new QWidget(this);
    auto* row = CompactLayouts::row(box);
    m_use = m_binder.check(QStringLiteral("EB_UseHTTPPostChk"), QStringLiteral("USE_HTTP_POST"),
                           QStringLiteral("Site Uses HTTP"), box);
    auto* method = new QGroupBox(QStringLiteral("Method:"), box);
    auto* methods = CompactLayouts::row(method, CompactLayouts::Margin);
    const QString key = QStringLiteral("HTTP_POST_TYPE");
    methods->addWidget(m_binder.choice(QStringLiteral("EB_PostType_POST"), key, 1,
                                       QStringLiteral("Post"), method));
    methods->addWidget(
        m_binder.choice(QStringLiteral("EB_PostType_GET"), key, 2, QStringLiteral("Get"), method));
    m_matchUp = new QPushButton(QStringLiteral("Field Translations"), box);
    m_matchUp->setObjectName(QStringLiteral("EB_MatchUpFields"));
    // The check box sits on the line of the method choices, beside their group's frame.
    auto* useColumn = CompactLayouts::column(nullptr, 0);
    useColumn->setContentsMargins(0, 0, 0,
                                  methods->contentsMargins().bottom() +
                                      style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
    useColumn->addStretch();
    useColumn->addWidget(m_use);
    row->addLayout(useColumn);
    row->addWidget(method);
    row->addStretch();
    row->addWidget(m_matchUp, 0, Qt::AlignBottom);
    return box;
}

QWidget* SiteHttpPage::buildScripts() {
    auto* box = new QWidget(this);
    auto* grid = CompactLayouts::grid(box, 0);
    addScript(grid, 0, "EB_HTTP_NewScriptURLEdit", "HTTP_NEW_SCRIPT_URL",
              QStringLiteral("New Script:"), "EB_NewSubmissionMemo", "EB_HTTPNew_ScriptCheck");
    addScript(grid, 2, "EB_HTTP_UpdateScriptURLEdit", "HTTP_UPDATE_SCRIPT_URL",
              QStringLiteral("Update Script:"), "EB_UpdateSubmissionMemo",
              "EB_HTTPUpdate_ScriptCheck");
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(3, 1);
    // Only the scripts follow "Site Uses HTTP"; the URLs and the method stay editable.
    m_binder.governs(m_use, m_editors);
    return box;
}

void SiteHttpPage::addScript(QGridLayout* grid, int row, const char* url, const char* urlKey,
                             const QString& caption, const char* memo, const char* test) {
    QWidget* parent = grid->parentWidget();
    QLineEdit* urlEdit = m_binder.edit(QLatin1String(url), QLatin1String(urlKey), parent);
    m_binder.acceptsVariables(urlEdit);
    const bool isNew = row == 0;
    QPlainTextEdit* editor = m_binder.memo(
        QLatin1String(memo),
        isNew ? SiteEngineBinder::Memo::HttpNew : SiteEngineBinder::Memo::HttpUpdate, parent);
    // An HTTP script is sent as one line; it wraps only on screen.
    EnterFilter::install(editor);
    editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_binder.acceptsVariables(editor);
    m_editors.push_back(editor);
    auto* testButton = new QPushButton(QStringLiteral("Test Script"), parent);
    testButton->setObjectName(QLatin1String(test));
    const auto script = isNew ? SiteEngine::HttpNew : SiteEngine::HttpUpdate;
    connect(testButton, &QPushButton::clicked, this,
            [this, script] { Q_EMIT testScriptRequested(script); });
    grid->addWidget(new QLabel(QStringLiteral("Post URL:"), parent), row, 0);
    grid->addWidget(urlEdit, row, 1, 1, 2);
    grid->addWidget(new QLabel(caption, parent), row + 1, 0, Qt::AlignTop);
    grid->addWidget(editor, row + 1, 1);
    grid->addWidget(testButton, row + 1, 2, Qt::AlignTop);
}
