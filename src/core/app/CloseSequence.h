#pragma once

namespace qtr {

class Workspace;

// The questions asked before the main window closes: the exit question, then (with
// the help windows closed) the save-changes question. True when the window may close.
bool RunCloseSequence(Workspace& app);

} // namespace qtr
