#pragma once

#include "scripts/ExpansionContext.h"

#include <QString>

// Expands a submission script: every %NAME% is replaced by its value, and a value that
// holds percent signs is read again, as if the scan started over from the beginning.
class ScriptExpander {
public:
    // Values nested deeper than this stop the expansion, so a value that names itself ends.
    static constexpr int MaxNesting = 100;
    // Fields that insert fields can multiply a short script without end: past this many
    // characters the expansion fails on the variable being inserted.
    static constexpr qsizetype MaxExpandedLength = 16 * 1024 * 1024;

    explicit ScriptExpander(const ExpansionContext& context) : m_context(context) {}

    // The expanded text, or the input unchanged when the expansion failed.
    QString ExpandText(const QString& text, bool live);
    // One variable's value; sets the error state for an unknown name or a missing category.
    QString LookupVariable(const QString& name, bool live);

    bool ScriptError() const { return m_scriptError; }
    const QString& ErrorName() const { return m_errorName; }

private:
    void fail(const QString& name);
    QString appValue(const QString& key) const;
    QString companyValue(const QString& key) const;
    QString sizeValue(const QString& key, const QString& fallbackKey) const;
    QString matchUpValue(int group, const QString& key) const;
    QString downloadUrl(int number) const;
    QString categoryValue(int list, bool live);
    QString liveCategory(int list);
    QString fileListLine() const;
    QString clockValue(int id) const;

    const ExpansionContext& m_context;
    bool m_scriptError = false;
    QString m_errorName;
};
