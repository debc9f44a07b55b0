#include "core/base/ProgramFiles.h"

#include "core/base/MessageCatalog.h"

#include <filesystem>

namespace qtr {

namespace {

bool HoldsLanguageFile(const std::filesystem::path& folder)
{
    for (int language : {MessageCatalog::kEnglish, MessageCatalog::kSpanish, MessageCatalog::kChinese}) {
        std::error_code ignored;
        if (std::filesystem::is_regular_file(folder / MessageCatalog::LanguageFileName(language), ignored))
            return true;
    }
    return false;
}

} // namespace

std::string ProgramFilesFolder(const std::string& executablePath)
{
    const std::filesystem::path beside = std::filesystem::path(executablePath).parent_path();
    const std::filesystem::path shared = beside.parent_path() / "share" / "qtr31x";
    if (!HoldsLanguageFile(beside) && HoldsLanguageFile(shared))
        return shared.string();
    return beside.string();
}

} // namespace qtr
