#include "quillon/document/report_button_rule.h"

#include "quillon/engine/field_text.h"

namespace quillon::document {

bool reportOnAtStart(std::string_view zText) {
    return zText != "0";
}

bool reportOnForTeeth(std::string_view zText) {
    return engine::readNumber(zText) > 3;
}

bool reportOnForDiameter(std::string_view dText) {
    return engine::readNumber(dText) > 0;
}

}  // namespace quillon::document
