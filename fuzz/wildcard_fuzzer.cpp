// The CAD's wildcard patterns against texts: a compiled pattern answers as the one-off match;
// "*" matches everything; a text with every character quoted matches itself only; a sensitive
// match is also an insensitive one; "~P" refuses what P matches; "A,B" matches what A or B does.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzText.h"
#include "cadlink/sim/Wildcard.h"

using namespace tavor::cad::sim;
using tavor::fuzz::require;

namespace {

// Every character taken literally; a surrogate pair is one character.
std::u16string quotedLiterally(std::u16string_view text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += u'`';
        out += text[i];
        const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
                          text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (pair)
            out += text[++i];
    }
    return out;
}

bool match(std::u16string_view pattern, std::u16string_view text, CaseRule rule) {
    const bool once = wildcardMatch(pattern, text, rule);
    require(WildcardPattern(pattern, rule).matches(text) == once,
            "a compiled pattern answers as the one-off match");
    return once;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::u16string a = tavor::fuzz::takeText(data, 24);
    const std::u16string b = tavor::fuzz::takeText(data, 24);
    const std::u16string text = tavor::fuzz::takeText(data, 64);

    for (CaseRule rule : {CaseRule::Sensitive, CaseRule::Insensitive}) {
        require(match(u"*", text, rule), "* matches every text");
        require(match(quotedLiterally(text), text, rule), "a quoted text matches itself");
        require(!match(quotedLiterally(text), text + u"x", rule),
                "a quoted text matches no longer text");
        const bool matchesA = match(a, text, rule);
        // A comma splits only outside brackets and not after a backquote.
        if (a.find_first_of(u",[`") != std::u16string::npos || b.find(u',') != std::u16string::npos)
            continue;
        if (!a.empty() && a.front() != u'~' && matchesA)
            require(!match(u"~" + a, text, rule), "~P refuses what P matches");
        require(match(a + u"," + b, text, rule) == (matchesA || match(b, text, rule)),
                "A,B matches what A or B matches");
    }
    // A negated alternative ("~") may refuse under the looser rule what it let through.
    if (match(a, text, CaseRule::Sensitive) && a.find(u'~') == std::u16string::npos)
        require(match(a, text, CaseRule::Insensitive), "a sensitive match is an insensitive one");
    return 0;
}
