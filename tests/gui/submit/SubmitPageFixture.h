#pragma once

#include "gui/submit/SubmitPage.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Answers the next modal window from a timer. Whatever is still modal after a few seconds is
// closed, so a test waiting in exec() ends even when the answer went wrong.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> act) : m_act(std::move(act)) {
        m_poll.setInterval(10);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { poll(); });
        m_poll.start();
        m_fallback.setSingleShot(true);
        QObject::connect(&m_fallback, &QTimer::timeout, [this] { giveUp(); });
        m_fallback.start(5000);
    }
    bool answered() const { return m_answered; }
    bool gaveUp() const { return m_gaveUp; }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        m_poll.stop();
        m_answered = true;
        m_act(modal);
    }
    void giveUp() {
        m_poll.stop();
        if (QWidget* modal = QApplication::activeModalWidget()) {
            m_gaveUp = true;
            modal->close();
            m_fallback.start(500); // a dialog under it, if any
        }
    }

    std::function<void(QWidget*)> m_act;
    QTimer m_poll;
    QTimer m_fallback;
    bool m_answered = false;
    bool m_gaveUp = false;
};

// A Submit page on its own, at the size it has in the main window.
class SubmitPageFixture {
protected:
    ScriptedPrompter prompter;
    int settingsOpened = 0;
    bool settingsAnswer = true;
    std::unique_ptr<SubmitPage> page;

    void makePage() {
        page = std::make_unique<SubmitPage>(prompter, [this] {
            ++settingsOpened;
            return settingsAnswer;
        });
        page->resize(596, 380);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    }
    template <class T> T* find(const QString& name) const {
        T* w = page->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
};
