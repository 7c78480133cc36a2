#include "sys/FileSystem.h"

#include <fstream>
#include <iterator>

namespace tavor {

std::optional<std::string> readFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    return bytes;
}

}  // namespace tavor
