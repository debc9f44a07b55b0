#pragma once

#include <string>

namespace qtr {

class MessageCatalog;

// What a command that wrote or read a file says it did: the file and how much of it.
namespace filereport {
constexpr int kChannelsImported = 3900867; // "%d channels imported from %s."
constexpr int kChannelsExported = 3900868;
constexpr int kPdfWritten = 3900869;
} // namespace filereport

std::string FileReportText(const MessageCatalog& catalog, int messageId, const std::string& path, int count);

} // namespace qtr
