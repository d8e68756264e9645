#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "quillon/document/spline_document.h"
#include "quillon/engine/field.h"
#include "quillon/textio/quantity.h"

namespace quillon::cli {

// One input of a spline as the command line and the batch columns name it: its row (the key is
// the batch column "ha_star", the option "--ha") and its field, empty for the designation and the
// kind, which are no fields.
struct SplineInputName {
    textio::Quantity quantity;
    std::optional<engine::Field> field;
};

// designation, kind, z, m, alpha, beta, x, cn, dp, ha_star, grade, series.
std::span<const SplineInputName> splineInputNames();
const SplineInputName* findInputByColumn(std::string_view column);
const SplineInputName* findInputByOption(std::string_view option);

// What a user gives for one spline: texts by input, as typed. An input not given keeps the
// window's start value; the pin diameter, when not given, is proposed for the module and kind.
struct SplineRequest {
    struct Given {
        const SplineInputName* input;
        std::string text;
    };
    std::vector<Given> given;

    const std::string* text(std::string_view column) const;
};

// Why a request gave no result: a value the program does not take (a usage error on the command
// line, a bad row in a batch), or a spline the calculation rejected.
struct RequestError {
    enum class Kind { BadValue, Rejected };
    Kind kind = Kind::BadValue;
    std::string message;      // in the user's words, naming the input and its value
    bool calculated = false;  // the calculation ran (and rejected the spline)
};

// How a message names an input: by its option ("--z") or by its column ("z").
enum class InputNaming { Option, Column };

// Checks the request (plain finite numbers, a known kind, a series letter, inputs of this
// edition, a designation that reads and that no field contradicts), writes it into the document's
// own form as a user would and calculates. A run that stops ("请输入花键齿数!", a profile shift
// outside DIN 5480) is Rejected; its messages stay in the form.
std::optional<RequestError> runRequest(document::SplineDocument& spline,
                                       const SplineRequest& request, InputNaming naming);

// The first message after which a run stops rather than goes on; nullptr when it went on.
const std::string* stoppingMessage(const std::vector<std::string>& messages);

}  // namespace quillon::cli
