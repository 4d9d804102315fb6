#include "gui/submit/LogPrinter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

bool LogPrinter::print(QPrinter& printer, const QStringList& lines) const {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The font is measured on the printer, so a point size means the same on paper as on screen.
    const QFont font(m_font, &printer);
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    int y = 0;
    for (const QString& line : lines) {
        if (y > 0 && y + metrics.height() > page.height()) {
            printer.newPage();
            y = 0;
        }
        painter.drawText(0, y + metrics.ascent(), line);
        y += metrics.lineSpacing();
    }
    return painter.end();
}
