#pragma once

#include "base/ShipkitError.h"

// The mail client could not use its connection: a socket failure, a missing setting, a closed link.
class ESocketError : public ShipkitError {
public:
    using ShipkitError::ShipkitError;
};
