#include "gui/document/QtFilePicker.h"

#include "gui/widgets/CatalogText.h"
#include "gui/widgets/FixedPitchFont.h"
#include "core/base/messages/Print.h"

#include <QApplication>
#include <QFileDialog>

namespace qtr::gui {

namespace {

QString CsvFilter()
{
    return QStringLiteral("CSV (*.csv);;* (*)");
}

} // namespace

QtFilePicker::QtFilePicker() : catalog_(&EmptyCatalog()) {}

std::optional<std::string> QtFilePicker::ChooseOpenPath(const std::string& folder)
{
    return Choose(DataFileDialog::Purpose::Open, folder, "*.dat");
}

std::optional<std::string> QtFilePicker::ChooseSavePath(const std::string& folder, const std::string& name)
{
    return Choose(DataFileDialog::Purpose::SaveAs, folder, name);
}

std::optional<std::string> QtFilePicker::ChooseChannelListPath(bool save, const std::string& folder)
{
    const QString start = QFile::decodeName(folder.c_str());
    const QString filter = CsvFilter();
    const QString chosen = save ? QFileDialog::getSaveFileName(QApplication::activeWindow(), {}, start, filter)
                                : QFileDialog::getOpenFileName(QApplication::activeWindow(), {}, start, filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return QFile::encodeName(chosen).toStdString();
}

std::optional<std::string> QtFilePicker::ChooseLogPath(const std::string& folder, const std::string& name)
{
    const QString start = QFile::decodeName((folder + "/" + name).c_str());
    const QString chosen = QFileDialog::getSaveFileName(QApplication::activeWindow(), {}, start,
                                                        CsvFilter(), nullptr,
                                                        QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty())
        return std::nullopt;
    return QFile::encodeName(chosen).toStdString();
}

std::optional<std::string> QtFilePicker::ChooseExportPath(const std::string& folder, const std::string& name,
                                                        const std::string& extension)
{
    QFileDialog dialog(QApplication::activeWindow(), QString(), QFile::decodeName(folder.c_str()),
                       CatalogText(*catalog_, messages::print::kPdfFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromStdString(extension));
    dialog.selectFile(QString::fromUtf8(name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

std::optional<std::string> QtFilePicker::Choose(DataFileDialog::Purpose purpose, const std::string& folder,
                                                const std::string& name)
{
    DataFileDialog dialog(purpose, *catalog_, FixedPitchFont(), QFile::decodeName(folder.c_str()),
                          QString::fromUtf8(name), QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

} // namespace qtr::gui
