#include "gui/records/AppCommandButtons.h"

#include "commands/ApplicationCommands.h"
#include "gui/controls/CompactLayouts.h"

#include <QPushButton>

AppCommandButtons::AppCommandButtons(ApplicationCommands& commands, int number, QWidget* parent)
    : QWidget(parent) {
    auto* layout = CompactLayouts::row(this);
    layout->addStretch();
    QPushButton* newBtn = add("NewAppBtn", QStringLiteral("New Application"), number);
    QPushButton* deleteBtn = add("DeleteAppBtn", QStringLiteral("Delete Application"), number);
    QPushButton* saveBtn = add("SaveAppBtn", QStringLiteral("Save Application"), number);
    for (QPushButton* b : {newBtn, deleteBtn, saveBtn})
        layout->addWidget(b);
    connect(newBtn, &QPushButton::clicked, this, [&commands] { commands.NewAppBtnClick(); });
    connect(deleteBtn, &QPushButton::clicked, this, [&commands] { commands.DeleteAppBtnClick(); });
    connect(saveBtn, &QPushButton::clicked, this, [&commands] { commands.SaveAppBtnClick(); });
}

QPushButton* AppCommandButtons::add(const char* name, const QString& caption, int number) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name) + QString::number(number));
    button->setAutoDefault(false);
    return button;
}
