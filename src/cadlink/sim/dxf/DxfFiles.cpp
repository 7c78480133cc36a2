#include "cadlink/sim/dxf/DxfFiles.h"

#include <fstream>
#include <system_error>

#include "cadlink/sim/dxf/DxfError.h"

namespace tavor::cad::sim::dxf {

namespace {

std::string named(const std::filesystem::path& file) {
    const auto u8 = file.u8string();
    return "\"" + std::string(u8.begin(), u8.end()) + "\"";
}

}  // namespace

std::string readWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw DxfError("The file " + named(file) + " cannot be opened.");
    std::string bytes;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0)
        throw DxfError("The file " + named(file) + " cannot be read.");
    bytes.resize(static_cast<std::size_t>(size));
    if (!in.read(bytes.data(), size))
        throw DxfError("The file " + named(file) + " cannot be read.");
    return bytes;
}

void replaceFile(const std::filesystem::path& target,
                 const std::function<void(const ByteSink&)>& produce) {
    std::filesystem::path fresh = target;
    fresh += ".saving~";
    const auto discard = [&] {
        std::error_code ignored;
        std::filesystem::remove(fresh, ignored);
    };
    {
        std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
        if (!out)
            throw DxfError("The file " + named(fresh) + " cannot be created.");
        try {
            produce([&](std::string_view bytes) {
                if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
                    throw DxfError("Writing " + named(fresh) + " failed (is the disk full?).");
            });
        } catch (...) {
            out.close();
            discard();
            throw;
        }
        out.close();
        if (!out) {
            discard();
            throw DxfError("Writing " + named(fresh) + " failed (is the disk full?).");
        }
    }
    std::error_code ec;
    std::filesystem::rename(fresh, target, ec);
    if (ec) {
        discard();
        throw DxfError("The file " + named(target) + " cannot be replaced: " + ec.message());
    }
}

}  // namespace tavor::cad::sim::dxf
