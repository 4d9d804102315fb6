#pragma once

#include "net/ENetError.h"

// Raised by TNetFTP and its data connection.
class ENetFTP : public ENetError {
public:
    using ENetError::ENetError;
};
