#pragma once

#include "base/Clock.h"
#include "commands/SiteBuilderCommands.h"
#include "engines/TEngBuild.h"
#include "gui/engines/SiteBuilderPage.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "support/SessionFixture.h"
#include "support/TempWorkspace.h"

#include <QComboBox>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A workspace of three sites (two built in, one made by the user) under a shown builder page.
class SiteBuilderFixture : public ::testing::Test, protected SessionFixture {
protected:
    SiteBuilderCommands commands{session};
    std::unique_ptr<SiteBuilderPage> page;

    void SetUp() override {
        ws.write("sites/Sites.dat", "Gamma\r\nAlpha\r\n");
        ws.write("sites/User_Sites.dat", "beta\r\n");
        ws.write("sites/Alpha.ini",
                 "[SETTINGS]\r\nBYTE_FORMAT=2\r\nSITES_WEB_URL=http://alpha.example/\r\n"
                 "USE_CAT1=1\r\nSITE_TYPE=1\r\nSITE_SYSTEM=1\r\nUSE_HTTP_POST=1\r\n"
                 "HTTP_POST_TYPE=2\r\nUSE_FTP_UPLOAD=1\r\nUSE_ZIP_FILE=1\r\n"
                 "ADD_FILE_TO_ZIP=0\r\nINCLUDE_IN_ZIP=1\r\nFTP_SERVER=ftp.alpha.example\r\n"
                 "MUF_Author=Writer\r\n");
        ws.write("cat/Alpha Cat1.cat", "GAMES\">Games\r\nUtilities\r\n");
        ws.write("sites/Alpha HTTP_NEW.scp", "name=%APPNAME%&ver=%APPVER%\r\n");
        ws.write("sites/beta.ini", "[SETTINGS]\r\nUSE_EMAIL=1\r\nEMAIL_TONAME=up@beta.example\r\n");
        ws.write("sites/beta EMAIL_NEW.scp", "Hello\r\nThere\r\n");
        ASSERT_TRUE(session.LoadWorkspace());
        page = std::make_unique<SiteBuilderPage>(session, commands);
        page->resize(592, 378);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    }

    TEngBuild& eng() { return *gwide.engBuild(); }

    template <typename T> T* find(const QString& name) {
        T* w = page->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }

    QComboBox* siteNames() { return find<QComboBox>("EB_SiteNameCombo"); }

    void showSubPage(const QString& caption) {
        QTabWidget* tabs = page->subPages();
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == caption)
                tabs->setCurrentIndex(i);
    }

    // Clicks a button where its caption starts: a check box or radio button takes clicks on
    // its indicator and caption only, not on the empty rest of its row.
    static void click(QWidget* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    // Picks an entry of the site selector with the keyboard, as the user can; unsaved edits
    // are dropped by answering No to the save question.
    void pick(int index) {
        if (session.EngineUnsaved)
            prompter.answers = {Prompter::Answer::No};
        QComboBox* box = siteNames();
        box->setFocus();
        while (box->currentIndex() < index)
            QTest::keyClick(box, Qt::Key_Down);
        while (box->currentIndex() > index)
            QTest::keyClick(box, Qt::Key_Up);
        ASSERT_EQ(box->currentIndex(), index);
    }
};
