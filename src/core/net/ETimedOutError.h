#pragma once

#include "base/ShipkitError.h"

// A wait of the mail client lasted longer than its TimeOut.
class ETimedOutError : public ShipkitError {
public:
    using ShipkitError::ShipkitError;
};
