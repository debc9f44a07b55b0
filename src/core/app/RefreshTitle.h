#pragma once

#include <string>

namespace qtr {

class MessageCatalog;
class RadioState;

// The main window's title: program name, model with its band and channels, and the
// document name, e.g. "QTR-31X [RB-8100L  LMR UHF:450-470 MHz(*16 Channels)] [File Name : Untitled ]".
std::string RefreshTitle(const RadioState& state, const MessageCatalog& catalog, const std::string& documentName);

} // namespace qtr
