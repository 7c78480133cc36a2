#pragma once

#include <stdexcept>

#include "sys/FileSystem.h"

namespace tavor::test {

// The system's steps on a disk with room for `room` more bytes.
class FullDisk final : public FileWriteSteps {
public:
    explicit FullDisk(std::size_t room) : room_(room) {}
    bool writeNew(const std::filesystem::path& file, std::string_view bytes) override {
        const bool fits = bytes.size() <= room_;
        systemFileWriteSteps().writeNew(file, bytes.substr(0, room_));
        return fits;
    }
    bool replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return systemFileWriteSteps().replace(from, to);
    }
    void remove(const std::filesystem::path& file) override { systemFileWriteSteps().remove(file); }

private:
    std::size_t room_;
};

struct ProgramStopped : std::runtime_error {
    ProgramStopped() : std::runtime_error("the program stopped") {}
};

// The new file is written whole; then the program ends before it takes the old one's place.
class StopBeforeReplace final : public FileWriteSteps {
public:
    bool writeNew(const std::filesystem::path& file, std::string_view bytes) override {
        return systemFileWriteSteps().writeNew(file, bytes);
    }
    bool replace(const std::filesystem::path&, const std::filesystem::path&) override {
        throw ProgramStopped();
    }
    void remove(const std::filesystem::path&) override {}
};

}  // namespace tavor::test
