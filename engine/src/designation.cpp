#include "quillon/engine/designation.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

#include "profile_shift_range.h"
#include "quillon/engine/display_decimals.h"
#include "quillon/engine/edition.h"
#include "quillon/engine/field_text.h"
#include "quillon/textio/text_cursor.h"

namespace quillon::engine {
namespace {

using textio::kBlanks;
using textio::trimmed;

// The addendum of the DIN 5480 basic rack that the reference diameter adds: 0.55·m on each side.
constexpr double kReferenceAllowance = 1.1;

// The profile shifts (shaft sign) of the DIN 5480 sizes.
constexpr double kStandardShiftLow = -0.05;
constexpr double kStandardShiftHigh = 0.45;
// The pressure angle of DIN 5480, which a three-number designation may give in place of z.
constexpr double kStandardPressureAngle = 30;
// x is judged to nine decimals, which absorbs the rounding of dB's computation from z, m and x.
constexpr int kJudgedShiftDecimals = 9;

// Separators between the numbers, as typed on a keyboard or copied from a drawing (UTF-8).
constexpr std::array<std::string_view, 4> kSeparators = {"x", "X", "×", "*"};
constexpr std::array<std::string_view, 4> kDashes = {"-", "–", "—", "－"};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
char toLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
char toUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// x = (dB - m·z - 1.1·m)/(2·m), shaft sign.
double shaftShift(double referenceDiameter, double module, double teeth) {
    return (referenceDiameter - module * teeth - kReferenceAllowance * module) / (2 * module);
}

// The shift as it is judged against a range: to nine decimals.
double judgedShift(double referenceDiameter, double module, double teeth) {
    return roundHalfEven(shaftShift(referenceDiameter, module, teeth), kJudgedShiftDecimals);
}

bool isStandardShift(double shaftSignShift) {
    return kStandardShiftLow <= shaftSignShift && shaftSignShift <= kStandardShiftHigh;
}

// Does the number print as 0 in a designation?
bool printsAsZero(double value) {
    return shortDecimal(value, kLengthDecimals) == "0";
}

// "+0.45", "-0.05": a shift with its sign, as the notes name the range.
std::string signedShift(double shift) {
    return (shift > 0 ? "+" : "") + shortDecimal(shift, kShiftDecimals);
}

std::string standardShiftRange(SplineKind kind) {
    const double low = kindSign(kind) * kStandardShiftLow;
    const double high = kindSign(kind) * kStandardShiftHigh;
    return signedShift(std::min(low, high)) + " 至 " + signedShift(std::max(low, high));
}

// A number as it stands in a designation: digits, optionally a decimal mark ("." or ",") and more
// digits. No sign, no exponent.
struct DesignationNumber {
    double value = 0;
    bool whole = true;
};

// Reads a designation from left to right; every read either consumes its part or leaves the
// position where it failed.
class DesignationReader final : textio::TextCursor {
  public:
    explicit DesignationReader(std::string_view text) : TextCursor(text) {}

    DesignationParse read() {
        skipBlanks();
        if (!readPrefix() || !readKind()) {
            return failure();
        }
        std::vector<DesignationNumber> numbers;
        std::optional<DesignationTolerance> tolerance;
        if (!readNumbersAndTolerance(numbers, tolerance)) {
            if (!kindGiven_ && fitReason_.empty()) {
                pos_ = kindPosition_;  // not a connection: the part letter is missing
            }
            return failure(fitReason_);
        }
        if (numbers.size() < 2) {
            return failure();
        }
        if (!kindGiven_ && !fit_) {
            pos_ = kindPosition_;  // only a connection may leave out the part letter
            return failure();
        }
        if (fit_) {
            tolerance = kind_ == SplineKind::External ? fit_->shaft : fit_->hub;
        }
        // From here the numbers are all there; where they do not name a spline, the whole text is
        // at fault.
        pos_ = 0;
        SplineDesignation designation;
        designation.kind = kind_;
        designation.referenceDiameter = numbers[0].value;
        designation.module = numbers[1].value;
        designation.tolerance = tolerance;
        if (printsAsZero(designation.referenceDiameter)) {
            return failure("基准直径 dB 小于 0.0005 mm");
        }
        if (printsAsZero(designation.module)) {
            return failure("模数 m 小于 0.0005 mm");
        }
        const std::optional<DesignationNumber> teeth = teethNumber(numbers, designation);
        if (!teeth) {
            return withCandidates(designation);
        }
        if (!teeth->whole || teeth->value < 1) {
            return failure("齿数 z 不是正整数");
        }
        designation.teeth = teeth->value;
        return {designation, {}, {}, {}, fit_};
    }

