#include "sys/FileSystem.h"

#include <exception>
#include <fstream>
#include <iterator>

namespace tavor {

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
