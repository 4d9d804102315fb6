#pragma once

#include <QString>

// Names from the engine or the application that the FTP step turns into file names (in files/
// and on the server) follow the name rule, so that nothing outside files/ is ever touched.
namespace FtpFileName {
// Empty when the name may be used; otherwise "Invalid file name: ..." with the reason.
QString problem(const QString& name);
} // namespace FtpFileName
