#include "quillon/document/micrometre_text.h"

#include "quillon/engine/designation.h"

namespace quillon::document {

std::string micrometreText(double micrometres) {
    const std::string digits =
        engine::shortDecimal(micrometres < 0 ? -micrometres : micrometres, 1);
    if (digits == "0") {
        return digits;
    }
    return (micrometres < 0 ? "−" : "+") + digits;
}

}  // namespace quillon::document
