#include "gui/document/SafetyFolders.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace qtr::gui {

std::string ProgramDataFolder()
{
    return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).toStdString();
}

std::string BackupFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QFile::encodeName(QDir(data).filePath("backups")).toStdString();
}

} // namespace qtr::gui
