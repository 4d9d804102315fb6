#include "gui/shell/TAboutBox.h"

#include "gui/controls/CompactLayouts.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("About Shipkit"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = CompactLayouts::column(this, 10);
    auto* top = CompactLayouts::row();
    top->setSpacing(12);
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(picture(64));
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(buildTexts(), 1);
    layout->addLayout(top);
    layout->addWidget(buildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TAboutBox::buildTexts() {
    auto* box = new QWidget(this);
    auto* column = CompactLayouts::column(box, 0);
    auto* name = new QLabel(QStringLiteral("Shipkit(tm)"), box);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    name->setFont(bold);
    QPalette navy = name->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    name->setPalette(navy);
    auto* version = new QLabel(QStringLiteral("Version 2.04"), box);
    version->setObjectName(QStringLiteral("Version"));
    auto* notice = new QLabel(
        QStringLiteral("Sends your programs' details to many download sites in one run."), box);
    notice->setObjectName(QStringLiteral("Comments"));
    notice->setWordWrap(true);
    column->addWidget(name);
    column->addWidget(version);
    column->addSpacing(6);
    column->addWidget(notice);
    column->addStretch();
    box->setMinimumWidth(260);
    return box;
}

QWidget* TAboutBox::buildButtons() {
    auto* box = new QWidget(this);
    auto* row = CompactLayouts::row(box);
    auto* close = new QPushButton(QStringLiteral("Close About"), box);
    close->setObjectName(QStringLiteral("CloseAboutBtn"));
    close->setDefault(true);
    auto* web = new QPushButton(QStringLiteral("Tallmark Web"), box);
    web->setObjectName(QStringLiteral("TallmarkWebBtn"));
    web->setAutoDefault(false);
    auto* checker = new QPushButton(QStringLiteral("&D"), box);
    checker->setObjectName(QStringLiteral("EngineCheckBtn"));
    checker->setAutoDefault(false);
    checker->setToolTip(QStringLiteral("Check the site engines"));
    checker->setFixedWidth(checker->sizeHint().height() + 8);
    row->addWidget(checker);
    row->addStretch();
    row->addWidget(web);
    row->addWidget(close);
    // Escape reaches reject(), which closes just as "Close About" does.
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(web, &QPushButton::clicked, this, &TAboutBox::makerPageRequested);
    connect(checker, &QPushButton::clicked, this, [this] {
        m_checkerRequested = true;
        accept();
    });
    return box;
}

// A parcel with a forward arrow: the program ships software out.
QPixmap TAboutBox::picture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    const QPolygonF front({{8, 24}, {36, 24}, {36, 56}, {8, 56}});
    const QPolygonF top({{8, 24}, {20, 12}, {48, 12}, {36, 24}});
    const QPolygonF side({{36, 24}, {48, 12}, {48, 44}, {36, 56}});
    p.setPen(QPen(QColor(90, 60, 20), 1.5));
    p.setBrush(QColor(214, 170, 100));
    p.drawPolygon(front);
    p.setBrush(QColor(234, 196, 130));
    p.drawPolygon(top);
    p.setBrush(QColor(184, 140, 76));
    p.drawPolygon(side);
    p.setPen(QPen(QColor(160, 40, 30), 3));
    p.drawLine(QPointF(14, 18), QPointF(42, 18)); // the tape across the lid
    p.drawLine(QPointF(22, 24), QPointF(22, 56));
    QPainterPath arrow;
    arrow.moveTo(40, 50);
    arrow.lineTo(52, 50);
    arrow.lineTo(52, 44);
    arrow.lineTo(62, 54);
    arrow.lineTo(52, 64);
    arrow.lineTo(52, 58);
    arrow.lineTo(40, 58);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 128), 1));
    p.setBrush(QColor(40, 90, 200));
    p.drawPath(arrow);
    return pixmap;
}