  private:
    // The number that gives z, if any, and α where the numbers give it (see parseDesignation).
    static std::optional<DesignationNumber> teethNumber(
        const std::vector<DesignationNumber>& numbers, SplineDesignation& designation) {
        if (numbers.size() == 4) {
            designation.pressureAngle = numbers[2].value;
            return numbers[3];
        }
        if (numbers.size() == 2) {
            return std::nullopt;
        }
        const DesignationNumber& third = numbers[2];
        const bool acceptedTeeth =
            third.whole && third.value >= 1 &&
            profileShiftAccepted(
                judgedShift(designation.referenceDiameter, designation.module, third.value),
                SplineKind::External, Edition::tolerance().profileShiftBound);
        if (!acceptedTeeth && third.value == kStandardPressureAngle) {
            designation.pressureAngle = third.value;
            return std::nullopt;
        }
        return third;
    }

    DesignationParse withCandidates(const SplineDesignation& designation) const {
        DesignationParse parse;
        for (int teeth : teethCandidates(designation.referenceDiameter, designation.module)) {
            SplineDesignation candidate = designation;
            candidate.teeth = teeth;
            parse.candidates.push_back(candidate);
        }
        if (parse.candidates.empty()) {
            return failure("没有齿数 z 能使这一尺寸成为 DIN 5480 标准尺寸（变位系数 x 在 " +
                           standardShiftRange(SplineKind::External) + " 之间），请给出齿数");
        }
        if (parse.candidates.size() == 1) {
            parse.designation = parse.candidates.front();
        }
        parse.fit = fit_;
        return parse;
    }

    // "DIN 5480 -", every part of it optional but in this order.
    bool readPrefix() {
        const std::string_view r = rest();
        if (r.size() >= 3 && toLower(r[0]) == 'd' && toLower(r[1]) == 'i' && toLower(r[2]) == 'n') {
            pos_ += 3;
            skipBlanks();
            if (!take("5480")) {
                return false;
            }
            skipBlanks();
        }
        if (takeAny(kDashes)) {
            skipBlanks();
        }
        return true;
    }

    // W or N; a connection may leave it out (the numbers follow at once).
    bool readKind() {
        kindPosition_ = pos_;
        if (atEnd()) {
            return false;
        }
        if (isDigit(text_[pos_])) {
            kindGiven_ = false;
            return true;
        }
        const char letter = toLower(text_[pos_]);
        if (letter != 'w' && letter != 'n') {
            return false;
        }
        kind_ = letter == 'w' ? SplineKind::External : SplineKind::Internal;
        ++pos_;
        return true;
    }

    std::optional<DesignationNumber> readNumber() {
        const std::size_t start = pos_;
        std::string digits;
        while (!atEnd() && isDigit(text_[pos_])) {
            digits.push_back(text_[pos_++]);
        }
        if (digits.empty()) {
            pos_ = start;
            return std::nullopt;
        }
        bool whole = true;
        if (!atEnd() && (text_[pos_] == '.' || text_[pos_] == ',') && pos_ + 1 < text_.size() &&
            isDigit(text_[pos_ + 1])) {
            digits.push_back('.');
            ++pos_;
            while (!atEnd() && isDigit(text_[pos_])) {
                if (text_[pos_] != '0') {
                    whole = false;
                }
                digits.push_back(text_[pos_++]);
            }
        }
        double value = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(),
                                                  value, std::chars_format::fixed);
        if (error != std::errc{} || end != digits.data() + digits.size() || !std::isfinite(value)) {
            pos_ = start;
            return std::nullopt;
        }
        return DesignationNumber{value, whole};
    }

    // A grade and its series letter ("8f", "8 f") and nothing after them.
    bool readTolerance(std::optional<DesignationTolerance>& tolerance) {
        if (!fitReason_.empty()) {
            return false;
        }
        const std::size_t start = pos_;
        const auto grade = readNumber();
        if (!grade || !grade->whole || grade->value < kLowestGrade ||
            grade->value > kHighestGrade) {
            pos_ = start;
            return false;
        }
        skipBlanks();
        if (atEnd() || !isLetter(text_[pos_])) {
            pos_ = start;
            return false;
        }
        const char letter = text_[pos_++];
        skipBlanks();
        if (!atEnd()) {
            return false;
        }
        const char series = kind_ == SplineKind::External ? toLower(letter) : toUpper(letter);
        tolerance = DesignationTolerance{static_cast<int>(grade->value), series};
        return true;
    }

