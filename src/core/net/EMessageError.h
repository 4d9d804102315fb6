#pragma once

#include "base/ShipkitError.h"

// The message cannot be sent as it is (no sender, no recipient, a bad address).
class EMessageError : public ShipkitError {
public:
    using ShipkitError::ShipkitError;
};
