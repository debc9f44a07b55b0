#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

namespace qtr::test {

// A home of the process's own under the temporary folder, with every XDG folder in it, so
// that settings, recovery copies and documents never meet the user's or another run's.
// Programs the process starts inherit it; it is removed with the object.
class PrivateHome {
public:
    PrivateHome()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "qtr31x-home-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        path_ = pattern;
        setenv("HOME", path_.c_str(), 1);
        constexpr std::pair<const char*, const char*> kFolders[] = {
            {"XDG_CONFIG_HOME", ".config"}, {"XDG_DATA_HOME", ".local/share"}, {"XDG_STATE_HOME", ".local/state"},
            {"XDG_CACHE_HOME", ".cache"},   {"XDG_RUNTIME_DIR", "runtime"}};
        for (const auto& [variable, folder] : kFolders) {
            std::filesystem::create_directories(path_ / folder);
            setenv(variable, (path_ / folder).c_str(), 1);
        }
        // Qt refuses a runtime folder others may enter.
        std::filesystem::permissions(path_ / "runtime", std::filesystem::perms::owner_all);
    }
    ~PrivateHome()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    PrivateHome(const PrivateHome&) = delete;
    PrivateHome& operator=(const PrivateHome&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace qtr::test
