#include "gui/document/DataFileDialog.h"

#include "gui/widgets/CatalogText.h"
#include "core/base/SafeSave.h"
#include "core/base/messages/Document.h"
#include "core/base/messages/EmbeddedMessage.h"
#include "core/document/DataFile.h"
#include "core/document/DataFileFilter.h"
#include "gui/widgets/CatalogText.h"
#include "gui/document/SafetyFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QUrl>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

// The name of the file name field in Qt's own file dialog.
constexpr char kFileNameEditName[] = "fileNameEdit";

} // namespace

DataFileDialog::DataFileDialog(Purpose purpose, const MessageCatalog& catalog, const QFont& fixedFont,
                               const QString& folder, const QString& name, QWidget* parent)
    : QFileDialog(parent)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setDirectory(folder);
    setNameFilter(FromUtf8(DataFileFilter(catalog.MessageText(messages::document::kDataFileFilter))));
    setDefaultSuffix("dat");
    selectFile(name);
    if (purpose == Purpose::SaveAs) {
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        return;
    }
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    AddBackupFolder();
    AddPreviewPanel(catalog, fixedFont);
    connect(this, &QFileDialog::currentChanged, this, &DataFileDialog::ShowPreview);
    // A typed name, and the name the dialog completes it to, preview their file as a click does.
    if (auto* nameEdit = findChild<QLineEdit*>(kFileNameEditName))
        connect(nameEdit, &QLineEdit::textChanged, this,
                [this](const QString& name) { ShowPreview(directory().absoluteFilePath(name)); });
}

// The images kept from radios are one click away; the folder is made so that it shows.
void DataFileDialog::AddBackupFolder()
{
    MakePrivateFolders(BackupFolder());
    setSidebarUrls(sidebarUrls() << QUrl::fromLocalFile(QFile::decodeName(BackupFolder().c_str())));
}

void DataFileDialog::AddPreviewPanel(const MessageCatalog& catalog, const QFont& fixedFont)
{
    auto* panel = new QGroupBox(CatalogText(catalog, messages::embedded::kTitle, 1), this);
    panel->setObjectName("embeddedMessagePreview");
    auto* lines = new QVBoxLayout(panel);
    for (QLineEdit*& line : previewLines_) {
        line = new QLineEdit(panel);
        line->setReadOnly(true);
        line->setFont(fixedFont);
        lines->addWidget(line);
    }
    auto* grid = qobject_cast<QGridLayout*>(layout());
    grid->addWidget(panel, grid->rowCount(), 0, 1, grid->columnCount());
}

// Other files leave the panel empty rather than showing the last data file's message.
void DataFileDialog::ShowPreview(const QString& path)
{
    datafile::MessagePreview preview;
    if (QFileInfo(path).suffix().compare("dat", Qt::CaseInsensitive) == 0)
        preview = datafile::PreviewMessageOfFile(QFile::encodeName(path).toStdString());
    // One byte is one character of the radio's display.
    previewLines_[0]->setText(QString::fromLatin1(preview.first));
    previewLines_[1]->setText(QString::fromLatin1(preview.second));
}

QString DataFileDialog::PreviewLine(int line) const
{
    return previewLines_[line]->text();
}

} // namespace qtr::gui
