#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "quillon/cli/spline_request.h"
#include "quillon/document/spline_strength.h"

namespace quillon::cli {

// The strength inputs given for one spline, by option ("--load-share") or column ("load_share"),
// as typed.
struct StrengthRequest {
    std::vector<std::pair<strength::InputField, std::string>> given;
};

// The strength check of the calculated spline, when the request gives any strength input. A value
// the strength page would refuse (not a number, negative, chamfers that leave no contact height,
// a torque beside power and speed, no torque at all) is a BadValue naming the input.
struct StrengthAnswer {
    std::optional<document::SplineStrength> strength;
    std::optional<RequestError> error;
};
StrengthAnswer runStrength(const document::SplineDocument& spline, const StrengthRequest& request,
                           InputNaming naming);

}  // namespace quillon::cli
