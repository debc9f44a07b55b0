#include "gui/document/DefaultDataFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace qtr::gui {

std::string DefaultDataFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFile::encodeName(QDir(documents).filePath("QTR-31X")).toStdString();
}

} // namespace qtr::gui
