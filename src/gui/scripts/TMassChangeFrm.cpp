#include "gui/scripts/TMassChangeFrm.h"

#include "scripts/MassChange.h"
#include "scripts/ScriptVariables.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TMassChangeFrm::TMassChangeFrm(QWidget* parent)
    : QDialog(parent), m_from(new QComboBox(this)), m_to(new QComboBox(this)),
      m_replace(new QPushButton(QStringLiteral("Replace"), this)),
      m_cancel(new QPushButton(QStringLiteral("Cancel"), this)),
      m_panel(new QLabel(QStringLiteral("Replacing. Please Wait..."), this)) {
    setObjectName(QStringLiteral("MassChangeFrm"));
    setWindowTitle(QStringLiteral("Mass Change In All Scripts"));
    setModal(true);
    m_from->setObjectName(QStringLiteral("ComboFrom"));
    m_to->setObjectName(QStringLiteral("ComboTo"));
    m_replace->setObjectName(QStringLiteral("ReplaceBtn"));
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    m_panel->setObjectName(QStringLiteral("WaitPanel"));
    m_panel->setAlignment(Qt::AlignCenter);
    m_panel->setFrameShape(QFrame::Panel);
    m_panel->hide();
    m_from->setEditable(true);
    m_from->setInsertPolicy(QComboBox::NoInsert);
    m_from->addItems(ScriptVariables::delimitedNames());
    m_to->addItems(ScriptVariables::delimitedNames());
    // Typed keys would pick another entry by its first letters; To is chosen, not typed.
    m_to->installEventFilter(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Change Any Vars Found of:"), this), 0, 0);
    grid->addWidget(m_from, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("To:"), this), 1, 0);
    grid->addWidget(m_to, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_replace);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_panel);
    layout->addLayout(buttons);
    connect(m_replace, &QPushButton::clicked, this, &TMassChangeFrm::ReplaceBtnClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TMassChangeFrm::fromText() const {
    return m_from->currentText();
}

QString TMassChangeFrm::toText() const {
    return m_to->currentText();
}

void TMassChangeFrm::ReplaceBtnClick() {
    m_confirmed = MassChange::confirmed(fromText(), toText());
    m_replace->setEnabled(false);
    m_cancel->setEnabled(false);
    if (m_confirmed && onReplace) {
        m_panel->show();
        m_panel->repaint();
        onReplace(fromText(), toText());
    }
    done(m_confirmed ? QDialog::Accepted : QDialog::Rejected);
}

bool TMassChangeFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_to && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && key->text().at(0).isPrint())
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
