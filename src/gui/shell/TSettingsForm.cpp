#include "gui/shell/TSettingsForm.h"

#include "base/Prompter.h"
#include "base/ShipkitError.h"
#include "gui/controls/CompactLayouts.h"
#include "records/TIniFile.h"
#include "shell/Session.h"
#include "shell/Settings.h"
#include "shell/TGWide.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>

TSettingsForm::TSettingsForm(Session& session, QWidget* parent)
    : QDialog(parent), m_session(session) {
    setObjectName(QStringLiteral("TSettingsForm"));
    setWindowTitle(QStringLiteral("Settings"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setProperty("helpContext", 1004);
    auto* layout = CompactLayouts::column(this, 8);
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->addTab(buildPage(), QStringLiteral("Settings"));
    layout->addWidget(pages);
    layout->addWidget(buildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    readSettings();
}

QWidget* TSettingsForm::buildPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("SettingsSheet"));
    auto* grid = CompactLayouts::grid(page, 6);
    QGroupBox* smtp = textGroup(QStringLiteral("Your SMTP Server:"), m_smtp, "smtpedit");
    addNumberRow(smtp, QStringLiteral("Time out Seconds:"), m_smtpTimeOut, "SMTPTimeOutSpin",
                 Settings::MinSmtpTimeOut, Settings::MaxSmtpTimeOut);
    grid->addWidget(smtp, 0, 0);
    grid->addWidget(textGroup(QStringLiteral("Your E-Mail Address:"), m_email, "emailedit"), 1, 0);
    grid->addWidget(textGroup(QStringLiteral("Your Name:"), m_name, "nameedit"), 2, 0);
    grid->addWidget(proxyGroup(), 0, 1);
    QGroupBox* ftp = numberGroup(QStringLiteral("FTP Settings:"),
                                 QStringLiteral("Maximum retries if contact failure:"), m_retries,
                                 "MaxRetrySpin", Settings::MinFtpRetries, Settings::MaxFtpRetries);
    addNumberRow(ftp, QStringLiteral("Time out Seconds:"), m_ftpTimeOut, "FTPTimeOutSpin",
                 Settings::MinFtpTimeOut, Settings::MaxFtpTimeOut);
    grid->addWidget(ftp, 1, 1);
    grid->addWidget(numberGroup(QStringLiteral("HTTP Settings:"),
                                QStringLiteral("Time out Seconds:"), m_timeOut, "HTTPTimeOutSpin",
                                Settings::MinHttpTimeOut, Settings::MaxHttpTimeOut),
                    2, 1);
    grid->addWidget(secureGroup(), 3, 0, 1, 2);
    return page;
}

QGroupBox* TSettingsForm::secureGroup() {
    auto* box = new QGroupBox(QStringLiteral("Secure Connections:"));
    auto* grid = new QGridLayout(box);
    m_smtpSecurity = new QComboBox(box);
    m_smtpSecurity->setObjectName(QStringLiteral("smtpsecuritycombo"));
    m_smtpSecurity->addItems(
        {QStringLiteral("none"), QStringLiteral("starttls"), QStringLiteral("tls")});
    const auto line = [box](const char* name) {
        auto* field = new QLineEdit(box);
        field->setObjectName(QLatin1String(name));
        field->setMaxLength(TIniFile::MaxValueLength);
        return field;
    };
    m_smtpUser = line("smtpuseredit");
    m_smtpPassword = line("smtppasswordedit");
    m_smtpPassword->setEchoMode(QLineEdit::Password);
    m_caFile = line("cafileedit");
    auto* browse = new QPushButton(QStringLiteral("Browse..."), box);
    browse->setObjectName(QStringLiteral("CaFileBrowseBtn"));
    connect(browse, &QPushButton::clicked, this, &TSettingsForm::browseCaFile);
    const std::pair<const char*, QWidget*> rows[] = {{"SMTP Security:", m_smtpSecurity},
                                                     {"SMTP User:", m_smtpUser},
                                                     {"SMTP Password:", m_smtpPassword},
                                                     {"CA File (PEM):", m_caFile}};
    for (int row = 0; row < 4; ++row) {
        auto* caption = new QLabel(QLatin1String(rows[row].first), box);
        caption->setBuddy(rows[row].second);
        grid->addWidget(caption, row, 0);
        grid->addWidget(rows[row].second, row, 1);
    }
    grid->addWidget(browse, 3, 2);
    return box;
}

void TSettingsForm::browseCaFile() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("CA File"), m_caFile->text(),
        QStringLiteral("PEM certificates (*.pem *.crt);;All files (*)"));
    if (!path.isEmpty())
        m_caFile->setText(path);
}

QGroupBox* TSettingsForm::textGroup(const QString& title, QLineEdit*& field, const char* name) {
    auto* box = new QGroupBox(title);
    field = new QLineEdit(box);
    field->setObjectName(QLatin1String(name));
    field->setMaxLength(TIniFile::MaxValueLength);
    field->setMinimumWidth(220);
    CompactLayouts::column(box, 6)->addWidget(field);
    return box;
}

