#include "gui/shell/TErrorForm.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TErrorForm::TErrorForm(const QString& first, const QString& second, const QString& instruction,
                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TErrorForm"));
    setWindowTitle(QStringLiteral("ERROR"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);

    auto* line1 = new QLabel(first, this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setStyleSheet(QStringLiteral("color: maroon; font-weight: bold;"));
    auto* line2 = new QLabel(second, this);
    line2->setObjectName(QStringLiteral("Line2"));
    line2->setWordWrap(true);
    const QString shown =
        instruction.isEmpty() ? QStringLiteral("Please click OK to continue...") : instruction;
    auto* line3 = new QLabel(shown, this);
    line3->setObjectName(QStringLiteral("Line3"));
    line3->setWordWrap(true);
    line3->setAlignment(Qt::AlignRight);
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(line1);
    layout->addWidget(line2);
    layout->addWidget(line3);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setMinimumWidth(360);
}
