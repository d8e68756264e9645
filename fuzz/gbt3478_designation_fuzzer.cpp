// Arbitrary text as a GB/T 3478.1 designation. Nothing may crash or hang, what is printed must read
// back as the same designation, and every designation read can be calculated (a refusal is fine,
// a result must have its limits in order).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "quillon/gbt3478/calculation.h"
#include "quillon/gbt3478/designation.h"

namespace {

using namespace quillon::gbt3478;

void checkCalculates(const SplineInput& input) {
    const Calculation c = calculate(input);
    if (c.result && !(c.result->widths.actualMin <= c.result->widths.actualMax &&
                      c.result->widths.effectiveMin <= c.result->widths.effectiveMax)) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    const DesignationParse parsed = parseDesignation(text);
    if (!parsed.designation) {
        return 0;
    }
    const std::string printed = printDesignation(*parsed.designation);
    const DesignationParse again = parseDesignation(printed);
    if (!again.designation || printDesignation(*again.designation) != printed) {
        __builtin_trap();
    }
    for (const SplineInput& input : inputsOf(*parsed.designation)) {
        checkCalculates(input);
    }
    return 0;
}
