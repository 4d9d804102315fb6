#pragma once

#include "base/ShipkitError.h"

// A failed zip operation. The code is the one OnMessage carried, so a caller can branch on it.
class EZipError : public ShipkitError {
public:
    enum Code {
        NoFiles = 1,
        NoArchive,
        SelfExtracting,
        NoEntries,
        Damaged,
        FileAccess,
        Limit,
        Skipped
    };

    EZipError(Code code, const QString& text) : ShipkitError(text), m_code(code) {}
    Code code() const { return m_code; }

private:
    Code m_code;
};
