#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavor {

// Writes a new file beside the target and then puts it in the target's place, so that a crash
// or a full disk mid-write leaves the old file whole. Returns false when nothing was replaced;
// then no new file is left behind either.
bool writeFileAtomically(const std::filesystem::path& target, const std::string& bytes);

// The steps an atomic replace is made of. The system's steps are used unless a test puts others
// in their place: a disk that fills up half way, a program that stops between the steps.
class FileWriteSteps {
public:
    virtual ~FileWriteSteps() = default;
    // Writes all of `bytes` into a new file and flushes it to the disk; false when any of that
    // failed (the file may then hold part of the bytes).
    virtual bool writeNew(const std::filesystem::path& file, std::string_view bytes) = 0;
    // Puts `from` in the place of `to` in one step.
    virtual bool replace(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    virtual void remove(const std::filesystem::path& file) = 0;
};

FileWriteSteps& systemFileWriteSteps();

// Puts `steps` in the place of the system's while it lives; for tests, on one thread.
class ScopedFileWriteSteps {
public:
    explicit ScopedFileWriteSteps(FileWriteSteps& steps);
    ~ScopedFileWriteSteps();
    ScopedFileWriteSteps(const ScopedFileWriteSteps&) = delete;
    ScopedFileWriteSteps& operator=(const ScopedFileWriteSteps&) = delete;

private:
    FileWriteSteps* previous_;
};

// The whole file, or nullopt when it cannot be read.
std::optional<std::string> readFileBytes(const std::filesystem::path& file);

// The running program's own file: it locates the settings and TAG list files.
std::filesystem::path executablePath();

}  // namespace tavor
