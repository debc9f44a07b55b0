#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qtr::cli {

// A verb, its "--name value" options and its plain arguments.
class CliArguments {
public:
    // Options that take no value.
    static bool IsFlag(const std::string& name)
    {
        return name == "force" || name == "help" || name == "version" || name == "verify" || name == "allow-empty" ||
               name == "wait";
    }

    static std::optional<CliArguments> Parse(const std::vector<std::string>& words, std::string& error);

    const std::string& Verb() const { return verb_; }
    // The last value of an option given more than once.
    std::optional<std::string> Option(const std::string& name) const;
    // Every value of an option, in the order given.
    std::vector<std::string> Options(const std::string& name) const;
    bool Flag(const std::string& name) const { return options_.count(name) != 0; }
    const std::vector<std::string>& Plain() const { return plain_; }
    // Names of options given that are not in `known`.
    std::vector<std::string> Unknown(const std::vector<std::string>& known) const;

private:
    std::string verb_;
    std::map<std::string, std::string> options_;
    std::map<std::string, std::vector<std::string>> repeated_;
    std::vector<std::string> plain_;
};

} // namespace qtr::cli
