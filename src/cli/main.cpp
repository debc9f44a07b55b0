#include "cli/CliProgram.h"
#include "core/base/ProgramFiles.h"

#include <csignal>
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
    // Ctrl+C, a kill, or a closed terminal stop a radio operation at a point that leaves
    // the radio out of programming mode; a wait for Enter ends at once.
    static qtr::StopRequest stop;
    stop.Catch({SIGINT, SIGTERM, SIGHUP});
    program.UseStopRequest(stop);
    return program.Run(std::vector<std::string>(argv + 1, argv + argc));
}
