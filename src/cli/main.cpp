#include "cli/CliProgram.h"
#include "core/base/ProgramFiles.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    // The language file lies beside the executable or in ../share/qtr31x.
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = std::filesystem::absolute(argv[0]);
    qtr::cli::CliProgram program(qtr::ProgramFilesFolder(self.string()), std::cout, std::cerr, std::cin);
    return program.Run(std::vector<std::string>(argv + 1, argv + argc));
}
