#pragma once

#include <QString>

// Opens a page or a file in the user's web browser; raises "Couldn't launch default browser".
void gourl(const QString& urlOrPath);
