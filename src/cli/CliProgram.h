#pragma once

#include "CliArguments.h"
#include "ConsolePrompter.h"
#include "app/ProgrammerApp.h"
#include "app/ShellHooks.h"
#include "document/FilePicker.h"

#include <iosfwd>
#include <string>

namespace qtr::cli {

// The command-line tool: each verb is a thin front end on the core.
class CliProgram : private FilePicker {
public:
    CliProgram(const std::string& programFolder, std::ostream& out, std::ostream& err);
    int Run(const std::vector<std::string>& words);

private:
    int New(const CliArguments& arguments);
    int Show(const CliArguments& arguments);
    int Usage(std::ostream& stream) const;
    int Fail(const std::string& message) const;
    bool LoadTexts();
    bool LoadImage(const std::string& path);
    void ShowChannels();
    void ShowTestFrequencies();
    void ShowEmbeddedMessage();
    void Line(const std::string& label, const std::string& value);
    std::string Text(int id) const;

    std::optional<std::string> ChooseOpenPath(const std::string&) override { return std::nullopt; }
    std::optional<std::string> ChooseSavePath(const std::string&, const std::string&) override { return std::nullopt; }

    std::ostream& out_;
    std::ostream& err_;
    std::string programFolder_;
    ShellHooks shell_;
    ConsolePrompter prompter_;
    ProgrammerApp app_;
};

} // namespace qtr::cli
