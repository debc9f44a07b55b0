#include "core/base/SafeSave.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qtr {

namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows before it gives up.
constexpr int kLinkDepth = 40;
constexpr unsigned kTemporarySuffixes = 1000000; // six digits after ".tmp"
constexpr mode_t kPrivateFileMode = S_IRUSR | S_IWUSR;
constexpr mode_t kPrivateFolderMode = S_IRWXU;

std::string SystemReason(int error)
{
    return std::strerror(error);
}

// The file a chain of symbolic links ends at, written there rather than over the link;
// the path itself when it is no link.
fs::path FinalTarget(const fs::path& path)
{
    fs::path current = path;
    for (int depth = 0; depth < kLinkDepth; ++depth) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)))
            break;
        const fs::path next = fs::read_symlink(current, error);
        if (error)
            break;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

// Holds back every signal while a temporary file exists, so that none ends the program
// before the file is renamed or removed.
class SignalsHeld {
public:
    SignalsHeld()
    {
        sigset_t all;
        sigfillset(&all);
        pthread_sigmask(SIG_BLOCK, &all, &previous_);
    }
    ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t previous_{};
};

std::optional<std::string> WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return SystemReason(errno);
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return ::fsync(fd) == 0 ? std::nullopt : std::optional<std::string>(SystemReason(errno));
}

// The mode and owner the saved file is to have: a private file the owner's alone, an
// existing one its own, a new one what the umask made of the temporary file.
std::optional<std::string> SetAccess(int fd, const fs::path& target, FileAccess access)
{
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) &&
        ::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
        [[maybe_unused]] const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
    }
    if (access == FileAccess::Private)
        return ::fchmod(fd, kPrivateFileMode) == 0 ? std::nullopt : std::optional<std::string>(SystemReason(errno));
    if (exists && ::fchmod(fd, existing.st_mode & 07777) != 0)
        return SystemReason(errno);
    return std::nullopt;
}

std::string TemporaryNameBeside(const fs::path& target)
{
    std::random_device random;
    return target.string() + ".tmp" + std::to_string(random() % kTemporarySuffixes);
}

} // namespace

std::optional<std::string> SaveFile(const std::string& path, std::string_view bytes, FileAccess access)
{
    const fs::path target = FinalTarget(path);
    const SignalsHeld held;
    const std::string temporary = TemporaryNameBeside(target);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (fd < 0)
        return SystemReason(errno);
    auto failure = SetAccess(fd, target, access);
    if (!failure)
        failure = WriteAll(fd, bytes);
    if (::close(fd) != 0 && !failure)
        failure = SystemReason(errno);
    if (!failure && std::rename(temporary.c_str(), target.c_str()) != 0)
        failure = SystemReason(errno);
    if (failure)
        ::unlink(temporary.c_str());
    return failure;
}

std::optional<std::string> MakePrivateFolders(const std::string& path)
{
    fs::path folder;
    for (const fs::path& part : fs::path(path)) {
        folder /= part;
        if (::mkdir(folder.c_str(), kPrivateFolderMode) == 0) {
            // The umask may have taken bits the owner needs.
            if (::chmod(folder.c_str(), kPrivateFolderMode) != 0)
                return SystemReason(errno);
        } else if (errno != EEXIST) {
            return SystemReason(errno);
        }
    }
    std::error_code error;
    if (!fs::is_directory(path, error))
        return SystemReason(ENOTDIR);
    return std::nullopt;
}

} // namespace qtr
