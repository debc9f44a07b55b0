#include "cli/CliArguments.h"

#include <algorithm>

namespace qtr::cli {

std::optional<CliArguments> CliArguments::Parse(const std::vector<std::string>& words, std::string& error)
{
    CliArguments arguments;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.rfind("--", 0) == 0 && word.size() > 2) {
            const std::string name = word.substr(2);
            if (IsFlag(name)) {
                arguments.options_[name] = "";
                continue;
            }
            if (i + 1 >= words.size()) {
                error = "option --" + name + " needs a value";
                return std::nullopt;
            }
            arguments.options_[name] = words[++i];
            arguments.repeated_[name].push_back(words[i]);
        } else if (arguments.verb_.empty()) {
            arguments.verb_ = word;
        } else {
            arguments.plain_.push_back(word);
        }
    }
    return arguments;
}

std::optional<std::string> CliArguments::Option(const std::string& name) const
{
    const auto it = options_.find(name);
    if (it == options_.end())
        return std::nullopt;
    return it->second;
}

std::vector<std::string> CliArguments::Options(const std::string& name) const
{
    const auto it = repeated_.find(name);
    return it == repeated_.end() ? std::vector<std::string>() : it->second;
}

std::vector<std::string> CliArguments::Unknown(const std::vector<std::string>& known) const
{
    std::vector<std::string> unknown;
    for (const auto& [name, value] : options_)
        if (std::find(known.begin(), known.end(), name) == known.end() && name != "help")
            unknown.push_back(name);
    return unknown;
}

} // namespace qtr::cli
