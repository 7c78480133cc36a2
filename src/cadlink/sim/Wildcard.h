#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavor::cad::sim {

enum class CaseRule { Sensitive, Insensitive };

// A pattern with the CAD's wildcard rules, compiled once and matched against many strings:
//   *  any run of characters      ?  any one character
//   #  one digit (0-9)            @  one letter
//   .  one character that is neither letter nor digit
//   [...]  one of the characters or ranges (a-z) inside; [~...] one not inside
//   `  takes the next character literally
//   ,  separates alternatives; the pattern matches when any alternative does
//   ~  at the start of an alternative: the alternative matches what its rest does not
// An alternative with an unclosed "[" or a trailing "`" is malformed and matches nothing.
class WildcardPattern {
public:
    WildcardPattern(std::u16string_view pattern, CaseRule rule);
    ~WildcardPattern();
    WildcardPattern(WildcardPattern&&) noexcept;
    WildcardPattern& operator=(WildcardPattern&&) noexcept;

    bool matches(std::u16string_view text) const;

private:
    struct Alternative;
    std::vector<Alternative> alternatives_;
    CaseRule rule_;
};

bool wildcardMatch(std::u16string_view pattern, std::u16string_view text, CaseRule rule);

}  // namespace tavor::cad::sim
