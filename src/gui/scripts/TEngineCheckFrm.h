#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class Session;

// "Engine Checker": expands every script file of every engine in check mode and lists the
// failing ones, with an editor to fix them and the mass change. Only "Exit" closes it.
class TEngineCheckFrm : public QDialog {
    Q_OBJECT
public:
    explicit TEngineCheckFrm(Session& session, QWidget* parent = nullptr);

    // The list's rows as "site±Error! -> [NAME]±path".
    QStringList errorLines() const;
    QString editedFile() const;
    QString editorText() const;

public Q_SLOTS:
    void BeginCheckingClick();
    void LoadSelectedClick();
    void SaveScriptClick();
    void MassChangeClick();
    void ExitClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildButtons();
    void setWorking(bool working);
    void loadFile(const QString& path);
    bool replaceAll(const QString& from, const QString& to);

    Session& m_session;
    QTreeWidget* m_list;
    QLineEdit* m_file;
    QStackedWidget* m_stack;
    QPlainTextEdit* m_editor;
    QLabel* m_panel;
    QPushButton* m_load;
    QPushButton* m_save;
    QPushButton* m_massChange;
    QPushButton* m_begin;
    QPushButton* m_exit;
    bool m_exiting = false;
};
