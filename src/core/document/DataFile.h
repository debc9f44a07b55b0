#pragma once

#include "core/base/SafeSave.h"
#include "core/base/messages/Document.h"
#include "core/model/ImageIdentity.h"
#include "core/model/ImageView.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qtr {

class MessageCatalog;

// The data file: a 16-byte header naming the product family and model line, then the image.
namespace datafile {

constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kFileSize = kHeaderSize + kImageSize;
constexpr const char* kStandardMagic = "ZR5816";
constexpr const char* kLVariantMagic = "ZR581L";
enum class ReadError { None, CannotOpen, WrongMagic, WrongLength, DamagedIdentity };

struct ReadResult {
    ReadError error = ReadError::None;
    IdentityFault fault = IdentityFault::None; // with DamagedIdentity
    ImageBytes image{};
    std::string reason; // the system's, when the file cannot be opened or read
    int reasonId = 0;   // or the message saying why, when it is no file to read
};

// "ZR581L" for the L variants (fourth model-code character 'L'), "ZR5816" otherwise.
std::string MagicFor(const ImageBytes& image);
std::vector<std::uint8_t> Build(const ImageBytes& image, const std::string& magic);
// Accepts exactly kFileSize bytes whose first seven are "ZR5816B" or "ZR581LB" and whose
// image holds a model identity the program can make; anything else gives no image.
ReadResult Parse(const std::vector<std::uint8_t>& bytes);
// Reads only a regular file, and one of more than kFileSize bytes not at all.
ReadResult Read(const std::string& path);
// Why a file could not be opened, for the user.
std::string ReasonText(const ReadResult& result, const MessageCatalog& catalog);
// The free-space check before a save means something only where the file system tells
// its size: virtual ones report no blocks at all. True when the target's file system
// reports a size and less than `kilobytes` free; a failing query counts as room.
bool KnownToHaveLessRoomThan(const std::string& path, std::uintmax_t kilobytes);

// Saves the data file through the one save routine: all of it or none.
std::optional<std::string> Write(const std::string& path, const ImageBytes& image, const std::string& magic,
                                 FileAccess access = FileAccess::Usual);

// The two lines of the embedded message as the Open dialog previews them; empty lines
// for a file that is not a data file.
struct MessagePreview {
    std::string first;
    std::string second;
};
MessagePreview PreviewMessage(const std::vector<std::uint8_t>& leadingBytes);
MessagePreview PreviewMessageOfFile(const std::string& path);

} // namespace datafile
} // namespace qtr
