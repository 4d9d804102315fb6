#include "gui/shell/TSplashForm.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

QPixmap splashPicture() {
    QPixmap picture(320, 150);
    picture.fill(QColor(0x1f, 0x3a, 0x5f));
    QPainter p(&picture);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPointSize(28);
    font.setBold(true);
    p.setFont(font);
    p.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Shipkit"));
    return picture;
}

} // namespace

TSplashForm::TSplashForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TSplashForm"));
    const QPixmap picture = splashPicture();
    resize(360, 190);
    auto* image = new QLabel(this);
    image->setPixmap(picture);
    image->setGeometry(width() / 2 - picture.width() / 2, 10, picture.width(), picture.height());
    auto* notice = new QLabel(QStringLiteral("Loading your companies and site engines..."), this);
    notice->setObjectName(QStringLiteral("NoticePanel"));
    notice->setAlignment(Qt::AlignCenter);
    notice->setFrameShape(QFrame::Panel);
    notice->setFrameShadow(QFrame::Sunken);
    notice->setGeometry(0, height() - 22, width(), 22);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QTimer::singleShot(MinimumMs, this, [this] { m_showing = false; });
}

void TSplashForm::waitForMinimum() {
    while (m_showing)
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
}
