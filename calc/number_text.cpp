#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace marvolen {
namespace {

// One character of the input reduced to the ASCII symbol it stands for in a number:
// ' ' for a blank, a digit, '.', '+', '-', 'E' or 'e'; '\0' for anything else.
struct Symbol {
    char ascii;
    std::size_t bytes;
};

Symbol nextSymbol(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    const unsigned char lead = byte(0);
    switch (lead) {
        case ' ':
        case '\t':
        case '\n':
            return {' ', 1};
        case '.':
        case '+':
        case '-':
        case 'E':
        case 'e':
            return {static_cast<char>(lead), 1};
        default:
            break;
    }
    if (lead >= '0' && lead <= '9') return {static_cast<char>(lead), 1};
    if (text.size() - pos >= 3) {
        // U+3000 ideographic space and U+3002 ideographic full stop: E3 80 80 / E3 80 82.
        if (lead == 0xE3 && byte(1) == 0x80) {
            if (byte(2) == 0x80) return {' ', 3};
            if (byte(2) == 0x82) return {'.', 3};
        }
        // Full-width forms U+FF0B..U+FF45: EF BC 8B..BF, EF BD 80..85.
        if (lead == 0xEF && byte(1) == 0xBC) {
            const unsigned char last = byte(2);
            if (last >= 0x90 && last <= 0x99) return {static_cast<char>('0' + (last - 0x90)), 3};
            if (last == 0x8E) return {'.', 3};
            if (last == 0x8B) return {'+', 3};
            if (last == 0x8D) return {'-', 3};
            if (last == 0xA5) return {'E', 3};
        }
        if (lead == 0xEF && byte(1) == 0xBD && byte(2) == 0x85) return {'e', 3};
    }
    return {'\0', 1};
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The numeric prefix of a text, with blanks removed and full-width forms made ASCII,
// as from_chars reads it: digits with at most one point, then "e", an optional "-"
// and digits where an exponent follows. The sign of the number is kept apart.
struct NumberParts {
    bool negative = false;
    std::string number;
    std::size_t mantissaLength = 0;
};

NumberParts scanNumber(std::string_view text) {
    enum class Stage { Sign, Mantissa, ExponentSign, ExponentDigits };
    NumberParts parts;
    Stage stage = Stage::Sign;
    bool sawPoint = false;
    bool sawMantissaDigit = false;
    bool exponentNegative = false;
    for (std::size_t pos = 0; pos < text.size();) {
        const Symbol symbol = nextSymbol(text, pos);
        pos += symbol.bytes;
        const char c = symbol.ascii;
        if (c == ' ') continue;
        if (stage == Stage::Sign) {
            stage = Stage::Mantissa;
            if (c == '+' || c == '-') {
                parts.negative = (c == '-');
                continue;
            }
        }
        if (stage == Stage::Mantissa) {
            if (isDigit(c)) {
                parts.number += c;
                sawMantissaDigit = true;
            } else if (c == '.' && !sawPoint) {
                parts.number += c;
                sawPoint = true;
            } else if ((c == 'E' || c == 'e') && sawMantissaDigit) {
                stage = Stage::ExponentSign;
            } else {
                break;
            }
            continue;
        }
        if (stage == Stage::ExponentSign) {
            stage = Stage::ExponentDigits;
            if (c == '+' || c == '-') {
                exponentNegative = (c == '-');
                continue;
            }
        }
        if (!isDigit(c)) break;
        if (parts.mantissaLength == 0) {
            parts.mantissaLength = parts.number.size();
            parts.number += exponentNegative ? "e-" : "e";
        }
        parts.number += c;
    }
    if (!sawMantissaDigit) parts.number.clear();
    if (parts.mantissaLength == 0) parts.mantissaLength = parts.number.size();
    return parts;
}

// Decimal exponent of the leading non-zero digit, saturated far outside the double
// range: tells an overflow from an underflow when from_chars gives no value.
long leadingDecimalExponent(const NumberParts& parts) {
    const std::string_view number = parts.number;
    const std::string_view mantissa = number.substr(0, parts.mantissaLength);
    std::string_view exponentText = number.substr(std::min(number.size(), parts.mantissaLength + 1));
    const bool exponentNegative = !exponentText.empty() && exponentText[0] == '-';
    if (exponentNegative) exponentText.remove_prefix(1);
    constexpr long kSaturation = 1'000'000;
    long exponent = 0;
    for (const char c : exponentText) exponent = std::min(kSaturation, exponent * 10 + (c - '0'));
    if (exponentNegative) exponent = -exponent;

    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstNonZero = mantissa.find_first_not_of("0.");
    if (firstNonZero == std::string_view::npos) return 0;
    const long position =
        firstNonZero < point ? static_cast<long>(point - firstNonZero) - 1 : -static_cast<long>(firstNonZero - point);
    return exponent + position;
}

// `fixedLimit` is 10 to the power of `significantDigits`: whole numbers below it are
// written in full, without an exponent.
template <typename Real>
std::string signPadded(Real value, int significantDigits, Real fixedLimit) {
    std::array<char, 48> buffer{};
    buffer[0] = value < 0 ? '-' : ' ';
    char* const first = buffer.data() + 1;
    char* const last = buffer.data() + buffer.size();
    const Real magnitude = std::fabs(value);
    if (magnitude < fixedLimit && magnitude == std::floor(magnitude)) {
        // Whole degrees and minutes: the digits of the integer are the %g text, and
        // writing them directly is several times faster.
        const auto result = std::to_chars(first, last, static_cast<long long>(magnitude));
        return {buffer.data(), result.ptr};
    }
    // %g-style text of the magnitude, then the "0" before the point dropped.
    const auto result = std::to_chars(first, last, magnitude, std::chars_format::general, significantDigits);
    char* digits = first;
    if (result.ptr - first > 1 && first[0] == '0' && first[1] == '.') {
        ++digits;
        digits[-1] = buffer[0];
    }
    std::replace(digits, result.ptr, 'e', 'E');
    return {digits - 1, result.ptr};
}

}  // namespace

std::optional<double> parseLeadingNumber(std::string_view text) {
    const NumberParts parts = scanNumber(text);
    if (parts.number.empty()) return 0.0;
    double magnitude = 0.0;
    const char* const first = parts.number.data();
    const char* const last = first + parts.number.size();
    const auto [end, error] = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        if (leadingDecimalExponent(parts) >= 0) return std::nullopt;
        magnitude = 0.0;
    } else if (error != std::errc{} || end != last || !std::isfinite(magnitude)) {
        return std::nullopt;
    }
    return parts.negative ? -magnitude : magnitude;
}

std::string formatSignPadded(double value) { return signPadded(value, 15, 1e15); }

std::string formatSignPadded(float value) { return signPadded(value, 7, 1e7F); }

std::string formatSignPadded(std::int16_t value) {
    std::array<char, 8> buffer{};
    const int magnitude = std::abs(static_cast<int>(value));
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude);
    std::string text(1, value < 0 ? '-' : ' ');
    text.append(buffer.data(), result.ptr);
    return text;
}

std::string withLeadingZero(std::string_view text) {
    if (text.empty()) return "0";
    std::string result(1, text[0]);
    result += '0';
    result += text.substr(1, 5);
    return result;
}

}  // namespace marvolen
