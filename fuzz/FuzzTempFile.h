#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace tavor::fuzz {

// One file of this process's own, rewritten for every input: the parsers under test read and
// write files by path.
class FuzzTempFile {
public:
    explicit FuzzTempFile(std::string_view name)
        : dir_(scratchRoot() / ("tavor-fuzz-" + std::to_string(::getpid()))), path_(dir_ / name) {
        std::filesystem::create_directories(dir_);
    }
    ~FuzzTempFile() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    FuzzTempFile(const FuzzTempFile&) = delete;
    FuzzTempFile& operator=(const FuzzTempFile&) = delete;

    const std::filesystem::path& path() const { return path_; }

    void write(std::string_view bytes) const {
        std::ofstream(path_, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
    }
    std::string read() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    // Memory where there is some: the writes under test flush every file to the disk.
    static std::filesystem::path scratchRoot() {
        std::error_code ec;
        return std::filesystem::is_directory("/dev/shm", ec)
                   ? std::filesystem::path("/dev/shm")
                   : std::filesystem::temp_directory_path();
    }

    std::filesystem::path dir_, path_;
};

}  // namespace tavor::fuzz
