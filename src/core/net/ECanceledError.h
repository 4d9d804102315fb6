#pragma once

#include "base/ShipkitError.h"

// The mail client was cancelled while it waited.
class ECanceledError : public ShipkitError {
public:
    using ShipkitError::ShipkitError;
};
