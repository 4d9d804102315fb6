#include "gui/shell/Browser.h"

#include "base/ShipkitError.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void gourl(const QString& urlOrPath) {
    const QUrl url = QFileInfo::exists(urlOrPath) ? QUrl::fromLocalFile(urlOrPath)
                                                  : QUrl::fromUserInput(urlOrPath);
    if (!QDesktopServices::openUrl(url))
        throw ShipkitError(QStringLiteral("Couldn't launch default browser"));
}
