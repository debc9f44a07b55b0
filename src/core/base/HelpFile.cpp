#include "core/base/HelpFile.h"

#include <filesystem>

namespace qtr {

namespace {

constexpr char kEnglishLetter = 'e';
constexpr char kParlaneSuffix[] = "BRS";
constexpr char kLmrSuffix[] = "LMR";

char LetterOf(int language, char chineseLetter)
{
    switch (language) {
    case 2:
        return 's';
    case 3:
        return chineseLetter;
    default:
        return kEnglishLetter;
    }
}

} // namespace

HelpFile::HelpFile(const std::string& executablePath, char languageLetter, std::uint8_t lineLetter)
    : stem_(std::filesystem::path(executablePath).replace_extension().string())
    , languageLetter_(languageLetter)
    , lineSuffix_(lineLetter == 'L' ? kLmrSuffix : kParlaneSuffix)
{
}

char HelpFile::StartLetter(int language)
{
    return LetterOf(language, 'c');
}

char HelpFile::ModelChangeLetter(int language)
{
    return LetterOf(language, kEnglishLetter);
}

void HelpFile::ApplyLanguage(int language)
{
    languageLetter_ = StartLetter(language);
}

bool HelpFile::AfterModelChange(int language, std::uint8_t lineLetter)
{
    languageLetter_ = ModelChangeLetter(language);
    if (language == 2)
        return false;
    if (lineLetter == 'B')
        lineSuffix_ = kParlaneSuffix;
    else if (lineLetter == 'L')
        lineSuffix_ = kLmrSuffix;
    return true;
}

void HelpFile::SetLineSuffix(std::uint8_t lineLetter)
{
    lineSuffix_ = lineLetter == 'B' ? kParlaneSuffix : kLmrSuffix;
}

std::string HelpFile::Name() const
{
    return stem_ + '_' + languageLetter_ + '_' + lineSuffix_;
}

std::string HelpFile::Path() const
{
    return Name() + ".chm";
}

std::string HelpFile::PageFolder() const
{
    return Name() + '/';
}

std::string HelpFile::TopicPage(int topic) const
{
    return PageFolder() + std::to_string(topic) + ".html";
}

std::string HelpFile::DefaultPage() const
{
    return PageFolder() + "index.html";
}

std::optional<HelpFile> HelpFile::WithPages() const
{
    HelpFile english = *this;
    english.languageLetter_ = kEnglishLetter;
    for (const HelpFile& candidate : {*this, english}) {
        std::error_code ignored;
        if (std::filesystem::is_directory(candidate.PageFolder(), ignored))
            return candidate;
    }
    return std::nullopt;
}

} // namespace qtr
