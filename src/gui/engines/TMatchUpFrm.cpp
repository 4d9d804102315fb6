#include "gui/engines/TMatchUpFrm.h"

#include "base/BusyCursor.h"
#include "commands/SiteBuilderCommands.h"
#include "engines/MatchUp.h"
#include "engines/TEngBuild.h"
#include "gui/controls/CompactLayouts.h"
#include "records/TIniFile.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TMatchUpFrm::TMatchUpFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TMatchUpFrm"));
    setWindowTitle(QStringLiteral("Field Translations"));
    m_edits.resize(MatchUp::entries().size(), nullptr);
    auto* layout = CompactLayouts::column(this, 8);
    auto* columns = CompactLayouts::grid(nullptr, 0);
    columns->setHorizontalSpacing(8);
    columns->addWidget(buildGroup(QStringLiteral("Platform"), 0), 0, 0);
    columns->addWidget(buildGroup(QStringLiteral("Submitted By"), 1), 1, 0);
    columns->addWidget(buildGroup(QStringLiteral("Status"), 2), 0, 1);
    columns->addWidget(buildGroup(QStringLiteral("Install Support"), 3), 1, 1);
    layout->addLayout(columns);
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setFixedSize(sizeHint());
}

QWidget* TMatchUpFrm::buildGroup(const QString& title, int group) {
    auto* box = new QGroupBox(title, this);
    auto* form = CompactLayouts::form(box);
    const auto& entries = MatchUp::entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].group != group)
            continue;
        auto* edit = new QLineEdit(entries[i].fixedText, box);
        edit->setObjectName(entries[i].control);
        // A longer value would be cut when the settings file is read back.
        edit->setMaxLength(TIniFile::MaxValueLength);
        edit->setMinimumWidth(150);
        form->addRow(entries[i].fixedText, edit);
        m_edits[i] = edit;
    }
    return box;
}

void TMatchUpFrm::setValues(const std::vector<QString>& values) {
    for (size_t i = 0; i < m_edits.size() && i < values.size(); ++i)
        m_edits[i]->setText(values[i]);
}

std::vector<QString> TMatchUpFrm::values() const {
    std::vector<QString> texts;
    for (const QLineEdit* edit : m_edits)
        texts.push_back(edit->text());
    return texts;
}

TMatchUpFrm* TMatchUpFrm::showFor(Session& session, SiteBuilderCommands& commands,
                                  QWidget* parent) {
    TMatchUpFrm* dialog = nullptr;
    {
        BusyCursor busy(session.prompter());
        dialog = new TMatchUpFrm(parent);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setValues(MatchUp::openingValues(session.gwide().engBuild()->current()));
    }
    // Ok, the close box and Escape all keep what the boxes hold: the dialog has no cancel.
    connect(dialog, &QDialog::finished, dialog,
            [dialog, &commands] { commands.storeMatchUp(dialog->values()); });
    dialog->open();
    return dialog;
}
