#include "core/channels/CsvTable.h"

#include "core/base/messages/ChannelList.h"

#include <algorithm>

namespace qtr {

namespace {

const std::string kByteOrderMark = "\xEF\xBB\xBF";

// The separator of the header line: a semicolon when it has one outside quotes and no comma.
char SeparatorOf(const std::string& text)
{
    bool quoted = false;
    bool semicolon = false;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            return ',';
        else if (!quoted && c == ';')
            semicolon = true;
        else if (!quoted && c == '\n')
            break;
    }
    return semicolon ? ';' : ',';
}

bool IsBlank(const std::vector<std::string>& fields)
{
    return std::all_of(fields.begin(), fields.end(), [](const std::string& field) { return field.empty(); });
}

// Reads the fields of every line; a quoted field may hold separators and line ends.
class CsvReader {
public:
    CsvReader(const std::string& text, CsvTable& table, std::size_t mostRows)
        : text_(text), table_(table), separator_(SeparatorOf(text)), mostRows_(mostRows)
    {
    }

    void Read()
    {
        while (position_ < text_.size() && table_.stoppedAt == 0)
            ReadLine();
        if (quoted_)
            table_.problems.push_back({lineStart_, {}, messages::channellist::kUnclosedQuote, {}});
    }

private:
    void ReadLine()
    {
        lineStart_ = line_;
        std::vector<std::string> fields(1);
        bool fieldQuoted = false;
        while (position_ < text_.size()) {
            const char c = text_[position_++];
            if (quoted_) {
                if (c == '"' && Peek() == '"') {
                    fields.back() += '"';
                    ++position_;
                } else if (c == '"') {
                    quoted_ = false;
                } else {
                    line_ += c == '\n' ? 1 : 0;
                    fields.back() += c;
                }
            } else if (c == '"' && fields.back().empty() && !fieldQuoted) {
                quoted_ = true;
                fieldQuoted = true;
            } else if (c == separator_) {
                NextField(fields);
                fieldQuoted = false;
            } else if (c == '\r' && Peek() != '\n') {
                NoteLoneCarriageReturn();
            } else if (c == '\n') {
                break;
            } else if (c != '\r') {
                fields.back() += c;
            }
        }
        ++line_;
        Keep(std::move(fields));
    }

    void Keep(std::vector<std::string> fields)
    {
        if (IsBlank(fields))
            return;
        if (table_.header.empty())
            table_.header = std::move(fields);
        else if (table_.rows.size() == mostRows_)
            table_.stoppedAt = lineStart_;
        else
            table_.rows.push_back({lineStart_, std::move(fields)});
    }

    // No channel list has a tenth as many columns; a line of separators is refused unsplit,
    // once for the file.
    void NextField(std::vector<std::string>& fields)
    {
        constexpr std::size_t kMostFields = 1024;
        if (fields.size() < kMostFields)
            fields.emplace_back();
        else if (!tooManyFields_) {
            table_.problems.push_back(
                {lineStart_, {}, messages::channellist::kFieldCount, "> " + std::to_string(kMostFields)});
            tooManyFields_ = true;
        }
    }

    // Once per line: a file of nothing but carriage returns is one line.
    void NoteLoneCarriageReturn()
    {
        const CsvProblem problem{line_, {}, messages::channellist::kLoneCarriageReturn, {}};
        if (table_.problems.empty() || !(table_.problems.back() == problem))
            table_.problems.push_back(problem);
    }

    char Peek() const { return position_ < text_.size() ? text_[position_] : '\0'; }

    const std::string& text_;
    CsvTable& table_;
    char separator_;
    std::size_t mostRows_;
    std::size_t position_ = 0;
    int line_ = 1;
    int lineStart_ = 1;
    bool quoted_ = false;
    bool tooManyFields_ = false;
};

bool NeedsQuotes(const std::string& field)
{
    return field.find_first_of(",;\"\r\n") != std::string::npos;
}

} // namespace

int CsvTable::Column(const std::string& name) const
{
    const auto found = std::find(header.begin(), header.end(), name);
    return found == header.end() ? -1 : static_cast<int>(found - header.begin());
}

CsvTable CsvTable::Parse(const std::string& text, std::size_t mostRows)
{
    CsvTable table;
    const bool marked = text.rfind(kByteOrderMark, 0) == 0;
    const std::string body = marked ? text.substr(kByteOrderMark.size()) : text;
    CsvReader(body, table, mostRows).Read();
    return table;
}

std::string CsvTable::Line(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        if (!NeedsQuotes(fields[i])) {
            line += fields[i];
            continue;
        }
        line += '"';
        for (const char c : fields[i])
            line += c == '"' ? std::string("\"\"") : std::string(1, c);
        line += '"';
    }
    return line + "\r\n";
}

} // namespace qtr
