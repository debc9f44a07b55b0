#include "core/app/BackupFiles.h"

#include "core/document/DataFile.h"
#include "core/link/RadioInformation.h"
#include "core/model/IdentityFields.h"

#include <cctype>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace qtr::backup {

namespace {

namespace fs = std::filesystem;

// Up to -999 a name is tried; beyond that the folder is surely not being kept tidy.
constexpr int kLastCount = 999;

std::string NamePart(const std::string& text)
{
    std::string part;
    for (const char c : text) {
        const bool kept = std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-';
        if (kept)
            part += c;
        else if (!part.empty() && part.back() != '_')
            part += '_';
    }
    while (!part.empty() && part.back() == '_')
        part.pop_back();
    return part;
}

std::string NameWithCount(const std::string& base, int count)
{
    return base + (count == 1 ? "" : "-" + std::to_string(count)) + ".dat";
}

} // namespace

std::string SerialPart(const std::optional<RadioSerial>& serial)
{
    if (!serial)
        return "unknown";
    const std::string part = NamePart(RadioInformation(RadioIdentity{}, *serial, RadioVersion{}).SerialNumberText());
    return part.empty() ? "unknown" : part;
}

std::string BaseName(const ImageBytes& image, const std::optional<RadioSerial>& serial, const std::tm& time)
{
    const auto code = image.begin() + identity::kModelCode.offset;
    std::string model = NamePart(std::string(code, code + identity::kModelCode.length));
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &time);
    return (model.empty() ? "unknown" : model) + "-" + SerialPart(serial) + "-" + stamp;
}

// Written in full under a temporary name first; the hard link then fails rather than
// replace a file that appeared meanwhile.
Kept Keep(const std::string& folder, const ImageBytes& image, const std::optional<RadioSerial>& serial,
          const std::tm& time)
{
    const std::string base = BaseName(image, serial, time);
    Kept kept{(fs::path(folder) / NameWithCount(base, 1)).string(), std::nullopt};
    if (auto failure = MakePrivateFolders(folder)) {
        kept.failure = std::move(failure);
        return kept;
    }
    const std::string temporary = (fs::path(folder) / (".backup-" + std::to_string(::getpid()) + ".tmp")).string();
    if (auto failure = datafile::Write(temporary, image, datafile::MagicFor(image), FileAccess::Private)) {
        kept.failure = std::move(failure);
        return kept;
    }
    std::error_code error;
    for (int count = 1; count <= kLastCount; ++count) {
        const std::string path = (fs::path(folder) / NameWithCount(base, count)).string();
        fs::create_hard_link(temporary, path, error);
        if (!error) {
            kept.path = path;
            break;
        }
        if (error != std::errc::file_exists) {
            kept.failure = error.message();
            break;
        }
    }
    if (error == std::errc::file_exists)
        kept.failure = std::make_error_code(std::errc::file_exists).message();
    fs::remove(temporary, error);
    return kept;
}

} // namespace qtr::backup
