// A TAG group line and the TAG dialog's split: fields quoted as a writer quotes them split back
// into the same fields; unquoted text splits at every delimiter and joins back to itself; the
// bracketed block pattern lies between the label's brackets.
#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

#include "FuzzText.h"
#include "attrgrid/TagGroup.h"
#include "base/FieldSplit.h"

using namespace tavor;
using tavor::fuzz::require;

namespace {

std::u16string quoted(const std::u16string& field) {
    std::u16string out = u"\"";
    for (char16_t c : field) {
        out += c;
        if (c == u'"')
            out += c;
    }
    return out + u"\"";
}

void unquotedTextJoinsBack(std::u16string_view text, char16_t delimiter) {
    if (text.empty() || text.find(u'"') != std::u16string_view::npos)
        return;
    const auto fields = splitFields(text, delimiter);
    std::u16string joined;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        require(fields[i].find(delimiter) == std::u16string::npos, "no field holds a delimiter");
        joined += (i ? std::u16string(1, delimiter) : u"") + fields[i];
    }
    require(joined == text, "unquoted fields join back to the text");
}

void quotedFieldsSplitBack(const std::vector<std::u16string>& fields, char16_t delimiter) {
    if (fields.empty() || delimiter == u'"')
        return;
    std::u16string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i ? std::u16string(1, delimiter) : u"") + quoted(fields[i]);
    require(splitFields(line, delimiter) == fields, "quoted fields split back into themselves");
}

void patternLiesBetweenBrackets(const std::u16string& label) {
    const std::u16string pattern = bracketedPattern(label);
    if (pattern == u"*")
        return;  // the default, or "[*]" itself
    const std::size_t at = label.find(u'[');
    require(at != std::u16string::npos && label.compare(at + 1, pattern.size(), pattern) == 0 &&
                label.find(u']') == at + 1 + pattern.size() && !pattern.empty(),
            "the pattern is what the first brackets hold");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const char16_t delimiter = data.PickValueInArray<char16_t>({u',', u'\t', u' ', u'"', u'['});
    std::vector<std::u16string> fields;
    const std::size_t count = data.ConsumeIntegralInRange<std::size_t>(0, 6);
    for (std::size_t i = 0; i < count; ++i)
        fields.push_back(tavor::fuzz::takeText(data, 16));
    const std::u16string line = tavor::fuzz::takeText(data, 200);

    const TagGroup group = parseTagGroup(line);
    require(line.empty() == group.fields.empty(), "only the empty line has no fields");
    if (!group.fields.empty())
        patternLiesBetweenBrackets(group.fields.front());
    unquotedTextJoinsBack(line, delimiter);
    quotedFieldsSplitBack(fields, delimiter);
    for (const auto& field : fields)
        patternLiesBetweenBrackets(field);
    return 0;
}
