#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qtr {

// Who may read a saved file. Private files hold stun codes and fleet IDs: the owner's
// alone, whatever the umask.
enum class FileAccess { Usual, Private };

// What a new file may be at most, before the umask: never writable by everyone.
constexpr unsigned kNewFileMode = 0664;

// Every save of the programs: the bytes go into a temporary file beside the target, which
// is then renamed over it, so the target holds either the old bytes or all the new ones.
// A symbolic link is followed to the file it names; an existing file keeps its mode (and
// its owner where the system permits); a new one gets the umask's mode, never writable by
// everyone. Signals wait until the temporary file is renamed or gone. Gives the system's
// reason on failure.
std::optional<std::string> SaveFile(const std::string& path, std::string_view bytes,
                                    FileAccess access = FileAccess::Usual);

// Makes the folder and each missing one above it, readable by the owner alone; folders
// that exist are left as they are. Gives the system's reason on failure.
std::optional<std::string> MakePrivateFolders(const std::string& path);

} // namespace qtr
