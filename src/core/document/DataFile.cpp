#include "core/document/DataFile.h"

#include "core/base/MessageCatalog.h"
#include "core/base/RegularFile.h"
#include "core/model/MessageFields.h"
#include "core/model/ModelTable.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace qtr::datafile {

namespace {

constexpr std::size_t kCheckedMagicLength = 7;
constexpr std::size_t kMagicLength = 6;
constexpr std::size_t kMessageOffset = kHeaderSize + message::kLine1.offset;
constexpr std::size_t kMessageLineLength = message::kLineLength;

bool StartsWith(const std::vector<std::uint8_t>& bytes, const std::string& prefix)
{
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

std::string PreviewLine(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    std::string line;
    if (offset >= bytes.size() || bytes[offset] == 0xFF)
        return line;
    for (std::size_t i = offset; i < offset + kMessageLineLength && i < bytes.size(); ++i)
        if (bytes[i] != 0xFF)
            line.push_back(static_cast<char>(bytes[i]));
    return line;
}

std::string SystemReason(int error)
{
    return std::strerror(error);
}

} // namespace

std::string MagicFor(const ImageBytes& image)
{
    return ImageReader(image).Get(identity::kVariantLetter) == 'L' ? kLVariantMagic : kStandardMagic;
}

std::vector<std::uint8_t> Build(const ImageBytes& image, const std::string& magic)
{
    std::vector<std::uint8_t> bytes(magic.begin(), magic.end());
    bytes.resize(kMagicLength, ' ');
    bytes.push_back('B');
    bytes.push_back(ImageReader(image).Get(identity::kLineLetter) == kParlaneLine ? 'B' : 'L');
    bytes.resize(kHeaderSize, 0xFF);
    bytes.insert(bytes.end(), image.begin(), image.end());
    return bytes;
}

ReadResult Parse(const std::vector<std::uint8_t>& bytes)
{
    ReadResult result;
    const bool knownMagic = StartsWith(bytes, std::string(kStandardMagic) + "B") ||
                            StartsWith(bytes, std::string(kLVariantMagic) + "B");
    if (bytes.size() >= kCheckedMagicLength && !knownMagic) {
        result.error = ReadError::WrongMagic;
        return result;
    }
    if (bytes.size() != kFileSize) {
        result.error = ReadError::WrongLength;
        return result;
    }
    std::copy(bytes.begin() + kHeaderSize, bytes.end(), result.image.begin());
    result.fault = FindIdentityFault(result.image);
    if (result.fault != IdentityFault::None) {
        result.error = ReadError::DamagedIdentity;
        result.image = {};
    }
    return result;
}

ReadResult Read(const std::string& path)
{
    const FileContents file = ReadRegularFile(path, kFileSize);
    switch (file.fault) {
    case FileFault::None:
        return Parse(std::vector<std::uint8_t>(file.bytes.begin(), file.bytes.end()));
    case FileFault::TooLarge:
        return ReadResult{.error = ReadError::WrongLength};
    case FileFault::CannotOpen:
        return ReadResult{.error = ReadError::CannotOpen, .reason = SystemReason(file.error)};
    case FileFault::Folder:
        return ReadResult{.error = ReadError::CannotOpen, .reason = SystemReason(EISDIR)};
    case FileFault::NotRegular:
        break;
    }
    return ReadResult{.error = ReadError::CannotOpen, .reasonId = FileFaultMessage(file.fault)};
}

std::string ReasonText(const ReadResult& result, const MessageCatalog& catalog)
{
    return result.reasonId != 0 ? catalog.MessageText(result.reasonId, 1) : result.reason;
}

bool KnownToHaveLessRoomThan(const std::string& path, std::uintmax_t kilobytes)
{
    struct statvfs info {};
    std::error_code error;
    const std::string folder = std::filesystem::absolute(path, error).parent_path().string();
    if (error || ::statvfs(folder.c_str(), &info) != 0 || info.f_blocks == 0)
        return false;
    return static_cast<std::uintmax_t>(info.f_bavail) * info.f_frsize / 1024 < kilobytes;
}

std::optional<std::string> Write(const std::string& path, const ImageBytes& image, const std::string& magic,
                                 FileAccess access)
{
    const std::vector<std::uint8_t> bytes = Build(image, magic);
    return SaveFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), access);
}

MessagePreview PreviewMessage(const std::vector<std::uint8_t>& leadingBytes)
{
    if (!StartsWith(leadingBytes, kStandardMagic) && !StartsWith(leadingBytes, kLVariantMagic))
        return {};
    return {PreviewLine(leadingBytes, kMessageOffset), PreviewLine(leadingBytes, kMessageOffset + kMessageLineLength)};
}

MessagePreview PreviewMessageOfFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {};
    std::vector<std::uint8_t> bytes(kMessageOffset + 2 * kMessageLineLength);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return PreviewMessage(bytes);
}

} // namespace qtr::datafile
