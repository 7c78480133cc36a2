#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tavor {

// Writes a new file beside the target and then puts it in the target's place, so that a crash
// or a full disk mid-write leaves the old file whole. Returns false when nothing was replaced.
bool writeFileAtomically(const std::filesystem::path& target, const std::string& bytes);

// The whole file, or nullopt when it cannot be read.
std::optional<std::string> readFileBytes(const std::filesystem::path& file);

// The running program's own file: it locates the settings and TAG list files.
std::filesystem::path executablePath();

}  // namespace tavor
