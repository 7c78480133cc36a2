// The system services on Linux and other POSIX systems.
#include <fcntl.h>
#include <iconv.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "base/TextUtil.h"
#include "sys/FileSystem.h"
#include "sys/SingleInstance.h"
#include "sys/TextCodec.h"

namespace tavor {

TextEncoding systemDefaultEncoding() {
    return TextEncoding::Utf8;
}

namespace {

// One iconv conversion; an invalid input unit becomes U+FFFD (decoding) or '?' (encoding).
std::string convert(const char* to, const char* from, std::string_view in,
                    std::string_view replacement, std::size_t unit) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    std::string out;
    std::vector<char> buf(4096);
    auto* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    while (left > 0) {
        char* dst = buf.data();
        std::size_t room = buf.size();
        const std::size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buf.data(), static_cast<std::size_t>(dst - buf.data()));
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
            out.append(replacement);
            const std::size_t skip = std::min(unit, left);
            src += skip;
            left -= skip;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::u16string decodeCodePage(std::string_view bytes, TextEncoding) {
    const std::string utf16 = convert("UTF-16LE", "CP932", bytes, std::string("\xFD\xFF", 2), 1);
    std::u16string out;
    out.reserve(utf16.size() / 2);
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2)
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(utf16[i]) |
                                            (static_cast<unsigned char>(utf16[i + 1]) << 8)));
    return out;
}

std::string encodeCodePage(std::u16string_view text, TextEncoding) {
    std::string utf16;
    utf16.reserve(text.size() * 2);
    for (char16_t c : text) {
        utf16.push_back(static_cast<char>(c & 0xFF));
        utf16.push_back(static_cast<char>(c >> 8));
    }
    return convert("CP932", "UTF-16LE", utf16, "?", 2);
}

namespace {

class PosixFileWriteSteps final : public FileWriteSteps {
public:
    bool writeNew(const std::filesystem::path& file, std::string_view bytes) override {
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0)
            return false;
        std::size_t written = 0;
        while (written < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;  // ENOSPC, EIO: the disk took no more
            written += static_cast<std::size_t>(n);
        }
        const bool ok = written == bytes.size() && ::fsync(fd) == 0;
        return ::close(fd) == 0 && ok;
    }
    bool replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return std::rename(from.c_str(), to.c_str()) == 0;
    }
    void remove(const std::filesystem::path& file) override { ::unlink(file.c_str()); }
};

}  // namespace

FileWriteSteps& systemFileWriteSteps() {
    static PosixFileWriteSteps steps;
    return steps;
}

std::filesystem::path executablePath() {
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path("tavordesk") : p;
}

SingleInstanceLock::SingleInstanceLock(const std::string& name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::filesystem::path dir = runtime && *runtime ? std::filesystem::path(runtime)
                                                          : std::filesystem::temp_directory_path();
    const auto file = dir / (name + "-" + std::to_string(::getuid()) + ".lock");
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        acquired_ = true;  // no lock to be had: never keep the user from working
        return;
    }
    handle_ = fd;
    acquired_ = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

SingleInstanceLock::~SingleInstanceLock() {
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_));
}

}  // namespace tavor