    // Both classes of a connection to the end of the text. A fit that reads but is at fault stops
    // the reading with its reason; one class is left to readTolerance.
    bool readFit() {
        const FitParse parse = parseFit(rest());
        if (parse.fit) {
            fit_ = parse.fit;
            pos_ = text_.size();
            return true;
        }
        if (parse.problem == FitProblem::Grade || parse.problem == FitProblem::HubCase ||
            parse.problem == FitProblem::ShaftCase) {
            fitReason_ = parse.reason;
        }
        return false;
    }

    // Is the position at a grade followed by a letter, i.e. a tolerance and not a number? The
    // letter x, which also separates numbers, is a series only right after the grade at the end.
    bool atTolerance() {
        const std::size_t start = pos_;
        const bool number = readNumber().has_value();
        const bool blank = skipBlanks();
        bool letterFollows = number && !atEnd() && isLetter(text_[pos_]);
        if (letterFollows && toLower(text_[pos_]) == 'x') {
            ++pos_;
            skipBlanks();
            letterFollows = !blank && atEnd();
        }
        pos_ = start;
        return letterFollows;
    }

    bool readNumbersAndTolerance(std::vector<DesignationNumber>& numbers,
                                 std::optional<DesignationTolerance>& tolerance) {
        skipBlanks();
        for (;;) {
            if (numbers.size() >= 2 && atTolerance()) {
                return readFit() || readTolerance(tolerance);
            }
            if (numbers.size() == 4) {
                return false;  // a fifth number
            }
            const auto number = readNumber();
            if (!number) {
                return false;
            }
            numbers.push_back(*number);
            const bool blank = skipBlanks();
            if (atEnd()) {
                return true;
            }
            if (takeAny(kSeparators)) {
                skipBlanks();
            } else if (!(blank && numbers.size() >= 2 && atTolerance())) {
                return false;
            }
        }
    }

    DesignationParse failure(std::string reason = {}) const {
        std::string_view unrecognised = trimmed(rest());
        if (unrecognised.empty()) {
            unrecognised = trimmed(text_);  // the text ended too early
        }
        return {std::nullopt, std::string(unrecognised), {}, std::move(reason), std::nullopt};
    }

    SplineKind kind_ = SplineKind::External;
    bool kindGiven_ = true;
    std::size_t kindPosition_ = 0;
    std::optional<Fit> fit_;
    std::string fitReason_;  // why a fit that reads is refused
};

constexpr std::string_view kBetween = " x ";

// "50 x 2 x 30 x 24": dB, m, α and z.
std::string printSize(const SplineDesignation& designation) {
    std::string text = shortDecimal(designation.referenceDiameter, kLengthDecimals);
    text.append(kBetween).append(writeNumber(designation.module));
    text.append(kBetween).append(writeNumber(designation.pressureAngle));
    text.append(kBetween).append(writeNumber(designation.teeth));
    return text;
}

// A tolerance grade as the window holds it: the exact text of a whole number from 5 to 12.
std::optional<int> gradeOf(std::string_view text) {
    text = trimmed(text);
    int grade = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), grade);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        grade < kLowestGrade || grade > kHighestGrade) {
        return std::nullopt;
    }
    return grade;
}

}  // namespace

std::optional<DesignationTolerance> toleranceOfForm(const Form& form, SplineKind kind) {
    const auto grade = gradeOf(form.text(Field::grade));
    const std::string letterText = form.text(Field::seriesLetter);
    const std::string_view letter = trimmed(letterText);
    if (!grade || letter.size() != 1 || !isLetter(letter[0])) {
        return std::nullopt;
    }
    const char series = kind == SplineKind::External ? toLower(letter[0]) : toUpper(letter[0]);
    return DesignationTolerance{*grade, series};
}

DesignationParse parseDesignation(std::string_view text) {
    return DesignationReader(text).read();
}

