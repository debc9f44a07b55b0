#pragma once

#include "core/base/messages/ChannelList.h"

#include <string>

namespace qtr {

class MessageCatalog;

// What a command that wrote or read a file says it did: the file and how much of it.
std::string FileReportText(const MessageCatalog& catalog, int messageId, const std::string& path, int count);

} // namespace qtr
