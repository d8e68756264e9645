#include "quillon/cli/connection_request.h"

#include <algorithm>

#include "quillon/engine/designation.h"
#include "quillon/textio/strict_number.h"

namespace quillon::cli {
namespace {

using engine::SplineKind;

// In the order of ConnectionInput.
constexpr textio::Quantity kRows[] = {
    {.key = "fit",
     .option = "--fit",
     .caption = "内花键公差/外花键公差",
     .valueName = "配合",
     .help = "，例如 9H/8f：两个零件的极限和侧隙；\n含配合的标记 "
             "\"DIN 5480 - 50 x 2 x 30 x 24 x 9H/8f\" 自带配合"},
    {.key = "measured_w",
     .option = "--measured-w",
     .caption = "实测公法线长度 W",
     .unit = "mm",
     .range = textio::kAboveZero,
     .help = "：换算为实际齿厚并对照极限（外花键）"},
    {.key = "measured_m",
     .option = "--measured-m",
     .caption = "实测跨棒距 M",
     .unit = "mm",
     .range = textio::kAboveZero,
     .help = "：换算为实际齿厚或齿槽宽并对照极限"},
};

constexpr ConnectionInput kInputs[] = {ConnectionInput::Fit, ConnectionInput::MeasuredW,
                                       ConnectionInput::MeasuredM};

std::string nameOf(const textio::Quantity& row, InputNaming naming) {
    return std::string(naming == InputNaming::Option ? row.option : row.key);
}

std::string nameOf(ConnectionInput input, InputNaming naming) {
    return nameOf(connectionInputRow(input), naming);
}

std::string nameOf(std::string_view splineColumn, InputNaming naming) {
    return nameOf(findInputByColumn(splineColumn)->quantity, naming);
}

RequestError badValue(std::string message) {
    return {RequestError::Kind::BadValue, std::move(message)};
}

RequestError badValue(ConnectionInput input, const std::string& text, InputNaming naming,
                      std::string_view why) {
    return badValue(nameOf(input, naming) + " 的值“" + text + "”" + std::string(why));
}

// The fit a connection designation writes ("… x 9H/8f"), and the part it names.
struct DesignationFit {
    std::optional<engine::Fit> fit;
    std::optional<engine::SplineDesignation> part;
};

DesignationFit designationFit(const SplineRequest& spline) {
    const std::string* text = spline.text("designation");
    if (text == nullptr) {
        return {};
    }
    const engine::DesignationParse parsed = engine::parseDesignation(*text);
    return {parsed.fit, parsed.designation};
}

// The fit's class of the spline's part goes into the request, so that the part alone shows the
// limits it has in the connection. A class given otherwise must be the same.
std::optional<RequestError> takeClassOfFit(SplineRequest& spline, const engine::Fit& fit,
                                           const DesignationFit& designation,
                                           const std::string& fitText, InputNaming naming) {
    for (const std::string_view column : {"grade", "series"}) {
        if (spline.text(column) != nullptr) {
            return badValue(nameOf(column, naming) + " 不能与 " +
                            nameOf(ConnectionInput::Fit, naming) + " 同时给出（配合已确定公差）");
        }
    }
    const std::string* kindText = spline.text("kind");
    const SplineKind kind = designation.part                            ? designation.part->kind
                            : kindText != nullptr && *kindText == "hub" ? SplineKind::Internal
                                                                        : SplineKind::External;
    const engine::DesignationTolerance own = kind == SplineKind::Internal ? fit.hub : fit.shaft;
    if (designation.part && designation.part->tolerance) {
        if (*designation.part->tolerance == own) {
            return std::nullopt;
        }
        return badValue(ConnectionInput::Fit, fitText, naming,
                        "与 " + nameOf("designation", naming) + " 的公差 " +
                            engine::printTolerance(*designation.part->tolerance) + " 不符");
    }
    spline.given.push_back({findInputByColumn("grade"), std::to_string(own.grade)});
    spline.given.push_back({findInputByColumn("series"), std::string(1, own.series)});
    return std::nullopt;
}

}  // namespace

std::span<const textio::Quantity> connectionInputRows() {
    return kRows;
}

const textio::Quantity& connectionInputRow(ConnectionInput input) {
    return kRows[static_cast<std::size_t>(input)];
}

std::optional<ConnectionInput> connectionInputByOption(std::string_view option) {
    const auto it = std::ranges::find(
        kInputs, option, [](ConnectionInput input) { return connectionInputRow(input).option; });
    return it == std::end(kInputs) ? std::nullopt : std::optional(*it);
}

std::optional<ConnectionInput> connectionInputByColumn(std::string_view column) {
    const auto it = std::ranges::find(
        kInputs, column, [](ConnectionInput input) { return connectionInputRow(input).key; });
    return it == std::end(kInputs) ? std::nullopt : std::optional(*it);
}

ConnectionCheck checkConnection(SplineRequest& spline, const ConnectionRequest& request,
                                const engine::Edition& edition, InputNaming naming) {
    const DesignationFit written = designationFit(spline);
    if (request.given.empty() && !written.fit) {
        return {};
    }
    if (!edition.hasTolerances()) {
        const std::string what = request.given.empty()
                                     ? nameOf("designation", naming) + " 中的配合"
                                     : nameOf(request.given[0].first, naming) + " ";
        return {{}, badValue(what + "只用于公差版（简化版不计公差）")};
    }
    ConnectionCheck check;
    check.plan.fit = written.fit;
    for (const auto& [input, text] : request.given) {
        if (input == ConnectionInput::Fit) {
            if (written.fit) {
                return {{},
                        badValue(nameOf(input, naming) + " 不能与 " +
                                 nameOf("designation", naming) + " 同时给出（标记已确定配合）")};
            }
            const document::FitReading reading = document::readFit(text);
            if (!reading.fit) {
                return {{}, badValue(input, text, naming, "不是有效的配合：" + reading.reason)};
            }
            if (auto error = takeClassOfFit(spline, *reading.fit, written, text, naming)) {
                return {{}, error};
            }
            check.plan.fit = reading.fit;
            continue;
        }
        if (check.plan.measured) {
            return {{},
                    badValue(nameOf(ConnectionInput::MeasuredW, naming) + " 不能与 " +
                             nameOf(ConnectionInput::MeasuredM, naming) + " 同时给出")};
        }
        const auto value = textio::strictNumber(text);
        if (!value) {
            return {{}, badValue(input, text, naming, textio::kNotANumber)};
        }
        if (const std::string why = textio::rangeProblem(connectionInputRow(input), *value);
            !why.empty()) {
            return {{}, badValue(input, text, naming, "：" + why)};
        }
        check.plan.measured = ConnectionPlan::Measured{input, *value, text};
    }
    return check;
}

ConnectionRun runConnection(const document::SplineDocument& spline, const ConnectionPlan& plan,
                            InputNaming naming) {
    ConnectionAnswer answer;
    if (plan.fit) {
        document::ConnectionResult result =
            document::connection(spline, engine::printFit(*plan.fit));
        if (!result.connection) {
            return {std::nullopt, RequestError{RequestError::Kind::Rejected,
                                               "不能计算配合：" + result.refusal, true}};
        }
        answer.connection = std::move(result.connection);
    }
    if (plan.measured) {
        const SplineKind kind = spline.form().selectedKind().value_or(SplineKind::External);
        document::PartSizesResult own;
        if (answer.connection) {
            own.part = answer.connection->part(kind);
        } else {
            own = document::partSizes(spline);
        }
        if (!own.part) {
            return {std::nullopt, RequestError{RequestError::Kind::Rejected,
                                               "不能换算测量值：" + own.refusal, true}};
        }
        const auto from = plan.measured->input == ConnectionInput::MeasuredW
                              ? document::MeasuredQuantity::W
                              : document::MeasuredQuantity::M;
        const document::MeasuredSizeResult size =
            document::measuredSize(*own.part, from, plan.measured->value);
        if (!size.size) {
            return {std::nullopt, badValue(plan.measured->input, plan.measured->text, naming,
                                           "：" + size.refusal)};
        }
        answer.measurement = Measurement{kind, from, plan.measured->value, *size.size};
    }
    return {std::move(answer), std::nullopt};
}

}  // namespace quillon::cli