QGroupBox* TSettingsForm::proxyGroup() {
    auto* box = textGroup(QStringLiteral("Proxy Server (If any):"), m_proxy, "proxyedit");
    m_port = new QLineEdit(QStringLiteral("80"), box);
    m_port->setObjectName(QStringLiteral("portedit"));
    m_port->setMaxLength(5);
    m_port->setFixedWidth(m_port->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 14);
    auto* row = CompactLayouts::row();
    auto* caption = new QLabel(QStringLiteral("Proxy Port:"), box);
    caption->setBuddy(m_port);
    row->addWidget(caption);
    row->addWidget(m_port);
    row->addStretch();
    static_cast<QBoxLayout*>(box->layout())->addLayout(row);
    return box;
}

QGroupBox* TSettingsForm::numberGroup(const QString& title, const QString& caption, QSpinBox*& spin,
                                      const char* name, int minimum, int maximum) {
    auto* box = new QGroupBox(title);
    CompactLayouts::column(box, 6);
    addNumberRow(box, caption, spin, name, minimum, maximum);
    return box;
}

void TSettingsForm::addNumberRow(QGroupBox* box, const QString& caption, QSpinBox*& spin,
                                 const char* name, int minimum, int maximum) {
    spin = new QSpinBox(box);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    spin->setSingleStep(1);
    auto* label = new QLabel(caption, box);
    label->setBuddy(spin);
    auto* row = CompactLayouts::row();
    row->addWidget(label);
    row->addWidget(spin);
    row->addStretch();
    static_cast<QBoxLayout*>(box->layout())->addLayout(row);
}

QWidget* TSettingsForm::buildButtons() {
    auto* box = new QWidget(this);
    auto* row = CompactLayouts::row(box);
    auto* ok = new QPushButton(QStringLiteral("Ok"), box);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), box);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    connect(ok, &QPushButton::clicked, this, &TSettingsForm::OkBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return box;
}

// Each opening reads the file again, so what the dialog shows is what is stored.
void TSettingsForm::readSettings() {
    const Settings stored = Settings::read(m_session.gwide().paths().ProgramDir);
    Settings& held = m_session.settings;
    const bool gridLines = held.UseGridLines; // the check box on the Sites page owns this one
    held = stored;
    held.UseGridLines = gridLines;
    fillControls(held);
}

void TSettingsForm::fillControls(const Settings& s) {
    m_smtp->setText(s.SmtpServer);
    m_email->setText(s.SenderEmail);
    m_name->setText(s.SenderName);
    m_proxy->setText(s.ProxyHost);
    m_port->setText(s.ProxyPort);
    // The spin boxes hold their range: a stored value outside it shows as the nearest bound.
    m_retries->setValue(s.FtpRetries);
    m_timeOut->setValue(s.HttpTimeOut);
    m_ftpTimeOut->setValue(s.FtpTimeOut);
    m_smtpTimeOut->setValue(s.SmtpTimeOut);
    // A stored word the list does not know is shown as it is, not quietly replaced.
    const QString security = s.SmtpSecurity.isEmpty() ? QStringLiteral("none") : s.SmtpSecurity;
    if (m_smtpSecurity->findText(security) < 0)
        m_smtpSecurity->addItem(security);
    m_smtpSecurity->setCurrentText(security);
    m_smtpUser->setText(s.SmtpUser);
    m_smtpPassword->setText(s.SmtpPassword);
    m_caFile->setText(s.CaFile);
}

Settings TSettingsForm::fromControls() const {
    Settings s = m_session.settings;
    s.SmtpServer = m_smtp->text();
    s.SenderEmail = m_email->text();
    s.SenderName = m_name->text();
    s.ProxyHost = m_proxy->text();
    s.ProxyPort = m_port->text().trimmed();
    s.FtpRetries = m_retries->value();
    s.HttpTimeOut = m_timeOut->value();
    s.FtpTimeOut = m_ftpTimeOut->value();
    s.SmtpTimeOut = m_smtpTimeOut->value();
    // "none" is what an absent key means: a file that never had the key keeps its bytes.
    const QString security = m_smtpSecurity->currentText();
    s.SmtpSecurity =
        security == QStringLiteral("none") && s.SmtpSecurity.isEmpty() ? QString() : security;
    s.SmtpUser = m_smtpUser->text();
    s.SmtpPassword = m_smtpPassword->text();
    s.CaFile = m_caFile->text().trimmed();
    return s;
}

void TSettingsForm::OkBtnClick() {
    const Settings s = fromControls();
    Prompter& prompter = m_session.prompter();
    // A port the HTTP client cannot use is refused before anything is written.
    if (!Settings::validPort(s.ProxyPort)) {
        prompter.beep(Prompter::Sound::Information);
        prompter.message(QStringLiteral("The proxy port must be a whole number from 0 to 65535."));
        m_port->setFocus();
        m_port->selectAll();
        return;
    }
    try {
        s.write(m_session.gwide().paths().ProgramDir);
    } catch (const ShipkitError& e) {
        prompter.handlerError(e.text());
        return;
    }
    // Held values change only once they are stored, so a failed write leaves nothing behind.
    m_session.settings = s;
    accept();
}

void TSettingsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}
