#pragma once

#include "update/UpdateRequest.h"

class Session;

// "&Update Data Files" and `shipkit-cli update`: the request the settings make, and what the
// window does once new site data is in.
class UpdateCommands {
public:
    explicit UpdateCommands(Session& session) : m_session(session) {}

    // The archive's address, the proxy, and the HTTP time-out held within its range.
    UpdateRequest request() const;
    // Asks for the restart. The engine on the builder page was read from the replaced data, so
    // its edits are let go: the close then asks about the company, application and site list.
    void RestartAfterUpdate();

private:
    Session& m_session;
};
