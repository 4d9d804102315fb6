#pragma once

#include <QObject>

class QWidget;

// Discards refused keys before they reach a field.
class KeyFilter : public QObject {
    Q_OBJECT
public:
    enum class Rule { Digits, NoTyping, NoSpace, NoDollar };

    static void install(QWidget* field, Rule rule);
    static void refuseSpace(QWidget* field) { install(field, Rule::NoSpace); }
    static void refuseDollar(QWidget* field) { install(field, Rule::NoDollar); }
    static void digitsOnly(QWidget* field) { install(field, Rule::Digits); }
    static void noTyping(QWidget* field) { install(field, Rule::NoTyping); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyFilter(Rule rule, QObject* parent) : QObject(parent), m_rule(rule) {}
    bool refuses(const QString& text, int key) const;

    Rule m_rule;
};
