#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "varnel-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            throw std::runtime_error("cannot make a temporary folder");
        }
        path_ = pattern;
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        makeRemovable(path_);
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& path() const { return path_; }
    // The folder with a trailing "/", as the reader spells folders.
    std::string folder() const { return path_.string() + "/"; }

    std::filesystem::path write(const std::string& name, const std::string& bytes) const {
        const auto file = path_ / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out << bytes;
        return file;
    }

private:
    // A test that made a folder read-only, or unreadable, and stopped before undoing it
    // would leave the folder behind.
    static void makeRemovable(const std::filesystem::path& folder) {
        std::error_code ignored;
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
            if (entry.is_directory(ignored) && !entry.is_symlink(ignored)) {
                makeRemovable(entry.path());
            }
        }
    }

    std::filesystem::path path_;
};

inline std::string readFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The stored form of a plain text, made independently of the library under test.
inline std::string scrambled(const std::string& plain) {
    std::string stored = plain;
    for (char& c : stored) {
        c = static_cast<char>(static_cast<unsigned char>(c) ^ 0xA6);
    }
    return stored;
}
