#pragma once

#include <QObject>

class QWidget;

// Swallows Enter and Return, and turns pasted line breaks into spaces, so a multi-line editor
// keeps its text on one line (it may still wrap on screen).
class EnterFilter : public QObject {
    Q_OBJECT
public:
    static void install(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit EnterFilter(QObject* parent) : QObject(parent) {}
};
