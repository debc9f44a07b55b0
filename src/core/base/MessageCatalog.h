#pragma once

#include <string>
#include <utility>
#include <vector>

namespace qtr {

// Every user-visible text, fetched by a seven-digit message identifier from the
// language file that lies beside the program.
class MessageCatalog {
public:
    enum LoadResult { kLoaded = 0, kCannotOpen = 1, kDamaged = 2 };
    enum Language { kEnglish = 1, kSpanish = 2, kChinese = 3 };

    // The identifiers the program uses; LoadLanguage must find every one of them.
    static std::vector<int> RequiredMessages();
    // The required list and the program's own texts beyond it (3900000 to 3999999):
    // what the program loads.
    static std::vector<int> ProgramMessages();
    // File name of a language (language 1 to 3), without folder, e.g. "qtr31x_e.lng".
    static std::string LanguageFileName(int language);

    void SetFolder(const std::string& programFolder);
    const std::string& Folder() const { return folder_; }

    // Loads `ids` (sorted in place) from the file of `language` in the program folder.
    int LoadLanguage(std::vector<int>& ids, int language);
    // The same from a file at an explicit path (used by the loader and its tests).
    int LoadFile(std::vector<int>& ids, const std::string& path);
    // The same from the contents of a language file already in memory.
    int LoadText(std::vector<int>& ids, const std::string& contents);

    // Mode 0: the stored text; mode 1: the text without '&', at most 255 bytes, never
    // ending inside a UTF-8 sequence. An identifier not loaded gives the empty text.
    std::string MessageText(int id, int mode = 0) const;
    bool Has(int id) const;
    std::size_t Count() const { return entries_.size(); }

private:
    // A missing file is passed as no contents; a failed load keeps the previous texts.
    int Load(std::vector<int>& ids, const std::string* contents);
    const std::string* Find(int id) const;

    std::string folder_;
    std::vector<std::pair<int, std::string>> entries_; // sorted by identifier
};

} // namespace qtr
