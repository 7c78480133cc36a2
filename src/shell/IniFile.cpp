#include "shell/IniFile.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "base/TextUtil.h"
#include "sys/FileSystem.h"

namespace tavor {

namespace {

bool sameName(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
               auto up = [](char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; };
               return up(x) == up(y);
           });
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<std::u16string> sectionOf(std::u16string_view line) {
    const std::u16string_view t = trimmed(line);
    if (t.size() < 2 || t.front() != u'[' || t.back() != u']')
        return std::nullopt;
    return std::u16string(trimmed(t.substr(1, t.size() - 2)));
}

std::u16string_view valueOf(std::u16string_view raw) {
    std::u16string_view v = trimmed(raw.substr(raw.find(u'=') + 1));
    // The profile functions drop one pair of enclosing quotes.
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Encodings in which a line break is the bytes CR and LF and no character's bytes contain them.
bool byteOriented(TextEncoding e) {
    return e == TextEncoding::Ansi || e == TextEncoding::Cp932 || e == TextEncoding::Utf8 ||
           e == TextEncoding::Utf8Bom;
}

std::u16string decodeLine(std::string_view bytes, TextEncoding e) {
    return e == TextEncoding::Utf8 || e == TextEncoding::Utf8Bom ? fromUtf8(bytes)
                                                                 : decodeCodePage(bytes, e);
}

std::string encodeLine(std::u16string_view text, TextEncoding e) {
    return e == TextEncoding::Utf8 || e == TextEncoding::Utf8Bom ? toUtf8(text)
                                                                 : encodeCodePage(text, e);
}

// Splits at CR, LF or CR LF, as splitLines does for text; the break ending the file ends the
// last line and adds none.
std::vector<std::string> splitByteLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.emplace_back(bytes.substr(start));
    return lines;
}

}  // namespace

IniFile::IniFile(std::filesystem::path file)
    : file_(std::move(file)), encoding_(systemDefaultEncoding()) {
    const auto bytes = readFileBytes(file_);
    if (!bytes)
        return;
    DecodedText decoded = decodeText(*bytes);
    encoding_ = decoded.encoding;
    std::vector<Line> read;
    if (byteOriented(encoding_)) {
        std::string_view body = *bytes;
        if (encoding_ == TextEncoding::Utf8Bom)
            body.remove_prefix(kUtf8Bom.size());
        for (std::string& b : splitByteLines(body))
            read.push_back({decodeLine(b, encoding_), {}, {}, std::move(b)});
    } else {
        std::vector<std::u16string> raw = splitLines(decoded.text);
        if (!raw.empty() && raw.back().empty())
            raw.pop_back();  // the break that ends the last line
        for (auto& r : raw)
            read.push_back({std::move(r), {}, {}, std::nullopt});
    }
    std::u16string section;
    for (Line& line : read) {
        if (auto s = sectionOf(line.raw)) {
            section = *s;
        } else if (const auto eq = line.raw.find(u'=');
                   eq != std::u16string::npos && !section.empty()) {
            const std::u16string_view key = trimmed(std::u16string_view(line.raw).substr(0, eq));
            if (!key.empty() && key.front() != u';')
                line.key = key;
        }
        line.section = section;
        lines_.push_back(std::move(line));
    }
}

const IniFile::Line* IniFile::find(std::u16string_view section, std::u16string_view key) const {
    for (const auto& l : lines_)
        if (!l.key.empty() && sameName(l.section, section) && sameName(l.key, key))
            return &l;
    return nullptr;
}

std::u16string IniFile::readString(std::u16string_view section, std::u16string_view key,
                                   const std::u16string& fallback) const {
    const Line* l = find(section, key);
    return l ? std::u16string(valueOf(l->raw)) : fallback;
}

int IniFile::readInteger(std::u16string_view section, std::u16string_view key, int fallback) const {
    const std::u16string v = readString(section, key, {});
    std::string ascii;
    for (char16_t c : v) {
        if (c > 0x7F)
            return fallback;
        ascii.push_back(static_cast<char>(c));
    }
    const char* begin = ascii.data();
    const char* end = begin + ascii.size();
    if (begin != end && *begin == '+')
        ++begin;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end && begin != end ? value : fallback;
}

bool IniFile::readBool(std::u16string_view section, std::u16string_view key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(std::u16string_view section, std::u16string_view key,
                          const std::u16string& value) {
    std::u16string raw = std::u16string(key) + u"=" + value;
    for (auto& l : lines_)
        if (!l.key.empty() && sameName(l.section, section) && sameName(l.key, key)) {
            l.raw = std::move(raw);
            l.bytes.reset();
            return;
        }
    // A new key goes after the last line of its section, or into a new section at the end.
    auto last = std::find_if(lines_.rbegin(), lines_.rend(),
                             [&](const Line& l) { return sameName(l.section, section); });
    if (last == lines_.rend()) {
        lines_.push_back(
            {u"[" + std::u16string(section) + u"]", std::u16string(section), {}, std::nullopt});
        lines_.push_back(
            {std::move(raw), std::u16string(section), std::u16string(key), std::nullopt});
        return;
    }
    auto pos = last.base();
    while (pos != lines_.begin() && isBlank(std::prev(pos)->raw) && std::prev(pos)->key.empty() &&
           !sectionOf(std::prev(pos)->raw))
        --pos;  // keep the blank lines that separate sections after the new key
    lines_.insert(pos,
                  {std::move(raw), std::u16string(section), std::u16string(key), std::nullopt});
}

void IniFile::writeInteger(std::u16string_view section, std::u16string_view key, int value) {
    writeString(section, key, toU16(value));
}

void IniFile::writeBool(std::u16string_view section, std::u16string_view key, bool value) {
    writeInteger(section, key, value ? 1 : 0);
}

bool IniFile::save() const {
    std::u16string text;
    for (const auto& l : lines_) {
        text += l.raw;
        text += u"\r\n";
    }
    // Only lines encoded anew decide whether the file's encoding can hold them.
    std::u16string fresh;
    for (const auto& l : lines_)
        if (!l.bytes)
            fresh += l.raw;
    const TextEncoding out = encodingThatKeeps(fresh, encoding_);
    if (out != encoding_ || !byteOriented(out))
        return writeFileAtomically(file_, encodeText(text, out));
    // Unchanged lines go back byte for byte; only what the program wrote is encoded anew.
    std::string bytes(out == TextEncoding::Utf8Bom ? kUtf8Bom : std::string_view());
    for (const auto& l : lines_) {
        bytes += l.bytes ? *l.bytes : encodeLine(l.raw, out);
        bytes += "\r\n";
    }
    // A changed line can leave a code-page file that reads as UTF-8 (only "ﾃｩ" left among
    // its bytes); then the text is kept in UTF-8 with a byte-order mark instead.
    if ((out == TextEncoding::Ansi || out == TextEncoding::Cp932) && decodeText(bytes).text != text)
        return writeFileAtomically(file_, encodeText(text, TextEncoding::Utf8Bom));
    return writeFileAtomically(file_, bytes);
}

}  // namespace tavor
