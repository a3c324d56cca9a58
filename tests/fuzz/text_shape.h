#pragma once
// Shape checks shared by the fuzz targets: what a result text may look like.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace fuzz_checks {

[[noreturn]] inline void fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

/// A sign position (" " or "-"), then digits with at most one point, then an optional
/// exponent "E+dd" or "E-dd". Returns the number of decimals after the point, or -1
/// where the text has an exponent.
inline int checkSignPaddedShape(std::string_view text) {
    if (text.size() < 2 || (text[0] != ' ' && text[0] != '-')) fail("no sign position", text);
    std::string_view body = text.substr(1);
    int decimals = 0;
    const std::size_t e = body.find('E');
    if (e != std::string_view::npos) {
        const std::string_view exponent = body.substr(e + 1);
        if (exponent.size() < 3 || (exponent[0] != '+' && exponent[0] != '-')) fail("bad exponent", text);
        for (const char c : exponent.substr(1))
            if (!isDigit(c)) fail("bad exponent digit", text);
        body = body.substr(0, e);
        decimals = -1;
    }
    bool point = false;
    bool digit = false;
    for (const char c : body) {
        if (c == '.') {
            if (point) fail("two points", text);
            point = true;
        } else if (isDigit(c)) {
            digit = true;
            if (point && decimals >= 0) ++decimals;
        } else {
            fail("not a digit", text);
        }
    }
    if (!digit) fail("no digits", text);
    return decimals;
}

}  // namespace fuzz_checks