std::vector<int> teethCandidates(double referenceDiameter, double module) {
    std::vector<int> teeth;
    if (!std::isfinite(referenceDiameter) || !std::isfinite(module) || referenceDiameter <= 0 ||
        module <= 0) {
        return teeth;
    }
    // x from -0.05 to +0.45 puts z from dB/m - 2 to dB/m - 1; the slack keeps a z that the
    // division rounds just below a whole number, and judgedShift decides.
    const double highest = std::floor(referenceDiameter / module - 1 + 1e-6);
    if (!(highest >= 1) || highest > std::numeric_limits<int>::max()) {
        return teeth;
    }
    for (double z = std::max(1.0, highest - 2); z <= highest; ++z) {
        if (isStandardShift(judgedShift(referenceDiameter, module, z))) {
            teeth.push_back(static_cast<int>(z));
        }
    }
    return teeth;
}

std::vector<std::string> sizeNotes(const SplineDesignation& designation) {
    std::vector<std::string> notes;
    const double shift =
        judgedShift(designation.referenceDiameter, designation.module, designation.teeth);
    if (!std::isfinite(shift) || !std::isfinite(designation.referenceDiameter)) {
        return notes;  // not a spline: parseDesignation and designationOfForm refuse it
    }
    if (!isStandardShift(shift)) {
        notes.push_back(
            "变位系数 x = " + shortDecimal(kindSign(designation.kind) * shift, kShiftDecimals) +
            " 不在 " + standardShiftRange(designation.kind) + " 之间，不是 DIN 5480 的标准尺寸");
    }
    const std::string diameter = shortDecimal(designation.referenceDiameter, kLengthDecimals);
    if (diameter.find('.') != std::string::npos) {
        notes.push_back("基准直径 dB = " + diameter +
                        " mm 不是整毫米数，DIN 5480 的标准尺寸都是整毫米数");
    }
    return notes;
}

std::string printDesignation(const SplineDesignation& designation) {
    std::string text = "DIN 5480 - ";
    text += designation.kind == SplineKind::External ? 'W' : 'N';
    text += ' ';
    text += printSize(designation);
    if (designation.tolerance) {
        text.append(kBetween).append(std::to_string(designation.tolerance->grade));
        text += designation.tolerance->series;
    }
    return text;
}

std::string printConnectionDesignation(const SplineDesignation& designation, const Fit& fit) {
    return "DIN 5480 - " + printSize(designation) + std::string(kBetween) + printFit(fit);
}

double referenceDiameter(SplineKind kind, double module, double teeth, double shift) {
    return module * teeth + kindSign(kind) * 2 * shift * module + kReferenceAllowance * module;
}

double profileShift(const SplineDesignation& d) {
    return kindSign(d.kind) * shaftShift(d.referenceDiameter, d.module, d.teeth);
}

std::string shortDecimal(double value, int decimals) {
    std::string text = formatNumber(value, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

FormDesignation designationOfForm(const Form& form, bool withTolerance) {
    const auto kind = form.selectedKind();
    if (!kind) {
        return {std::nullopt, "未选择花键类型"};
    }
    const auto number = [&form](Field field) {
        return quillon::engine::readNumber(form.text(field));
    };
    if (number(Field::beta) != 0) {
        return {std::nullopt, "斜齿花键（β ≠ 0）没有 DIN 5480 标记"};
    }
    SplineDesignation designation;
    designation.kind = *kind;
    designation.teeth = number(Field::z);
    designation.module = number(Field::m);
    designation.pressureAngle = number(Field::alpha);
    const double shift = number(Field::x);
    if (!std::isfinite(designation.teeth) || designation.teeth < 1 ||
        designation.teeth != std::floor(designation.teeth)) {
        return {std::nullopt, "齿数 z 不是正整数"};
    }
    if (!std::isfinite(designation.module) || designation.module <= 0) {
        return {std::nullopt, "模数 m 不是正数"};
    }
    if (!std::isfinite(designation.pressureAngle) || designation.pressureAngle <= 0) {
        return {std::nullopt, "压力角 α 不是正数"};
    }
    designation.referenceDiameter =
        referenceDiameter(*kind, designation.module, designation.teeth, shift);
    if (!std::isfinite(designation.referenceDiameter) || designation.referenceDiameter <= 0) {
        return {std::nullopt, "变位系数 x 使基准直径不为正"};
    }
    if (withTolerance) {
        designation.tolerance = toleranceOfForm(form, *kind);
    }
    return {designation, {}};
}

}  // namespace quillon::engine
