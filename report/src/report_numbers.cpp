#include "quillon/report/report_numbers.h"

#include <cmath>

#include "quillon/engine/display_decimals.h"
#include "quillon/engine/field_text.h"

using namespace quillon::engine;

namespace quillon::report {
namespace {

// A value beyond the range of a double (a field holding "1e400") has no decimal form; the report
// still says plainly what it is instead of failing as a whole.
std::string nonFiniteText(double value) {
    if (std::isnan(value)) {
        return "?";
    }
    return value < 0 ? "-∞" : "∞";
}

}  // namespace

std::string printedNumber(double value) {
    if (!std::isfinite(value)) {
        return (value < 0 ? "" : " ") + nonFiniteText(value) + " ";
    }
    std::string digits = writeNumber(value);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) {
        digits.erase(0, 1);
    }
    if (digits.size() > 2 && digits.compare(0, 2, "0.") == 0) {
        digits.erase(0, 1);
    }
    return (negative ? "-" : " ") + digits + " ";
}

std::string limitText(double value) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    return formatNumber(value, engine::kLengthDecimals);
}

}  // namespace quillon::report
