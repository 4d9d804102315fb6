#include "gui/engines/SiteBuilderPanel.h"

#include "gui/controls/CompactLayouts.h"
#include "gui/controls/OneItemMenu.h"
#include "gui/engines/SiteEngineBinder.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

SiteBuilderPanel::SiteBuilderPanel(SiteEngineBinder& binder, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SiteBuilderPanel"));
    auto* row = CompactLayouts::row(this);
    // Keeps the buttons off the page frame at the window's edge.
    row->setContentsMargins(0, 0, 2, 2);
    row->addWidget(buildByteFormat(binder));
    row->addStretch();
    m_contribute = button(QStringLiteral("Contribute!"), "ContributeBtn");
    m_contribute->hide();
    m_new = button(QStringLiteral("New Site"), "EB_AddNewSiteBtn");
    m_save = button(QStringLiteral("Save Site"), "EB_UpdateSiteBtn");
    m_delete = button(QStringLiteral("Delete Site"), "EB_DeleteSiteBtn");
    for (QPushButton* b : {m_contribute, m_new, m_save, m_delete})
        row->addWidget(b, 0, Qt::AlignBottom);
    connect(m_contribute, &QPushButton::clicked, this, &SiteBuilderPanel::contributeRequested);
}

QGroupBox* SiteBuilderPanel::buildByteFormat(SiteEngineBinder& binder) {
    m_byteFormat = new QGroupBox(QStringLiteral("Byte Format"), this);
    m_byteFormat->setObjectName(QStringLiteral("ByteFormatGroup"));
    auto* row = CompactLayouts::row(m_byteFormat, CompactLayouts::Margin);
    const QString key = QStringLiteral("BYTE_FORMAT");
    row->addWidget(binder.choice(QStringLiteral("EB_BytesRadio"), key, 1, QStringLiteral("Bytes"),
                                 m_byteFormat));
    row->addWidget(binder.choice(QStringLiteral("EB_KBytesRadio"), key, 2, QStringLiteral("Kbytes"),
                                 m_byteFormat));
    row->addWidget(binder.choice(QStringLiteral("EB_MBytesRadio"), key, 3, QStringLiteral("Mbytes"),
                                 m_byteFormat));
    OneItemMenu::attach(m_byteFormat, QStringLiteral(" Contribute Site To Tallmark"),
                        QStringLiteral("ContributeMenu"),
                        [this](QWidget*) { Q_EMIT contributeRequested(); });
    return m_byteFormat;
}

QPushButton* SiteBuilderPanel::button(const QString& caption, const char* name) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QLatin1String(name));
    return b;
}
