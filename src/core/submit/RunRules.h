#pragma once

#include <QString>

struct ApplicationRecord;
struct SiteEngine;

// The rules a run applies to the application and to each site's engine.
namespace RunRules {
// The message of the first check the application fails, in the order they are made; empty
// when it may be submitted. name: the application selector's text.
QString applicationProblem(const ApplicationRecord& app, const QString& name);
// Whether the loaded engine takes the application: its system choice against the platform,
// "Freeware Only" against the status.
bool IsEngineCompatible(const SiteEngine& engine, const ApplicationRecord& app);
} // namespace RunRules
