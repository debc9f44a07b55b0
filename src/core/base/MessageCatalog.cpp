#include "core/base/MessageCatalog.h"

#include "core/base/RegularFile.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

namespace qtr {

namespace {

struct IdRange {
    int first;
    int last;
    int step;
};

// Every identifier the program asks the catalogue for, as runs of numbers.
constexpr IdRange kRequiredRanges[] = {
    {1001001, 1001039, 2}, {1001045, 1001049, 2}, {1001050, 1001050, 1}, {1001051, 1001077, 2},
    {1004001, 1004011, 2}, {1005001, 1005001, 1}, {1005003, 1005005, 1}, {1005007, 1005009, 1},
    {1005011, 1005013, 1}, {1005015, 1005021, 2}, {3001001, 3001001, 1}, {3001003, 3001003, 1},
    {3002001, 3002027, 2}, {3002031, 3002031, 1}, {3002035, 3002059, 2}, {3002101, 3002123, 2},
    {3003001, 3003005, 2}, {3003009, 3003015, 2}, {3003021, 3003021, 1}, {3003025, 3003025, 1},
    {3003031, 3003043, 2}, {3003047, 3003055, 2}, {3003059, 3003060, 1}, {3004001, 3004035, 2},
    {3005017, 3005035, 2}, {3005036, 3005036, 1}, {3005043, 3005059, 2}, {3006001, 3006001, 1},
    {3006013, 3006013, 1}, {3006017, 3006017, 1}, {3007001, 3007001, 1}, {3007003, 3007005, 1},
    {3007007, 3007011, 2}, {3007012, 3007012, 1}, {3007015, 3007017, 2}, {3007025, 3007033, 2},
    {3007053, 3007057, 2}, {3008001, 3008007, 2}, {3009001, 3009003, 2}, {3009011, 3009011, 1},
    {3009025, 3009027, 2}, {3010001, 3010003, 2}, {3010007, 3010019, 2}, {3010027, 3010031, 2},
    {3010035, 3010055, 2}, {3010059, 3010061, 2}, {3010067, 3010077, 2}, {3010081, 3010087, 2},
    {3010159, 3010177, 2}, {3010181, 3010183, 2}, {3012001, 3012017, 2}, {3012021, 3012061, 2},
    {3013001, 3013047, 2}, {3014001, 3014005, 2}, {3015001, 3015005, 2}, {3015009, 3015041, 2},
    {3016001, 3016007, 2}, {3017027, 3017027, 1}, {3018001, 3018017, 2}, {3018021, 3018023, 1},
    {3019001, 3019001, 1}, {3310001, 3310031, 2}, {3320017, 3320019, 2}, {3370001, 3370005, 2},
    {3380001, 3380051, 2}, {3390013, 3390043, 2}, {3400001, 3400007, 2}, {3420001, 3420033, 2},
    {3420040, 3420066, 2}, {3420067, 3420067, 1}, {3420068, 3420076, 2}, {3420080, 3420200, 2},
    {3420222, 3420226, 2},
};

// Texts of the program's own range, for what the required list has no message for.
constexpr IdRange kOwnRanges[] = {
    {3900101, 3900115, 1}, // radio link: port problems, demo radio, transfer guidance and steps
    {3900200, 3900205, 1}, // buttons with access keys, help window, labels and the date
    {3900400, 3900405, 1}, // damaged data files
    {3900550, 3900550, 1}, // embedded message: the characters the radio accepts
    {3900600, 3900600, 1}, // test mode: the item column of the adjustment values
    {3900700, 3900704, 1}, // printing: Export PDF, failed and cancelled print jobs, the PDF filter
    {3900750, 3900758, 1}, // verified writes, backups, recovery and their Setup options
    {3900760, 3900761, 1}, // work restored after a crash: the question before it is let go
    {3900800, 3900812, 1}, // undo and redo, channel lists in CSV, comparing files
    {3900820, 3900839, 1}, // what is wrong with a channel list file
    {3900860, 3900870, 1}, // channel list import reports, files that are no files, status bar reports
    {3900900, 3900902, 1}, // call tones without a sound output, the two models of a mismatch, help title
    {3900950, 3900978, 1}, // programming a fleet: refusals, failures, ports and plans
    {3902001, 3902028, 1}, // the Fleet Programming window and its ports' states
    {3902030, 3902049, 1}, // the fleet log's columns and results, the fleet run's summary and state
};

void AppendRanges(std::vector<int>& ids, std::span<const IdRange> ranges)
{
    for (const IdRange& range : ranges) {
        for (int id = range.first; id <= range.last; id += range.step)
            ids.push_back(id);
    }
}

// The leading digit of a seven-digit identifier names its group.
constexpr int kGroupDivisor = 1000000;
// Plain texts fill fixed-size controls and buffers of the window side.
constexpr std::size_t kPlainTextLimit = 255;
constexpr std::size_t kMarkerDigits = 9;

int GroupOf(int id)
{
    return id / kGroupDivisor;
}

// Only the two groups the program uses live in the language file.
bool GroupHasFile(int group)
{
    return group == 1 || group == 3;
}

// A language file is some tens of kilobytes; anything near this bound is not one.
constexpr std::size_t kLanguageFileLimit = 4 * 1024 * 1024;

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    FileContents file = ReadRegularFile(path, kLanguageFileLimit);
    if (file.fault != FileFault::None)
        return std::nullopt;
    return std::move(file.bytes);
}

// Takes the next line off `rest`; a line ends at LF, and a CR before the LF is dropped.
bool NextLine(std::string_view& rest, std::string_view& line)
{
    if (rest.empty())
        return false;
    const std::size_t end = rest.find('\n');
    line = rest.substr(0, end);
    if (end == std::string_view::npos) {
        rest = {};
        return true;
    }
    rest.remove_prefix(end + 1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return true;
}

std::string MarkerOf(int id)
{
    const std::string digits = std::to_string(id);
    return "^#" + std::string(kMarkerDigits - std::min(kMarkerDigits, digits.size()), '0') + digits;
}

// \n and \t stand for line feed and tab; a backslash before any other character stays
// and swallows that character; a backslash ending the line stays.
std::string Unescape(std::string_view line)
{
    std::string text;
    text.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\' || i + 1 == line.size()) {
            text += line[i];
            continue;
        }
        ++i;
        text += line[i] == 'n' ? '\n' : line[i] == 't' ? '\t' : '\\';
    }
    return text;
}

