#pragma once

#include "base/Clock.h"
#include "commands/ApplicationCommands.h"
#include "commands/CompanyCommands.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "support/SessionFixture.h"
#include "support/TempWorkspace.h"

#include "base/ShipkitError.h"
#include "records/TIniFile.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

// A loaded workspace with the company and application commands over it.
class CommandsFixture : public ::testing::Test, protected SessionFixture {
protected:
    CompanyCommands companies{session};
    ApplicationCommands apps{session, companies};

    void load() { ASSERT_TRUE(session.LoadWorkspace()); }
    void newCompany(const QString& name) {
        prompter.names.push_back(name);
        companies.NewCompanyBtnClick();
    }
    void newApp(const QString& name) {
        prompter.names.push_back(name);
        apps.NewAppBtnClick();
    }
};
