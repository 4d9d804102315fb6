#include "commands/UpdateCommands.h"

#include "base/Prompter.h"
#include "shell/Session.h"

UpdateRequest UpdateCommands::request() const {
    const Settings& s = m_session.settings;
    return {s.UpdateUrl, s.proxy(),
            qBound(Settings::MinHttpTimeOut, s.HttpTimeOut, Settings::MaxHttpTimeOut),
            TlsPolicy(s.CaFile)};
}

void UpdateCommands::RestartAfterUpdate() {
    Prompter& prompter = m_session.prompter();
    prompter.beep(Prompter::Sound::Information);
    prompter.message(QStringLiteral("You must now restart Shipkit!"));
    m_session.EngineUnsaved = false;
}
