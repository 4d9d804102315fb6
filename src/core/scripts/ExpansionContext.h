#pragma once

#include <QString>

struct ApplicationRecord;
class Clock;
class Prompter;
struct CompanyRecord;
struct SiteEngine;

// What one expansion reads: the current company, application and engine (edits included),
// the clock, where "Could NotFind!" goes, and the site-list row's two category labels.
struct ExpansionContext {
    const CompanyRecord* company = nullptr;
    const ApplicationRecord* app = nullptr;
    QString appName; // the application selector's text
    const SiteEngine* engine = nullptr;
    const Clock* clock = nullptr;
    Prompter* prompter = nullptr;
    // The labels of the site-list row being posted ("N/A", "NOT SET!" or a label); live mode.
    QString cat1Label;
    QString cat2Label;
};
