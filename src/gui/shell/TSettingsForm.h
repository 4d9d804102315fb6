#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;
class Session;
struct Settings;

// The "Settings" dialog: mail sender and time-out, proxy, FTP retries and time-out, the HTTP
// time-out, and the secure connections (SMTP security and login, the CA file).
class TSettingsForm : public QDialog {
    Q_OBJECT
public:
    explicit TSettingsForm(Session& session, QWidget* parent = nullptr);

    void OkBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildPage();
    QGroupBox* textGroup(const QString& title, QLineEdit*& field, const char* name);
    QGroupBox* proxyGroup();
    QGroupBox* secureGroup();
    void browseCaFile();
    QGroupBox* numberGroup(const QString& title, const QString& caption, QSpinBox*& spin,
                           const char* name, int minimum, int maximum);
    void addNumberRow(QGroupBox* box, const QString& caption, QSpinBox*& spin, const char* name,
                      int minimum, int maximum);
    QWidget* buildButtons();
    void readSettings();
    void fillControls(const Settings& settings);
    Settings fromControls() const;

    Session& m_session;
    QLineEdit* m_smtp = nullptr;
    QLineEdit* m_email = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_proxy = nullptr;
    QLineEdit* m_port = nullptr;
    QSpinBox* m_retries = nullptr;
    QSpinBox* m_timeOut = nullptr;
    QSpinBox* m_ftpTimeOut = nullptr;
    QSpinBox* m_smtpTimeOut = nullptr;
    QComboBox* m_smtpSecurity = nullptr;
    QLineEdit* m_smtpUser = nullptr;
    QLineEdit* m_smtpPassword = nullptr;
    QLineEdit* m_caFile = nullptr;
};
