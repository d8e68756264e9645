#include "quillon/engine/fit.h"

#include <array>

#include "quillon/textio/text_cursor.h"

namespace quillon::engine {
namespace {

using textio::trimmed;

constexpr std::array<std::string_view, 2> kSlashes = {"/", "／"};
constexpr char kExample[] = "如 9H/8f（内花键在前，外花键在后）";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

class FitReader final : public textio::TextCursor {
  public:
    using TextCursor::TextCursor;

    // A grade (digits; a long run of them reads as a grade out of range) and a letter.
    std::optional<DesignationTolerance> readClass() {
        int grade = 0;
        bool digits = false;
        while (!atEnd() && isDigit(text_[pos_])) {
            grade = grade > 99 ? grade : grade * 10 + (text_[pos_] - '0');
            digits = true;
            ++pos_;
        }
        skipBlanks();
        if (!digits || atEnd() || !isLetter(text_[pos_])) {
            return std::nullopt;
        }
        return DesignationTolerance{grade, text_[pos_++]};
    }
};

FitParse refused(FitProblem problem, std::string reason) {
    return {std::nullopt, problem, std::move(reason)};
}

bool gradeKnown(int grade) {
    return grade >= kLowestGrade && grade <= kHighestGrade;
}

}  // namespace

FitParse parseFit(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) {
        return refused(FitProblem::Empty, std::string("未给出配合，") + kExample);
    }
    const std::string unreadable =
        "无法识别配合“" + std::string(text) + "”，应写作两个公差带，" + kExample;
    FitReader reader(text);
    const auto hub = reader.readClass();
    if (!hub) {
        return refused(FitProblem::Unreadable, unreadable);
    }
    reader.skipBlanks();
    if (reader.atEnd()) {
        return refused(FitProblem::OneClass, "配合只有一个公差带 " + printTolerance(*hub) +
                                                 "，需要内花键和外花键各一个，" + kExample);
    }
    reader.takeAny(kSlashes);
    reader.skipBlanks();
    const auto shaft = reader.readClass();
    reader.skipBlanks();
    if (!shaft || !reader.atEnd()) {
        return refused(FitProblem::Unreadable, unreadable);
    }
    for (const DesignationTolerance& part : {*hub, *shaft}) {
        if (!gradeKnown(part.grade)) {
            return refused(FitProblem::Grade, "公差等级 " + std::to_string(part.grade) + " 不在 " +
                                                  std::to_string(kLowestGrade) + " 至 " +
                                                  std::to_string(kHighestGrade) + " 之间");
        }
    }
    if (!isUpper(hub->series)) {
        return refused(FitProblem::HubCase, "内花键的公差带 " + printTolerance(*hub) +
                                                " 应写大写字母，写在前面，" + kExample);
    }
    if (isUpper(shaft->series)) {
        return refused(FitProblem::ShaftCase, "外花键的公差带 " + printTolerance(*shaft) +
                                                  " 应写小写字母，写在后面，" + kExample);
    }
    return {Fit{*hub, *shaft}, FitProblem::None, {}};
}

std::string printTolerance(const DesignationTolerance& tolerance) {
    return std::to_string(tolerance.grade) + tolerance.series;
}

std::string printFit(const Fit& fit) {
    return printTolerance(fit.hub) + "/" + printTolerance(fit.shaft);
}

}  // namespace quillon::engine
