#include "gui/program/QtSettingsStore.h"

#include "core/base/SafeSave.h"

#include <QFile>
#include <QFileInfo>

namespace qtr::gui {

namespace {

QString Spelling(const QStringList& stored, const QString& wanted)
{
    for (const QString& candidate : stored)
        if (candidate.compare(wanted, Qt::CaseInsensitive) == 0)
            return candidate;
    return wanted;
}

} // namespace

// The settings' folder is made before Qt would make it with the umask's mode.
QtSettingsStore::QtSettingsStore() : settings_(QSettings::NativeFormat, QSettings::UserScope, "HALVERN", "QTR31X")
{
    MakePrivateFolders(QFile::encodeName(QFileInfo(settings_.fileName()).absolutePath()).toStdString());
}

QString QtSettingsStore::StoredKey(const std::string& section, const std::string& name) const
{
    const QString group = Spelling(settings_.childGroups(), QString::fromStdString(section));
    settings_.beginGroup(group);
    const QString key = Spelling(settings_.childKeys(), QString::fromStdString(name));
    settings_.endGroup();
    return group + '/' + key;
}

std::optional<std::string> QtSettingsStore::ReadText(const std::string& section, const std::string& name) const
{
    const QVariant value = settings_.value(StoredKey(section, name));
    if (!value.isValid())
        return std::nullopt;
    return value.toString().toStdString();
}

void QtSettingsStore::WriteText(const std::string& section, const std::string& name, const std::string& value)
{
    settings_.setValue(StoredKey(section, name), QString::fromStdString(value));
}

} // namespace qtr::gui
