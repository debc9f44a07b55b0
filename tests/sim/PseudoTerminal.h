#pragma once

#include "core/base/MemorySettingsStore.h"
#include "core/link/PortDirectory.h"

#include <climits>
#include <pty.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace qtr::test {

// A pseudo-terminal pair whose slave side a settings store names as port 1; the test
// plays the far end on the master side.
class PseudoTerminal {
public:
    PseudoTerminal()
    {
        if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0)
            throw std::runtime_error("no pseudo-terminal");
        char name[PATH_MAX] = {};
        if (ttyname_r(slave_, name, sizeof name) != 0)
            throw std::runtime_error("pseudo-terminal without a name");
        store_.WriteText(PortDirectory::kSection, "COM1", name);
    }
    ~PseudoTerminal()
    {
        close(master_);
        close(slave_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int Master() const { return master_; }
    MemorySettingsStore& Settings() { return store_; }

private:
    int master_ = -1;
    int slave_ = -1;
    MemorySettingsStore store_;
};

} // namespace qtr::test
