#pragma once

#include <filesystem>
#include <string>

namespace qtr::test {

// The folder of the running test executable, where the build puts the language files.
inline std::string ProgramFolder()
{
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

// The command-line tool, which the build puts beside every test executable.
inline std::string CliPath()
{
    return ProgramFolder() + "/qtr31x-cli";
}

} // namespace qtr::test
