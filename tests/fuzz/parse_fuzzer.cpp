// Fuzzes the reading of measurement texts, and the writing of what was read.
// Properties: a reading is a finite number or a failure, never NaN or infinity; the
// written text has the sign-padded shape; reading it back gives the same value to 15
// significant digits, and writing that again gives the same text. Magnitudes above
// 1.79769313486231e308 round, at 15 digits, past the largest double: their text has
// the shape but cannot be read back, so they are left out of the round trip.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "number_text.h"
#include "text_shape.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = marvolen::parseLeadingNumber(text);
    if (!value) return 0;
    if (!std::isfinite(*value)) fuzz_checks::fail("reading is not finite", text);

    const std::string written = marvolen::formatSignPadded(*value);
    fuzz_checks::checkSignPaddedShape(written);
    if (std::fabs(*value) > 1.79769313486231e308) return 0;
    const auto back = marvolen::parseLeadingNumber(written);
    if (!back) fuzz_checks::fail("written text does not read back", written);
    if (std::fabs(*back - *value) > std::fabs(*value) * 1e-14) fuzz_checks::fail("read back to another value", written);
    if (marvolen::formatSignPadded(*back) != written) fuzz_checks::fail("writing is not stable", written);

    const float single = static_cast<float>(std::fabs(*value) <= 3.0e38 ? *value : 0.0);
    fuzz_checks::checkSignPaddedShape(marvolen::formatSignPadded(single));
    return 0;
}
