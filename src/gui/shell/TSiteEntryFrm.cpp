#include "gui/shell/TSiteEntryFrm.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TSiteEntryFrm::TSiteEntryFrm(QWidget* parent) : QDialog(parent), m_edit(new QLineEdit(this)) {
    setObjectName(QStringLiteral("TSiteEntryFrm"));
    setWindowTitle(QStringLiteral("New Site Name:"));
    m_edit->setObjectName(QStringLiteral("Edit1"));
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
    setMinimumWidth(300);
}