// Reads forward to the marker line, then takes the line after it as the text.
bool FindText(std::string_view& rest, const std::string& marker, std::string_view& text)
{
    std::string_view line;
    while (NextLine(rest, line)) {
        if (line.starts_with(marker))
            return NextLine(rest, text);
    }
    return false;
}

// One group in one pass from the start of the file, so its identifiers must come in
// ascending order while groups may be interleaved.
bool LoadGroup(std::span<const int> ids, std::string_view contents, std::vector<std::pair<int, std::string>>& entries)
{
    std::string_view rest = contents;
    std::string_view text;
    for (const int id : ids) {
        if (!FindText(rest, MarkerOf(id), text))
            return false;
        entries.emplace_back(id, Unescape(text));
    }
    return true;
}

bool IsUtf8Continuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Moves a cut back to the start of a UTF-8 sequence it would split (at most three bytes).
std::size_t Utf8CutPoint(std::string_view text, std::size_t limit)
{
    std::size_t cut = limit;
    for (int back = 0; back < 3 && cut > 0 && IsUtf8Continuation(text[cut]); ++back)
        --cut;
    return cut;
}

std::string PlainText(std::string_view text)
{
    std::string plain;
    std::ranges::copy_if(text, std::back_inserter(plain), [](char c) { return c != '&'; });
    if (plain.size() > kPlainTextLimit)
        plain.resize(Utf8CutPoint(plain, kPlainTextLimit));
    return plain;
}

} // namespace

std::vector<int> MessageCatalog::RequiredMessages()
{
    std::vector<int> ids;
    AppendRanges(ids, kRequiredRanges);
    return ids;
}

std::vector<int> MessageCatalog::ProgramMessages()
{
    std::vector<int> ids = RequiredMessages();
    AppendRanges(ids, kOwnRanges);
    return ids;
}

std::string MessageCatalog::LanguageFileName(int language)
{
    switch (language) {
    case kEnglish:
        return "qtr31x_e.lng";
    case kSpanish:
        return "qtr31x_s.lng";
    case kChinese:
        return "qtr31x_c.lng";
    default:
        return {};
    }
}

void MessageCatalog::SetFolder(const std::string& programFolder)
{
    folder_ = programFolder;
}

int MessageCatalog::LoadLanguage(std::vector<int>& ids, int language)
{
    const std::string name = LanguageFileName(language);
    if (name.empty())
        return Load(ids, nullptr);
    return LoadFile(ids, (std::filesystem::path(folder_) / name).string());
}

int MessageCatalog::LoadFile(std::vector<int>& ids, const std::string& path)
{
    const std::optional<std::string> contents = ReadWholeFile(path);
    return Load(ids, contents ? &*contents : nullptr);
}

int MessageCatalog::LoadText(std::vector<int>& ids, const std::string& contents)
{
    return Load(ids, &contents);
}

int MessageCatalog::Load(std::vector<int>& ids, const std::string* contents)
{
    std::ranges::sort(ids);
    std::vector<std::pair<int, std::string>> loaded;
    for (auto first = ids.begin(); first != ids.end();) {
        const int group = GroupOf(*first);
        const auto last = std::find_if(first, ids.end(), [group](int id) { return GroupOf(id) != group; });
        if (!contents || !GroupHasFile(group))
            return kCannotOpen;
        if (!LoadGroup({first, last}, *contents, loaded))
            return kDamaged;
        first = last;
    }
    entries_ = std::move(loaded);
    return kLoaded;
}

const std::string* MessageCatalog::Find(int id) const
{
    const auto found = std::ranges::lower_bound(entries_, id, {}, &std::pair<int, std::string>::first);
    return found != entries_.end() && found->first == id ? &found->second : nullptr;
}

std::string MessageCatalog::MessageText(int id, int mode) const
{
    const std::string* text = Find(id);
    if (!text)
        return {};
    return mode == 1 ? PlainText(*text) : *text;
}

bool MessageCatalog::Has(int id) const
{
    return Find(id) != nullptr;
}

} // namespace qtr
