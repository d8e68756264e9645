// Arbitrary text as a designation. Nothing may crash or hang, and what is printed must read back:
// every designation read (a candidate too) prints as a text that reads as a designation printing
// the same text again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "quillon/engine/designation.h"

namespace {

void checkReadsBack(const quillon::engine::SplineDesignation& designation) {
    const std::string printed = quillon::engine::printDesignation(designation);
    const quillon::engine::DesignationParse again = quillon::engine::parseDesignation(printed);
    if (!again.designation || !again.candidates.empty() ||
        quillon::engine::printDesignation(*again.designation) != printed) {
        __builtin_trap();
    }
    quillon::engine::sizeNotes(designation);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    const quillon::engine::DesignationParse parsed = quillon::engine::parseDesignation(text);
    // One outcome: a designation, two or more candidates to choose from, or a refusal.
    const bool chosen = parsed.designation && parsed.candidates.size() <= 1;
    const bool choice = !parsed.designation && parsed.candidates.size() >= 2;
    const bool refused = !parsed.designation && parsed.candidates.empty();
    if (!(chosen || choice || refused) || (parsed.designation && !parsed.unrecognised.empty())) {
        __builtin_trap();
    }
    if (parsed.designation) {
        checkReadsBack(*parsed.designation);
    }
    for (const quillon::engine::SplineDesignation& candidate : parsed.candidates) {
        checkReadsBack(candidate);
    }
    return 0;
}
