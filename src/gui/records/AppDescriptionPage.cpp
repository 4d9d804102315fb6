#include "gui/records/AppDescriptionPage.h"

#include "gui/controls/CompactLayouts.h"
#include "gui/controls/KeyFilter.h"
#include "gui/records/AppCommandButtons.h"
#include "gui/records/AppFieldBinder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

AppDescriptionPage::AppDescriptionPage(ApplicationCommands& commands, AppFieldBinder& binder,
                                       QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("DescriptionSheet"));
    setProperty("helpContext", 1003);
    auto* layout = CompactLayouts::column(this);
    auto* form = CompactLayouts::form();
    form->setContentsMargins(0, 0, 0, 0);
    QLineEdit* shortdesc = binder.edit(QStringLiteral("SHORTDESC"), this, 46);
    KeyFilter::refuseDollar(shortdesc);
    form->addRow(QStringLiteral("Short Description:"), shortdesc);
    form->addRow(QStringLiteral("Special Requirements:"),
                 binder.edit(QStringLiteral("SPECREQ"), this));
    layout->addLayout(form);

    QPlainTextEdit* longdesc = binder.memo(AppFieldBinder::Memo::LongDescription, this);
    auto* longCaption = new QLabel(QStringLiteral("Long Description"), this);
    longCaption->setBuddy(longdesc);
    layout->addWidget(longCaption);
    layout->addWidget(longdesc, 3);

    QPlainTextEdit* notes = binder.memo(AppFieldBinder::Memo::Notes, this);
    auto* notesCaption = new QLabel(
        QStringLiteral(
            "Notes to reviewer if applicable.  (Reg code offer, Version Update Changes, etc.)"),
        this);
    notesCaption->setBuddy(notes);
    layout->addWidget(notesCaption);
    layout->addWidget(notes, 2);
    layout->addWidget(new AppCommandButtons(commands, 3, this));
}
