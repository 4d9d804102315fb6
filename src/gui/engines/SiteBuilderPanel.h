#pragma once

#include <QWidget>

class QGroupBox;
class QPushButton;
class SiteEngineBinder;

// The bottom of the site builder: the byte format and the site commands.
class SiteBuilderPanel : public QWidget {
    Q_OBJECT
public:
    SiteBuilderPanel(SiteEngineBinder& binder, QWidget* parent = nullptr);

    QPushButton* saveButton() const { return m_save; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* newButton() const { return m_new; }
    QPushButton* contributeButton() const { return m_contribute; }
    QGroupBox* byteFormat() const { return m_byteFormat; }

Q_SIGNALS:
    // "Contribute!" or the byte format group's menu item.
    void contributeRequested();

private:
    QGroupBox* buildByteFormat(SiteEngineBinder& binder);
    QPushButton* button(const QString& caption, const char* name);

    QGroupBox* m_byteFormat = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_contribute = nullptr;
};
