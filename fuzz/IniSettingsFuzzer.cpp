// Feeds arbitrary bytes to the reader of the desktop program's settings file: it must never
// crash, and a value read back is the one its line gave for the last of its name.
#include "core/base/IniSettingsFile.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qtr;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream lines(text);
    const IniSettingsFile settings(lines);
    // The one entry the command-line tool reads for every port.
    (void)settings.ReadText("Ports", "COM1");
    // A plain line after all the others is what its name reads.
    std::istringstream appended(text + "\n[Fuzz]\nname=plain value\n");
    if (IniSettingsFile(appended).ReadText("Fuzz", "name") != "plain value")
        std::abort();
    return 0;
}
