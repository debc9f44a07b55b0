#include "core/base/IniSettingsFile.h"

#include <cstdlib>
#include <fstream>

namespace qtr {

namespace {

constexpr char kCompany[] = "HALVERN";
constexpr char kApplication[] = "QTR31X";

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads the hexadecimal digits at `at`, at most `limit` of them.
unsigned ReadHex(const std::string& text, std::size_t& at, std::size_t limit)
{
    unsigned value = 0;
    for (std::size_t n = 0; n < limit && at < text.size() && HexDigit(text[at]) >= 0; ++n, ++at)
        value = value * 16 + static_cast<unsigned>(HexDigit(text[at]));
    return value;
}

void AppendUtf8(std::string& out, unsigned code)
{
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

char SimpleEscape(char c)
{
    switch (c) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    default:
        return c; // \" \' \\ \? and anything else stand for themselves
    }
}

// The escape after a backslash at `at`; `at` ends past it.
void AppendEscape(std::string& out, const std::string& text, std::size_t& at)
{
    const char c = text[at];
    if (c == 'x') {
        ++at;
        AppendUtf8(out, ReadHex(text, at, 4));
        return;
    }
    if (c >= '0' && c <= '7') {
        unsigned value = 0;
        for (int n = 0; n < 3 && at < text.size() && text[at] >= '0' && text[at] <= '7'; ++n, ++at)
            value = value * 8 + static_cast<unsigned>(text[at] - '0');
        AppendUtf8(out, value);
        return;
    }
    out.push_back(SimpleEscape(c));
    ++at;
}

} // namespace

std::string IniSettingsFile::DefaultPath()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    std::string folder;
    if (xdg != nullptr && xdg[0] == '/')
        folder = xdg;
    else
        folder = std::string(home != nullptr ? home : "") + "/.config";
    return folder + "/" + kCompany + "/" + kApplication + ".conf";
}

IniSettingsFile::IniSettingsFile(const std::string& path)
{
    std::ifstream file(path);
    Read(file);
}

IniSettingsFile::IniSettingsFile(std::istream& text)
{
    Read(text);
}

void IniSettingsFile::Read(std::istream& text)
{
    std::string section;
    std::string line;
    while (std::getline(text, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = ParseName(line.substr(1, line.size() - 2));
            continue;
        }
        const auto equals = line.find('=');
        if (equals != std::string::npos)
            values_.WriteText(section, ParseName(Trimmed(line.substr(0, equals))), ParseValue(line.substr(equals + 1)));
    }
}

std::optional<std::string> IniSettingsFile::ReadText(const std::string& section, const std::string& name) const
{
    return values_.ReadText(section, name);
}

void IniSettingsFile::WriteText(const std::string& section, const std::string& name, const std::string& value)
{
    values_.WriteText(section, name, value);
}

std::string IniSettingsFile::ParseName(const std::string& text)
{
    std::string name;
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] != '%') {
            name.push_back(text[at++]);
            continue;
        }
        ++at;
        if (at < text.size() && text[at] == 'U') {
            ++at;
            AppendUtf8(name, ReadHex(text, at, 4));
        } else {
            name.push_back(static_cast<char>(ReadHex(text, at, 2)));
        }
    }
    return name;
}

// Blanks outside quotes are dropped at both ends only; a ";" outside quotes starts a comment.
std::string IniSettingsFile::ParseValue(const std::string& text)
{
    std::string value;
    std::size_t keptLength = 0; // up to the last character that is not an unquoted blank
    bool quoted = false;
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (c == '"') {
            quoted = !quoted;
            ++at;
            keptLength = value.size();
        } else if (c == '\\' && at + 1 < text.size()) {
            ++at;
            AppendEscape(value, text, at);
            keptLength = value.size();
        } else if (c == ';' && !quoted) {
            break;
        } else if ((c == ' ' || c == '\t' || c == '\r') && !quoted) {
            if (!value.empty())
                value.push_back(c);
            ++at;
        } else {
            value.push_back(c);
            ++at;
            keptLength = value.size();
        }
    }
    value.resize(keptLength);
    if (value.rfind("@@", 0) == 0)
        value.erase(0, 1);
    return value;
}

} // namespace qtr
