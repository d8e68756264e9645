// Arbitrary text as a designation. Nothing may crash or hang, and what is printed must read back:
// every designation read (a candidate too) prints as a text that reads as a designation printing
// the same text again; a connection prints as a connection that reads back with the same fit.
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

void checkConnectionReadsBack(const quillon::engine::SplineDesignation& designation,
                              const quillon::engine::Fit& fit) {
    const std::string printed = quillon::engine::printConnectionDesignation(designation, fit);
    const quillon::engine::DesignationParse again = quillon::engine::parseDesignation(printed);
    if (!again.designation || !again.candidates.empty() || again.fit != fit ||
        quillon::engine::printConnectionDesignation(*again.designation, fit) != printed) {
        __builtin_trap();
    }
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
    if (parsed.fit && parsed.designation) {
        checkConnectionReadsBack(*parsed.designation, *parsed.fit);
    }
    // The text as a fit alone: a fit read prints as one that reads back the same.
    if (const auto fit = quillon::engine::parseFit(text).fit) {
        if (quillon::engine::parseFit(quillon::engine::printFit(*fit)).fit != fit) {
            __builtin_trap();
        }
    }
    return 0;
}
