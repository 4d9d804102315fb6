#pragma once

#include <QString>

struct ApplicationRecord;
struct CompanyRecord;
struct ExpansionContext;
struct SiteEngine;

// One site-list row as the e-mail step sees it: the loaded engine, the application and company
// being submitted, how to expand their scripts, and the row's Submit column.
struct MailListing {
    const SiteEngine& engine;
    const ApplicationRecord& app;
    const CompanyRecord& company;
    const ExpansionContext& expansion;
    QString submit; // "New" takes the new-listing body script, anything else the update one
};
