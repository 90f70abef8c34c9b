#pragma once

#include <filesystem>
#include <sys/mount.h>
#include <unistd.h>

// Makes a folder one that the test's user may not write in, for as long as this lives: by
// its permission bits, or for root, whom those do not bind, by mounting the folder over
// itself read-only. made() says whether that worked.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::filesystem::path& folder) : folder_(folder) {
        namespace fs = std::filesystem;
        if (::geteuid() != 0) {
            fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec |
                                        fs::perms::group_read | fs::perms::group_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
            made_ = true;
            return;
        }
        if (::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0) {
            return;
        }
        mounted_ = true;
        made_ = ::mount(nullptr, folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY,
                        nullptr) == 0;
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    ~ReadOnlyFolder() {
        if (mounted_) {
            ::umount2(folder_.c_str(), MNT_DETACH);
        } else if (made_) {
            std::error_code ignored;
            std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        }
    }

    bool made() const { return made_; }

private:
    std::filesystem::path folder_;
    bool mounted_ = false;
    bool made_ = false;
};
