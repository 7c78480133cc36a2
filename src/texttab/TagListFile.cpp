#include "texttab/TagListFile.h"

#include <system_error>

#include "base/TextUtil.h"
#include "sys/FileSystem.h"

namespace tavor {

bool TagListFile::exists() const {
    std::error_code ec;
    return std::filesystem::is_regular_file(file_, ec);
}

std::optional<std::vector<std::u16string>> TagListFile::load(Lines which) {
    if (!exists())
        return std::nullopt;
    const auto bytes = readFileBytes(file_);
    unreadable_ = !bytes.has_value();
    if (!bytes)
        return std::nullopt;
    DecodedText decoded = decodeText(*bytes);
    encoding_ = decoded.encoding;
    std::vector<std::u16string> lines;
    if (decoded.text.empty())
        return lines;
    lines = splitLines(decoded.text);
    if (lines.back().empty())
        lines.pop_back();  // the break that ends the last line
    if (which == Lines::NonBlank)
        std::erase_if(lines, [](const std::u16string& l) { return isBlank(l); });
    return lines;
}

bool TagListFile::save(const std::vector<std::u16string>& items) const {
    if (unreadable_ && exists())
        return false;
    std::u16string text;
    for (const auto& item : items) {
        text += item;
        text += u"\r\n";
    }
    const TextEncoding encoding =
        encodingThatKeeps(text, encoding_.value_or(systemDefaultEncoding()));
    return writeFileAtomically(file_, encodeText(text, encoding));
}

}  // namespace tavor
