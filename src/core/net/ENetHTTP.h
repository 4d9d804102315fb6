#pragma once

#include "net/ENetError.h"

// Raised by TNetHTTP.
class ENetHTTP : public ENetError {
public:
    using ENetError::ENetError;
};
