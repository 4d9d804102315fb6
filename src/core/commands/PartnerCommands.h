#pragma once

#include "partner/BhsAccountForm.h"

class BhsClient;
class QObject;
class Session;
struct BhsAccount;

// The company page's "BHS ID#" and what the partner dialogs do to the current company.
class PartnerCommands {
public:
    explicit PartnerCommands(Session& session) : m_session(session) {}

    // True when the dialog is to open: the company has a name and no identifier yet.
    bool BHSIDBtnClick();
    // "Use Selected": false when the user chose to pick another account.
    bool useAccount(const BhsAccount& account);
    // The outcome of a new-account request; false (after saying so) when no identifier came.
    bool takeNewAccount(const QString& id);

    BhsAccountForm newAccountForm() const;
    // A client for the partner site as the settings name it.
    BhsClient* makeClient(QObject* parent) const;

private:
    void setId(const QString& id);

    Session& m_session;
};
