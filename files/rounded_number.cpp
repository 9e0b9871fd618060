#include "files/rounded_number.h"

#include <charconv>
#include <cmath>

#include "model/number_text.h"

namespace dalvo {

namespace {

constexpr double kPowersOfTen[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6, 1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14};
constexpr int kWidestDirectDecimals = 9;

// The general form writes numbers from 1E-04 up plainly.
constexpr double kSmallestPlain = 1e-4;
// Up to 15 significant digits the general form shows every digit.
constexpr double kDirectDigitsLimit = 1e15;

}  // namespace

void appendRounded(std::string& text, double value, int decimals)
{
    const double rounded = roundToDecimals(value, decimals);
    if (rounded == 0) {
        text += '0';  // also for a rounded -0, which the general form writes as 0
        return;
    }
    // A value rounded to d decimals with fewer than 16 digits in all is the
    // decimal k / 10^d itself to within far less than half of its last
    // digit; fixed notation with d decimals then gives exactly the digits
    // that 15 significant digits would, less the trailing zeros.
    const double magnitude = std::fabs(rounded);
    if (decimals >= 0 && decimals <= kWidestDirectDecimals && magnitude >= kSmallestPlain &&
        magnitude * kPowersOfTen[decimals] < kDirectDigitsLimit) {
        char buffer[64];
        const auto [end, ec] =
            std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, decimals);
        if (ec == std::errc{}) {
            char* last = end;
            if (decimals > 0) {
                while (last[-1] == '0')
                    --last;
                if (last[-1] == '.')
                    --last;
            }
            text.append(buffer, last);
            return;
        }
    }
    static const NumberLocale period{"."};
    text += formatGeneral(rounded, period);
}

}  // namespace dalvo
