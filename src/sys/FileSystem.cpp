#include "sys/FileSystem.h"

#include <exception>
#include <fstream>
#include <iterator>

namespace tavor {

namespace {
FileWriteSteps* activeSteps = nullptr;  // nullptr: the system's
}  // namespace

ScopedFileWriteSteps::ScopedFileWriteSteps(FileWriteSteps& steps) : previous_(activeSteps) {
    activeSteps = &steps;
}

ScopedFileWriteSteps::~ScopedFileWriteSteps() {
    activeSteps = previous_;
}

bool writeFileAtomically(const std::filesystem::path& target, const std::string& bytes) {
    FileWriteSteps& steps = activeSteps ? *activeSteps : systemFileWriteSteps();
    std::filesystem::path fresh = target;
    fresh += ".new";
    if (steps.writeNew(fresh, bytes) && steps.replace(fresh, target))
        return true;
    steps.remove(fresh);
    return false;
}

std::optional<std::string> readFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    try {
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (in.bad())
            return std::nullopt;
        return bytes;
    } catch (const std::exception&) {
        // The stream buffer raises on a read error (EIO) instead of setting badbit.
        return std::nullopt;
    }
}

}  // namespace tavor
