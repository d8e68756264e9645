#include "quillon/cli/spline_request.h"

#include <algorithm>
#include <array>

#include "quillon/engine/designation.h"
#include "quillon/engine/run_messages.h"
#include "quillon/textio/strict_number.h"
#include "quillon/tolerance/series_column.h"

namespace quillon::cli {
namespace {

using engine::Field;

// The inputs of one spline as the command line names them (the text output names a field by the
// window's caption, fieldCaption). The defaults are the start texts of a fresh window (startText),
// which a test holds them to.
constexpr std::array<SplineInputName, 12> kInputs = {{
    {{.key = "designation",
      .option = "--designation",
      .caption = "按标记给出种类、齿数、模数、压力角和变位（及公差）",
      .valueName = "标记",
      .help = "，\n例如 \"DIN 5480 - W 50 x 2 x 30 x 24 x 8f\"；可与 --dp、--cn 同用"},
     std::nullopt},
    {{.key = "kind",
      .option = "--kind",
      .caption = "外花键或内花键",
      .defaultText = "shaft",
      .valueName = "shaft|hub"},
     std::nullopt},
    {{.key = "z", .option = "--z", .caption = "齿数"}, Field::z},
    {{.key = "m", .option = "--m", .caption = "模数", .unit = "mm", .defaultText = "1.25"},
     Field::m},
    {{.key = "alpha", .option = "--alpha", .caption = "压力角", .unit = "°", .defaultText = "30"},
     Field::alpha},
    {{.key = "beta", .option = "--beta", .caption = "螺旋角", .unit = "°", .defaultText = "0"},
     Field::beta},
    {{.key = "x", .option = "--x", .caption = "变位系数", .help = "（内花键按窗口的符号）"},
     Field::x},
    {{.key = "cn", .option = "--cn", .caption = "顶隙系数", .defaultText = "0.1"}, Field::cn},
    {{.key = "dp",
      .option = "--dp",
      .caption = "量棒直径",
      .unit = "mm",
      .help = "；未给出时按模数和种类推荐，同窗口"},
     Field::dp},
    {{.key = "ha_star",
      .option = "--ha",
      .caption = "齿顶高系数",
      .defaultText = "0.45",
      .help = "（仅简化版）"},
     Field::haStar},
    {{.key = "grade",
      .option = "--grade",
      .caption = "公差等级",
      .defaultText = "9",
      .help = "（仅公差版）"},
     Field::grade},
    {{.key = "series",
      .option = "--series",
      .caption = "基本偏差代号",
      .defaultText = "H",
      .valueName = "字母",
      .help = "（仅公差版）"},
     Field::seriesLetter},
}};

// The fields a designation writes; a request may not give them beside it (dp and cn it may).
constexpr std::array kSetByDesignation = {"kind", "z", "m", "alpha", "beta", "x"};

std::string nameOf(const SplineInputName& input, InputNaming naming) {
    return std::string(naming == InputNaming::Option ? input.quantity.option : input.quantity.key);
}

RequestError badValue(std::string message) {
    return {RequestError::Kind::BadValue, std::move(message)};
}

std::string valueMessage(const SplineRequest::Given& given, InputNaming naming,
                         std::string_view why) {
    return nameOf(*given.input, naming) + " 的值“" + given.text + "”" + std::string(why);
}

std::optional<RequestError> checkValue(const SplineRequest::Given& given, bool tolerances,
                                       InputNaming naming) {
    const std::string_view column = given.input->quantity.key;
    const bool toleranceInput = column == "grade" || column == "series";
    if (toleranceInput && !tolerances) {
        return badValue(nameOf(*given.input, naming) + " 只用于公差版（简化版不计公差）");
    }
    if (column == "ha_star" && tolerances) {
        return badValue(nameOf(*given.input, naming) +
                        " 只用于简化版（公差版的齿顶高系数固定为 0.45）");
    }
    if (column == "kind") {
        return given.text == "shaft" || given.text == "hub"
                   ? std::nullopt
                   : std::optional(badValue(valueMessage(given, naming, "不是 shaft 或 hub")));
    }
    if (column == "series") {
        return tolerance::seriesColumnForLetter(given.text)
                   ? std::nullopt
                   : std::optional(badValue(valueMessage(given, naming, "不是基本偏差代号")));
    }
    if (given.input->field && !textio::strictNumber(given.text)) {
        return badValue(valueMessage(given, naming, std::string(textio::kNotANumber)));
    }
    return std::nullopt;
}

// The designation of the request, or why it cannot be applied.
struct ReadDesignation {
    std::optional<engine::SplineDesignation> designation;
    std::optional<RequestError> error;
};

ReadDesignation readDesignation(const SplineRequest::Given& given, InputNaming naming) {
    const engine::DesignationParse parsed = engine::parseDesignation(given.text);
    if (parsed.designation) {
        return {parsed.designation, std::nullopt};
    }
    if (parsed.candidates.size() > 1) {
        std::string which;
        for (const auto& candidate : parsed.candidates) {
            which += (which.empty() ? "" : "，") + printDesignation(candidate);
        }
        return {std::nullopt,
                RequestError{RequestError::Kind::Rejected,
                             "标记“" + given.text + "”的齿数不唯一，可选：" + which + "。请用 " +
                                 (naming == InputNaming::Option ? "--z" : "z") + " 给出齿数。"}};
    }
    const std::string why = !parsed.reason.empty()        ? parsed.reason
                            : parsed.unrecognised.empty() ? std::string("（空）")
                                                          : "无法识别“" + parsed.unrecognised + "”";
    return {std::nullopt, badValue(valueMessage(given, naming, "不是有效的标记：" + why))};
}

}  // namespace

std::span<const SplineInputName> splineInputNames() {
    return kInputs;
}

const SplineInputName* findInputByColumn(std::string_view column) {
    const auto it = std::ranges::find_if(
        kInputs, [column](const SplineInputName& i) { return i.quantity.key == column; });
    return it == kInputs.end() ? nullptr : &*it;
}

const SplineInputName* findInputByOption(std::string_view option) {
    const auto it = std::ranges::find_if(
        kInputs, [option](const SplineInputName& i) { return i.quantity.option == option; });
    return it == kInputs.end() ? nullptr : &*it;
}

const std::string* SplineRequest::text(std::string_view column) const {
    const auto it = std::ranges::find_if(
        given, [column](const Given& g) { return g.input->quantity.key == column; });
    return it == given.end() ? nullptr : &it->text;
}

const std::string* stoppingMessage(const std::vector<std::string>& messages) {
    const auto it = std::ranges::find_if(messages, [](const std::string& message) {
        return message == engine::run_messages::kToothCountTooSmall ||
               message == engine::run_messages::kProfileShiftOutsideDin5480;
    });
    return it == messages.end() ? nullptr : &*it;
}

std::optional<RequestError> runRequest(document::SplineDocument& spline,
                                       const SplineRequest& request, InputNaming naming) {
    const bool tolerances = spline.edition().hasTolerances();
    for (const auto& given : request.given) {
        if (auto error = checkValue(given, tolerances, naming)) {
            return error;
        }
    }
    std::optional<engine::SplineDesignation> designation;
    if (const std::string* text = request.text("designation")) {
        const auto read = readDesignation({findInputByColumn("designation"), *text}, naming);
        if (read.error) {
            return read.error;
        }
        designation = read.designation;
        std::vector<std::string_view> contradicted(kSetByDesignation.begin(),
                                                   kSetByDesignation.end());
        if (designation->tolerance && tolerances) {
            contradicted.insert(contradicted.end(), {"grade", "series"});
        }
        for (const auto& given : request.given) {
            if (std::ranges::find(contradicted, given.input->quantity.key) != contradicted.end()) {
                return badValue(nameOf(*given.input, naming) + " 不能与 " +
                                nameOf(*findInputByColumn("designation"), naming) +
                                " 同时给出（标记已确定该值）");
            }
        }
        if (designation->tolerance && tolerances &&
            !tolerance::seriesColumnForLetter(std::string(1, designation->tolerance->series))) {
            return badValue(valueMessage({findInputByColumn("designation"), *text}, naming,
                                         "的基本偏差不在公差表中"));
        }
    }

    if (const std::string* kind = request.text("kind")) {
        spline.selectKind(*kind == "hub" ? engine::SplineKind::Internal
                                         : engine::SplineKind::External);
    }
    if (designation) {
        spline.writeDesignation(*designation);
    }
    for (const auto& given : request.given) {
        if (given.input->field && given.input->quantity.key != "dp") {
            spline.setText(*given.input->field, given.text);
        }
    }
    if (const std::string* dp = request.text("dp")) {
        spline.setText(Field::dp, *dp);
    } else if (!designation) {
        spline.proposePinDiameter();  // as a module pick or a kind click proposes it
    }
    spline.forgetHistory();
    spline.calculate();
    if (const std::string* stop = stoppingMessage(spline.messages())) {
        return RequestError{RequestError::Kind::Rejected, *stop, true};
    }
    return std::nullopt;
}

}  // namespace quillon::cli
