#pragma once

#include "base/ShipkitError.h"

// The mail server refused a step; the text is its reply line.
class EServerError : public ShipkitError {
public:
    using ShipkitError::ShipkitError;
};
