// The system services on Windows.
#include <windows.h>

#include "sys/FileSystem.h"
#include "sys/SingleInstance.h"
#include "sys/TextCodec.h"

namespace tavor {

TextEncoding systemDefaultEncoding() {
    return TextEncoding::Ansi;
}

namespace {
UINT codePageOf(TextEncoding encoding) {
    return encoding == TextEncoding::Cp932 ? 932 : CP_ACP;
}
}  // namespace

std::u16string decodeCodePage(std::string_view bytes, TextEncoding encoding) {
    if (bytes.empty())
        return {};
    const UINT cp = codePageOf(encoding);
    const int n =
        MultiByteToWideChar(cp, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::u16string out(static_cast<std::size_t>(n), u'\0');
    MultiByteToWideChar(cp, 0, bytes.data(), static_cast<int>(bytes.size()),
                        reinterpret_cast<wchar_t*>(out.data()), n);
    return out;
}

std::string encodeCodePage(std::u16string_view text, TextEncoding encoding) {
    if (text.empty())
        return {};
    const UINT cp = codePageOf(encoding);
    const auto* w = reinterpret_cast<const wchar_t*>(text.data());
    const int n =
        WideCharToMultiByte(cp, 0, w, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(cp, 0, w, static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

namespace {

class WinFileWriteSteps final : public FileWriteSteps {
public:
    bool writeNew(const std::filesystem::path& file, std::string_view bytes) override {
        HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return false;
        DWORD written = 0;
        const bool ok =
            WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size() && FlushFileBuffers(h);
        return CloseHandle(h) && ok;
    }
    bool replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return MoveFileExW(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }
    void remove(const std::filesystem::path& file) override { DeleteFileW(file.c_str()); }
};

}  // namespace

FileWriteSteps& systemFileWriteSteps() {
    static WinFileWriteSteps steps;
    return steps;
}

std::filesystem::path executablePath() {
    std::wstring buf(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n < buf.size()) {
            buf.resize(n);
            return buf;
        }
        buf.resize(buf.size() * 2);
    }
}

SingleInstanceLock::SingleInstanceLock(const std::string& name) {
    const std::wstring wide(name.begin(), name.end());
    HANDLE h = CreateMutexW(nullptr, TRUE, (L"Local\\" + wide).c_str());
    if (!h) {
        acquired_ = true;  // no lock to be had: never keep the user from working
        return;
    }
    handle_ = reinterpret_cast<long long>(h);
    acquired_ = GetLastError() != ERROR_ALREADY_EXISTS;
}

SingleInstanceLock::~SingleInstanceLock() {
    if (handle_ != -1)
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace tavor
