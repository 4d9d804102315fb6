#include "gui/records/AppLocationsPage.h"

#include "gui/controls/CompactLayouts.h"
#include "gui/controls/KeyFilter.h"
#include "gui/records/AppCommandButtons.h"
#include "gui/records/AppFieldBinder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

struct Browse {
    const char* button;
    const char* key;
    const char* filter;
    const char* suffix;
    const char* title;
};

// File systems that tell letter case apart must still find "setup.exe" under "*.EXE".
const Browse kBrowse[] = {
    {"LocalPathbrowsebtn", "PATH", "Programs (*.ZIP *.EXE *.zip *.exe)", "EXE",
     "Select your program"},
    {"IciFileBrowse", "ICOPATH", "Icons (*.ICO *.ico)", "ICO", "Select Icon File"},
    {"GifFileBrowse", "GIFPATH", "Gifs (*.GIF *.gif)", "GIF", "Select Gif File"},
    {"ScreenShotBrowse", "SCREENPATH", "ScreenShots (*)", "", "Select File"},
    {"OtherFileBrowse", "OTHERPATH", "Files (*)", "", "Select File"}};

enum BrowseIndex { ArchiveBrowse, IcoBrowse, GifBrowse, ShotBrowse, OtherBrowse };

} // namespace

AppLocationsPage::AppLocationsPage(ApplicationCommands& commands, AppFieldBinder& binder,
                                   QWidget* parent)
    : QWidget(parent), m_binder(binder) {
    setObjectName(QStringLiteral("LocationsSheet"));
    setProperty("helpContext", 1002);
    auto* layout = CompactLayouts::column(this);
    layout->addLayout(buildAddresses());
    auto* downloads = CompactLayouts::row();
    downloads->addWidget(buildDownloads(QStringLiteral("32 Bit Download Locations:"), "_32"));
    downloads->addWidget(buildDownloads(QStringLiteral("16 Bit Download Locations:"), "_16"));
    layout->addLayout(downloads);
    layout->addWidget(buildAttachments());
    layout->addStretch();
    layout->addWidget(new AppCommandButtons(commands, 2, this));
}

QLineEdit* AppLocationsPage::spaceless(const char* key) {
    QLineEdit* field = m_binder.edit(QLatin1String(key), this);
    KeyFilter::refuseSpace(field);
    return field;
}

QLayout* AppLocationsPage::buildAddresses() {
    auto* grid = CompactLayouts::grid(nullptr, 0);
    const auto add = [&](int row, int column, const QString& caption, const char* key) {
        grid->addWidget(new QLabel(caption, this), row, column);
        grid->addWidget(spaceless(key), row, column + 1);
    };
    add(0, 0, QStringLiteral("Application Info URL"), "APPURL");
    add(0, 3, QStringLiteral("URL Location of ScreenShot"), "SHOT");
    add(1, 0, QStringLiteral("URL Location of .GIF Icon"), "GIF");
    add(1, 3, QStringLiteral("URL Location of .ICO Icon"), "ICO");
    grid->addWidget(new QLabel(QStringLiteral("Full Local Path to File Archive"), this), 2, 0);
    m_targets[ArchiveBrowse] = m_binder.edit(QStringLiteral("PATH"), this);
    auto* archive = CompactLayouts::row();
    archive->addWidget(m_targets[ArchiveBrowse]);
    archive->addWidget(browseButton(ArchiveBrowse, this));
    grid->addLayout(archive, 2, 1, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    grid->setColumnMinimumWidth(2, CompactLayouts::Margin);
    return grid;
}

QWidget* AppLocationsPage::buildDownloads(const QString& title, const char* suffix) {
    auto* box = new QGroupBox(title, this);
    auto* form = CompactLayouts::form(box);
    for (int n = 1; n <= 4; ++n) {
        const QByteArray key = "DL" + QByteArray::number(n) + suffix;
        form->addRow(QStringLiteral("URL#%1:").arg(n), spaceless(key.constData()));
    }
    return box;
}

QWidget* AppLocationsPage::buildAttachments() {
    auto* box = new QGroupBox(QStringLiteral("Local Paths to E-Mail Attachments:"), this);
    auto* grid = CompactLayouts::grid(box);
    addAttachment(grid, 0, 0, QStringLiteral(".Ico Icon:"), IcoBrowse);
    addAttachment(grid, 0, 3, QStringLiteral("Gif Icon:"), GifBrowse);
    addAttachment(grid, 1, 0, QStringLiteral("Screen Shot:"), ShotBrowse);
    addAttachment(grid, 1, 3, QStringLiteral("Other File:"), OtherBrowse);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    return box;
}

// Caption, field and its browse button in three cells of the attachments grid.
void AppLocationsPage::addAttachment(QGridLayout* grid, int row, int column, const QString& caption,
                                     int index) {
    QWidget* box = grid->parentWidget();
    m_targets[index] = m_binder.edit(QLatin1String(kBrowse[index].key), box);
    grid->addWidget(new QLabel(caption, box), row, column);
    grid->addWidget(m_targets[index], row, column + 1);
    grid->addWidget(browseButton(index, box), row, column + 2);
}

QWidget* AppLocationsPage::browseButton(int index, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(kBrowse[index].button));
    button->setText(QStringLiteral("..."));
    button->setToolTip(QLatin1String(kBrowse[index].title));
    connect(button, &QToolButton::clicked, this, [this, index] { browse(index); });
    return button;
}

void AppLocationsPage::browse(int index) {
    const Browse& b = kBrowse[index];
    QLineEdit* field = m_targets[index];
    // Start where the field's file is, else where the last choice was made.
    const QFileInfo current(field->text());
    const QString start = !field->text().isEmpty() && current.absoluteDir().exists()
                              ? current.absolutePath()
                              : m_lastFolder;
    const QString chosen = m_chooser(
        this, {QLatin1String(b.title), QLatin1String(b.filter), QLatin1String(b.suffix), start});
    if (chosen.isEmpty())
        return;
    m_lastFolder = QFileInfo(chosen).absolutePath();
    field->setText(chosen);
}

QString AppLocationsPage::askOpenFile(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent, request.title, request.startPath, request.filter);
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
