#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qtr {

// The help file beside the program: the executable's name followed by the language
// letter and the line suffix, e.g. "/opt/q/qtr31x_e_LMR.chm" for "/opt/q/qtr31x".
// Off Windows the pages of "X_e_LMR.chm" are the HTML files in the folder "X_e_LMR/".
class HelpFile {
public:
    HelpFile() = default;
    HelpFile(const std::string& executablePath, char languageLetter, std::uint8_t lineLetter);

    // Letter of a language at start-up and after Language File Setup: 'e', 's' or 'c'.
    static char StartLetter(int language);
    // Letter after a model change: Chinese has no help of its own for a model, so 'e'.
    static char ModelChangeLetter(int language);

    // Language File Setup; the caller closes every open help window first.
    void ApplyLanguage(int language);
    // After a model change or a read from the radio. Returns true when the open help
    // windows must close.
    bool AfterModelChange(int language, std::uint8_t lineLetter);
    // After Open: only the line suffix follows the line letter.
    void SetLineSuffix(std::uint8_t lineLetter);

    std::string Path() const;
    char LanguageLetter() const { return languageLetter_; }
    // Folder of the HTML pages, with a trailing '/'.
    std::string PageFolder() const;
    std::string TopicPage(int topic) const;
    std::string DefaultPage() const;
    // The help whose pages answer a request: this one when its folder exists, otherwise
    // the English pages of the same line, for a language that has no help of its own;
    // nothing when neither folder exists.
    std::optional<HelpFile> WithPages() const;

private:
    std::string Name() const; // the path without ".chm"

    std::string stem_; // the executable path without its extension
    char languageLetter_ = 'e';
    std::string lineSuffix_ = "LMR";
};

} // namespace qtr
