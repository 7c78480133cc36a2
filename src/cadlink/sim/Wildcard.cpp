#include "cadlink/sim/Wildcard.h"

#include <optional>
#include <utility>

#include "cadlink/sim/CharClass.h"

namespace tavor::cad::sim {

namespace {

enum class TokenKind { Literal, AnyOne, AnyRun, Digit, Letter, Other, Set };

struct Range {
    char32_t low, high;
};

struct Token {
    TokenKind kind;
    char32_t literal = 0;
    std::vector<Range> ranges;  // for Set
    bool negated = false;       // for Set
};

bool sameChar(char32_t a, char32_t b, CaseRule rule) {
    return a == b || (rule == CaseRule::Insensitive && foldCase(a) == foldCase(b));
}

bool inRange(char32_t c, const Range& r, CaseRule rule) {
    if (r.low <= c && c <= r.high)
        return true;
    if (rule == CaseRule::Sensitive)
        return false;
    const char32_t f = foldCase(c);
    return foldCase(r.low) <= f && f <= foldCase(r.high);
}

bool tokenMatches(const Token& t, char32_t c, CaseRule rule) {
    switch (t.kind) {
        case TokenKind::Literal:
            return sameChar(t.literal, c, rule);
        case TokenKind::AnyOne:
            return true;
        case TokenKind::Digit:
            return isDigit(c);
        case TokenKind::Letter:
            return isLetter(c);
        case TokenKind::Other:
            return !isDigit(c) && !isLetter(c);
        case TokenKind::Set: {
            bool inside = false;
            for (const Range& r : t.ranges)
                inside = inside || inRange(c, r, rule);
            return inside != t.negated;
        }
        case TokenKind::AnyRun:
            break;
    }
    return false;
}

}  // namespace

struct WildcardPattern::Alternative {
    std::vector<Token> tokens;
    bool negated = false;
    bool malformed = false;

    bool matches(const std::u32string& text, CaseRule rule) const;
};

// Greedy matching with one remembered "*": on a mismatch, let the last "*" take one more
// character and try again from there. Linear in practice, never exponential.
bool WildcardPattern::Alternative::matches(const std::u32string& text, CaseRule rule) const {
    std::size_t t = 0, p = 0;
    std::size_t starToken = std::u32string::npos, starText = 0;
    while (t < text.size()) {
        if (p < tokens.size() && tokens[p].kind == TokenKind::AnyRun) {
            starToken = p++;
            starText = t;
        } else if (p < tokens.size() && tokenMatches(tokens[p], text[t], rule)) {
            ++p;
            ++t;
        } else if (starToken != std::u32string::npos) {
            p = starToken + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < tokens.size() && tokens[p].kind == TokenKind::AnyRun)
        ++p;
    return p == tokens.size();
}

namespace {

// The wildcard a character stands for; nullopt for a literal, a "`" or a "[".
std::optional<TokenKind> specialKind(char32_t c) {
    switch (c) {
        case U'*':
            return TokenKind::AnyRun;
        case U'?':
            return TokenKind::AnyOne;
        case U'#':
            return TokenKind::Digit;
        case U'@':
            return TokenKind::Letter;
        case U'.':
            return TokenKind::Other;
        default:
            return std::nullopt;
    }
}

// Reads a "[...]" set starting after the "["; returns false when it is not closed.
bool parseSet(const std::u32string& s, std::size_t& i, Token& token) {
    token.kind = TokenKind::Set;
    if (i < s.size() && s[i] == U'~') {
        token.negated = true;
        ++i;
    }
    std::vector<char32_t> members;
    std::vector<bool> escaped;
    bool first = true;
    for (;;) {
        if (i >= s.size())
            return false;
        char32_t c = s[i++];
        if (c == U']' && !first)
            break;
        first = false;
        bool isEscaped = false;
        if (c == U'`') {
            if (i >= s.size())
                return false;
            c = s[i++];
            isEscaped = true;
        }
        members.push_back(c);
        escaped.push_back(isEscaped);
    }
    for (std::size_t m = 0; m < members.size(); ++m) {
        const bool range = m + 2 < members.size() && members[m + 1] == U'-' && !escaped[m + 1];
        if (range) {
            token.ranges.push_back({members[m], members[m + 2]});
            m += 2;
        } else {
            token.ranges.push_back({members[m], members[m]});
        }
    }
    return true;
}

}  // namespace

WildcardPattern::WildcardPattern(std::u16string_view pattern, CaseRule rule) : rule_(rule) {
    const std::u32string s = toCodePoints(pattern);
    std::size_t i = 0;
    for (;;) {
        Alternative alt;
        if (i < s.size() && s[i] == U'~') {
            alt.negated = true;
            ++i;
        }
        while (i < s.size() && s[i] != U',') {
            const char32_t c = s[i++];
            Token token{specialKind(c).value_or(TokenKind::Literal), c, {}, false};
            if (c == U'`') {
                if (i >= s.size())
                    alt.malformed = true;
                else
                    token.literal = s[i++];
            } else if (c == U'[' && !parseSet(s, i, token)) {
                alt.malformed = true;
            }
            if (alt.malformed)
                break;
            alt.tokens.push_back(std::move(token));
        }
        alternatives_.push_back(std::move(alt));
        if (i >= s.size())
            break;
        ++i;  // the comma
    }
}

WildcardPattern::~WildcardPattern() = default;
WildcardPattern::WildcardPattern(WildcardPattern&&) noexcept = default;
WildcardPattern& WildcardPattern::operator=(WildcardPattern&&) noexcept = default;

bool WildcardPattern::matches(std::u16string_view text) const {
    const std::u32string t = toCodePoints(text);
    for (const Alternative& alt : alternatives_) {
        if (alt.malformed)
            continue;
        if (alt.matches(t, rule_) != alt.negated)
            return true;
    }
    return false;
}

bool wildcardMatch(std::u16string_view pattern, std::u16string_view text, CaseRule rule) {
    return WildcardPattern(pattern, rule).matches(text);
}

}  // namespace tavor::cad::sim
