#pragma once

#include <QDialog>

class QPixmap;

// "About Shipkit": product name, version, a notice and the way to the engine checker.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // "&D" closed the box: the window opens the engine checker once the box is gone.
    bool checkerRequested() const { return m_checkerRequested; }
    static QPixmap picture(int size);

Q_SIGNALS:
    // "Tallmark Web": the window opens the maker's page in the browser.
    void makerPageRequested();

private:
    QWidget* buildTexts();
    QWidget* buildButtons();

    bool m_checkerRequested = false;
};
