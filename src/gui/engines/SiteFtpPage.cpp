#include "gui/engines/SiteFtpPage.h"

#include "gui/controls/CompactLayouts.h"
#include "gui/engines/SiteEngineBinder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

SiteFtpPage::SiteFtpPage(SiteEngineBinder& binder, QWidget* parent)
    : QWidget(parent), m_binder(binder) {
    setObjectName(QStringLiteral("FtpSheet"));
    auto* layout = CompactLayouts::column(this);
    layout->addWidget(buildTop());
    layout->addWidget(buildServer());
    layout->addWidget(buildScript(), 1);
    m_binder.governs(m_use, m_governed);
}

QWidget* SiteFtpPage::buildTop() {
    auto* box = new QWidget(this);
    auto* row = CompactLayouts::row(box);
    m_use = m_binder.check(QStringLiteral("EB_UseFTPUploadChk"), QStringLiteral("USE_FTP_UPLOAD"),
                           QStringLiteral("Site Uses FTP Uploads"), box);
    m_zip = m_binder.check(QStringLiteral("EB_UseZipFileChk"), QStringLiteral("USE_ZIP_FILE"),
                           QStringLiteral("Site requires ZIP file"), box);
    QCheckBox* short83 =
        m_binder.check(QStringLiteral("EB_Use8x3FileName"), QStringLiteral("USE_8X3_FILENAME"),
                       QStringLiteral("Site Requires 8 + 3 Filename"), box);
    QCheckBox* tls = m_binder.check(QStringLiteral("EB_FtpTlsChk"), QStringLiteral("FTP_TLS"),
                                    QStringLiteral("Use TLS"), box);
    QCheckBox* passive =
        m_binder.check(QStringLiteral("EB_FtpPassiveChk"), QStringLiteral("FTP_PASSIVE"),
                       QStringLiteral("Passive Mode"), box);
    connect(m_zip, &QCheckBox::clicked, this, &SiteFtpPage::zipClicked);
    m_governed.insert(m_governed.end(), {m_zip, short83, tls, passive});
    row->addWidget(m_use);
    row->addWidget(m_zip);
    row->addWidget(short83);
    row->addWidget(tls);
    row->addWidget(passive);
    row->addStretch();
    return box;
}

QWidget* SiteFtpPage::buildServer() {
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
        grid->addWidget(field, row, column + 1, 1, row == 2 ? 3 : 1);
    };
    add(0, 0, QStringLiteral("FTP Server:"), "EB_FTPServerEdit", "FTP_SERVER", false);
    add(0, 2, QStringLiteral("Remote Path:"), "EB_RemotePathEdit", "REMOTE_PATH", true);
    add(1, 0, QStringLiteral("Login name:"), "EB_LoginNameEdit", "LOGIN_NAME", true);
    add(1, 2, QStringLiteral("Login Password:"), "EB_LoginPasswordEdit", "LOGIN_PASSWORD", true);
    add(2, 0, QStringLiteral("Filename:"), "EB_FileName", "FTP_FILENAME", true);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* SiteFtpPage::buildScript() {
    auto* box = new QWidget(this);
    auto* row = CompactLayouts::row(box);
    QPlainTextEdit* script =
        m_binder.memo(QStringLiteral("EB_FileScriptMemo"), SiteEngineBinder::Memo::FtpNew, box);
    m_binder.acceptsVariables(script);
    m_governed.push_back(script);
    auto* side = CompactLayouts::column(nullptr, 0);
    side->addWidget(buildAddedText(box));
    side->addStretch();
    m_default = new QPushButton(QStringLiteral("Default Script"), box);
    m_default->setObjectName(QStringLiteral("Eb_FTPScriptDefaultBtn"));
    auto* test = new QPushButton(QStringLiteral("Test Script"), box);
    test->setObjectName(QStringLiteral("EB_FTPScriptCheck"));
    connect(test, &QPushButton::clicked, this,
            [this] { Q_EMIT testScriptRequested(SiteEngine::FtpNew); });
    side->addWidget(m_default);
    side->addWidget(test);
    row->addWidget(script, 1);
    row->addLayout(side);
    return box;
}

QWidget* SiteFtpPage::buildAddedText(QWidget* parent) {
    auto* group = new QGroupBox(QStringLiteral("Added Text File:"), parent);
    auto* column = CompactLayouts::column(group);
    using Added = SiteEngine::AddedText;
    QRadioButton* upload =
        m_binder.addedText(QStringLiteral("EB_AddFileToUploadChk"), Added::AddToUpload,
                           QStringLiteral("Add to Upload"), group);
    QRadioButton* include =
        m_binder.addedText(QStringLiteral("EB_IncludeInZipChk"), Added::IncludeInZip,
                           QStringLiteral("Include in Zip"), group);
    QRadioButton* both = m_binder.addedText(QStringLiteral("EB_AddedTextBoth"), Added::Both,
                                            QStringLiteral("Both"), group);
    connect(include, &QRadioButton::clicked, this, &SiteFtpPage::zipChoiceClicked);
    connect(both, &QRadioButton::clicked, this, &SiteFtpPage::zipChoiceClicked);
    for (QRadioButton* b : {upload, include, both}) {
        column->addWidget(b);
        m_governed.push_back(b);
    }
    return group;
}

void SiteFtpPage::zipClicked(bool on) {
    m_binder.markChanged();
    if (on)
        return;
    m_binder.engine().setAddedText(SiteEngine::AddedText::AddToUpload);
    m_binder.refreshAddedText();
}

void SiteFtpPage::zipChoiceClicked() {
    m_binder.markChanged();
    // Without a zip there is nothing to put the text file into.
    if (m_zip->isChecked())
        return;
    m_binder.engine().setAddedText(SiteEngine::AddedText::AddToUpload);
    m_binder.refreshAddedText();
}
