#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qtr {

class MessageCatalog;

// Why a file given to the program to read was not read.
enum class FileFault { None, CannotOpen, Folder, NotRegular, TooLarge };

struct FileContents {
    FileFault fault = FileFault::None;
    int error = 0;           // the system's error number, with CannotOpen
    std::uintmax_t size = 0; // as the file system tells it
    std::string bytes;
};

// Reads a whole regular file of at most `limit` bytes. A folder, a device, a pipe or a
// socket is refused without waiting on it, and a larger file without reading it, so that
// no input given by name can block the program or fill its memory.
FileContents ReadRegularFile(const std::string& path, std::size_t limit);

// What is wrong: the system's reason when the system refused, else the catalogue's text.
std::string FileFaultText(const FileContents& file, const MessageCatalog& catalog);
// The message of a fault the system did not report itself; 0 for the others.
int FileFaultMessage(FileFault fault);

} // namespace qtr
