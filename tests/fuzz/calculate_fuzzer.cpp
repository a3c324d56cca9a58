// Fuzzes the calculate command with eleven texts cut from the input at each "|".
// Properties: a calculation fails or gives five texts of the documented shape (the
// angle parts whole numbers, minutes and seconds below 60, the coefficients with at
// most four decimals below 1000), and the calculation with sensitivity agrees with it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calculate.h"
#include "number_text.h"
#include "text_shape.h"

namespace {

void checkWhole(const std::string& text, double below) {
    if (fuzz_checks::checkSignPaddedShape(text) != 0) fuzz_checks::fail("angle part not whole", text);
    const auto value = marvolen::parseLeadingNumber(text);
    if (!value || *value < 0 || *value >= below) fuzz_checks::fail("angle part out of range", text);
}

void checkCoefficient(const std::string& text) {
    const int decimals = fuzz_checks::checkSignPaddedShape(text);
    const auto value = marvolen::parseLeadingNumber(text);
    if (!value) fuzz_checks::fail("coefficient does not read back", text);
    if (*value > -1000 && *value < 1000 && (decimals < 0 || decimals > 4)) fuzz_checks::fail("not four decimals", text);
    if (*value != 0 && *value > -1 && *value < 1 && text.substr(1, 2) != "0.") fuzz_checks::fail("no leading 0", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::array<std::string, marvolen::kInputCount> texts;
    for (std::string& text : texts) {
        const std::size_t cut = input.find('|');
        text = input.substr(0, cut);
        input = cut == std::string_view::npos ? std::string_view{} : input.substr(cut + 1);
    }
    const auto results = marvolen::runCalculation(texts);
    const auto report = marvolen::runCalculationWithSensitivity(texts);
    if (results.has_value() != report.has_value()) fuzz_checks::fail("the two calculations disagree", "");
    if (!results) return 0;
    if (!(report->results == *results)) fuzz_checks::fail("the two calculations disagree", results->x1);

    if (fuzz_checks::checkSignPaddedShape(results->degrees) != 0)
        fuzz_checks::fail("degrees not whole", results->degrees);
    checkWhole(results->minutes, 60);
    checkWhole(results->seconds, 60);
    checkCoefficient(results->x1);
    checkCoefficient(results->x2);
    return 0;
}
