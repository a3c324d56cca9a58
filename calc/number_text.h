#pragma once
// Locale-independent conversions between measurement texts and numbers. "." is
// always the decimal point, whatever locale the process runs under.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace marvolen {

/// Reads the number a text begins with, leniently, as a workshop user types it.
/// Blanks (space, tab, line feed, ideographic space) are skipped wherever they stand;
/// then an optional sign, digits with at most one decimal point, an optional exponent
/// ("E" or "e", optional sign, digits). Reading stops at the first character that
/// cannot continue the number; a text without a leading number reads as 0.
/// Full-width digits, "．", "＋", "－", "Ｅ"/"ｅ" and the ideographic full stop "。"
/// read like their ASCII counterparts, as a Chinese input method types them.
/// Returns nullopt only for a number beyond the double range; one too small for a
/// double reads as zero.
///   parseLeadingNumber("7,925") == 7      parseLeadingNumber(" - 1 2.5e1mm") == -125
///   parseLeadingNumber(".01") == 0.01     parseLeadingNumber("７。９２５") == 7.925
///   parseLeadingNumber("") == 0           parseLeadingNumber("1E999") == nullopt
std::optional<double> parseLeadingNumber(std::string_view text);

/// Writes a number with a sign position: "-" for a negative value, else a space
/// (zero and negative zero included), then the magnitude to 15 significant digits,
/// trailing zeros and a trailing point dropped, and no "0" before the point.
/// Magnitudes from 1e15 on, or below 1e-4, are written with an exponent.
///   formatSignPadded(-0.25) == "-.25"     formatSignPadded(16.0) == " 16"
///   formatSignPadded(1e15) == " 1E+15"    formatSignPadded(-0.0) == " 0"
std::string formatSignPadded(double value);

/// The same for a single-precision value, to 7 significant digits (exponent from 1e7).
///   formatSignPadded(0.1697f) == " .1697"   formatSignPadded(12345.6789f) == " 12345.68"
std::string formatSignPadded(float value);

/// The same for a 16-bit integer: the sign position and the digits.
///   formatSignPadded(std::int16_t{23}) == " 23"
std::string formatSignPadded(std::int16_t value);

/// Puts a "0" after the sign position and keeps at most five characters after it,
/// for a coefficient below 1 written by formatSignPadded.
///   withLeadingZero(" .3525") == " 0.3525"   withLeadingZero("-.25") == "-0.25"
std::string withLeadingZero(std::string_view text);

}  // namespace marvolen
