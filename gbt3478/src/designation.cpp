#include "quillon/gbt3478/designation.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "quillon/engine/designation.h"
#include "quillon/gbt3478/input_check.h"
#include "quillon/textio/text_cursor.h"

namespace quillon::gbt3478 {
namespace {

using textio::trimmed;

// The module is printed to six decimals; a module that prints as 0 would not read back.
constexpr int kModuleDecimals = 6;
// Larger numbers of teeth or classes are no spline; they would not fit an int either.
constexpr double kMostTeeth = 1e6;
constexpr double kHighestClassRead = 99;

constexpr std::string_view kTimes = "×";
constexpr std::string_view kStandard = "GB/T 3478.1";

// Written between the numbers, as typed on a keyboard or copied from a drawing (UTF-8).
constexpr std::array<std::string_view, 4> kTimesSigns = {"×", "x", "X", "*"};
// Before the year of the standard: "GB/T 3478.1-2008", "GB/T 3478.1—2008", "ISO 4156-1:2005".
constexpr std::array<std::string_view, 5> kYearMarks = {"-", "–", "—", "－", ":"};

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

struct Number {
    double value = 0;
    bool whole = true;
};

// The angle with its root as the designation writes it: "30P", "30R", "37.5", "45".
std::string angleText(double pressureAngle, Root root) {
    std::string text = engine::shortDecimal(pressureAngle, 3);
    if (pressureAngle == 30) {
        text += root == Root::Flat ? "P" : "R";
    }
    return text;
}

std::string classAndFitText(const ClassAndFit& t) {
    return std::to_string(t.toleranceClass) + std::string(letterText(t.fit));
}

// Reads from left to right; every read either consumes its part or leaves the position where it
// failed.
class Reader final : textio::TextCursor {
  public:
    explicit Reader(std::string_view text) : TextCursor(text) {}

    DesignationParse read() {
        skipBlanks();
        const bool standardFirst = readStandard();
        skipBlanks();
        if (!readKind()) {
            return failure();
        }
        Designation d;
        d.kind = kind_;
        if (!readSize(d) || !readTolerances(d)) {
            return failure();
        }
        skipBlanks();
        if (!standardFirst && readStandard()) {
            skipBlanks();
        }
        if (!atEnd() || !reason_.empty()) {
            return failure();
        }
        return judged(d);
    }

  private:
    // The parts read; now the values must name a spline.
    DesignationParse judged(const Designation& d) const {
        std::vector<std::string> problems;
        for (const SplineInput& input : inputsOf(d)) {
            for (const std::string& problem : checkInput(input).problems) {
                if (std::find(problems.begin(), problems.end(), problem) == problems.end()) {
                    problems.push_back(problem);
                }
            }
        }
        std::string reason;
        for (const std::string& problem : problems) {
            reason += (reason.empty() ? "" : "；") + problem;
        }
        if (!reason.empty()) {
            return wholeTextFailure(reason);
        }
        return {d, {}, {}};
    }

    bool readSize(Designation& d) {
        const auto z = readNumber();
        if (!z || !takeLetter('z') || !readTimes()) {
            return false;
        }
        const auto m = readNumber();
        if (!m || !takeLetter('m') || !readTimes()) {
            return false;
        }
        const auto alpha = readNumber();
        if (!alpha) {
            return false;
        }
        d.pressureAngle = alpha->value;
        d.root = Root::Fillet;
        if (takeLetter('p')) {
            d.root = Root::Flat;
        } else if (!takeLetter('r') && alpha->value == 30) {
            reason_ = "压力角 30° 须写明齿根：30P（平齿根）或 30R（圆齿根）";
        }
        if (!readTimes()) {
            return false;
        }
        if (!z->whole || z->value < 1 || z->value > kMostTeeth) {
            reason_ = "齿数 z 不是正整数";
        } else if (engine::shortDecimal(m->value, kModuleDecimals) == "0") {
            reason_ = "模数 m 小于 0.0000005 mm";
        }
        d.z = reason_.empty() ? static_cast<int>(z->value) : 0;
        d.module = m->value;
        return true;
    }

    bool readTolerances(Designation& d) {
        const SplineKind first =
            kind_ == DesignationKind::External ? SplineKind::External : SplineKind::Internal;
        const auto firstTolerance = readClassAndFit(first);
        if (!firstTolerance) {
            return false;
        }
        (first == SplineKind::Internal ? d.hub : d.shaft) = firstTolerance;
        if (kind_ != DesignationKind::Pair) {
            return true;
        }
        skipBlanks();
        if (!take("/")) {
            return false;
        }
        skipBlanks();
        d.shaft = readClassAndFit(SplineKind::External);
        return d.shaft.has_value();
    }

    // "5H", "6 js": a class and a fit letter of the kind.
    std::optional<ClassAndFit> readClassAndFit(SplineKind kind) {
        const std::size_t start = pos_;
        const auto toleranceClass = readNumber();
        if (!toleranceClass || !toleranceClass->whole ||
            toleranceClass->value > kHighestClassRead) {
            pos_ = start;
            return std::nullopt;
        }
        skipBlanks();
        const std::size_t letterStart = pos_;
        while (!atEnd() && isLetter(text_[pos_])) {
            ++pos_;
        }
        const auto fit = fitLetterOf(text_.substr(letterStart, pos_ - letterStart), kind);
        if (!fit) {
            pos_ = letterStart;
            return std::nullopt;
        }
        return ClassAndFit{static_cast<int>(toleranceClass->value), *fit};
    }

    bool readKind() {
        const auto word = [this](std::string_view name) {
            if (rest().size() < name.size()) {
                return false;
            }
            for (std::size_t i = 0; i < name.size(); ++i) {
                if (lower(text_[pos_ + i]) != name[i]) {
                    return false;
                }
            }
            pos_ += name.size();
            return true;
        };
        if (word("int")) {
            const std::size_t afterInt = pos_;
            skipBlanks();
            if (take("/")) {
                skipBlanks();
                if (word("ext")) {
                    kind_ = DesignationKind::Pair;
                    skipBlanks();
                    return true;
                }
            }
            pos_ = afterInt;
            kind_ = DesignationKind::Internal;
            skipBlanks();
            return true;
        }
        kind_ = DesignationKind::External;
        if (!word("ext")) {
            return false;
        }
        skipBlanks();
        return true;
    }

    // "GB/T 3478.1" or "ISO 4156", with "-1" (ISO) and a year allowed.
    bool readStandard() {
        const std::size_t start = pos_;
        if (takeWord("gb/t")) {
            skipBlanks();
            if (take("3478.1")) {
                readYear();
                return true;
            }
        } else if (takeWord("iso")) {
            skipBlanks();
            if (take("4156")) {
                const std::size_t beforePart = pos_;
                if (!(take("-1") && (atEnd() || !isDigit(text_[pos_])))) {
                    pos_ = beforePart;
                }
                readYear();
                return true;
            }
        }
        pos_ = start;
        return false;
    }

    void readYear() {
        const std::size_t start = pos_;
        skipBlanks();
        if (takeAny(kYearMarks)) {
            skipBlanks();
            std::size_t digits = 0;
            while (!atEnd() && isDigit(text_[pos_])) {
                ++pos_;
                ++digits;
            }
            if (digits == 4) {
                return;
            }
        }
        pos_ = start;
    }

    bool readTimes() {
        skipBlanks();
        if (!takeAny(kTimesSigns)) {
            return false;
        }
        skipBlanks();
        return true;
    }

    // A letter in either case after optional blanks.
    bool takeLetter(char letter) {
        const std::size_t start = pos_;
        skipBlanks();
        if (!atEnd() && lower(text_[pos_]) == letter) {
            ++pos_;
            return true;
        }
        pos_ = start;
        return false;
    }

    bool takeWord(std::string_view word) {
        if (rest().size() < word.size()) {
            return false;
        }
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (lower(text_[pos_ + i]) != word[i]) {
                return false;
            }
        }
        pos_ += word.size();
        return true;
    }

    // Digits, optionally a decimal mark ("." or ",") and more digits; no sign, no exponent.
    std::optional<Number> readNumber() {
        const std::size_t start = pos_;
        std::string digits;
        Number number;
        while (!atEnd() && isDigit(text_[pos_])) {
            digits.push_back(text_[pos_++]);
        }
        if (!digits.empty() && !atEnd() && (text_[pos_] == '.' || text_[pos_] == ',') &&
            pos_ + 1 < text_.size() && isDigit(text_[pos_ + 1])) {
            digits.push_back('.');
            ++pos_;
            while (!atEnd() && isDigit(text_[pos_])) {
                number.whole = number.whole && text_[pos_] == '0';
                digits.push_back(text_[pos_++]);
            }
        }
        const char* end = digits.data() + digits.size();
        const auto [stop, error] =
            std::from_chars(digits.data(), end, number.value, std::chars_format::fixed);
        if (digits.empty() || error != std::errc{} || stop != end || !std::isfinite(number.value)) {
            pos_ = start;
            return std::nullopt;
        }
        return number;
    }

    DesignationParse failure() const {
        if (!reason_.empty()) {
            return wholeTextFailure(reason_);
        }
        std::string_view unrecognised = trimmed(rest());
        if (unrecognised.empty()) {
            unrecognised = trimmed(text_);  // the text ended too early
        }
        return {std::nullopt, std::string(unrecognised), {}};
    }

    DesignationParse wholeTextFailure(std::string reason) const {
        return {std::nullopt, std::string(trimmed(text_)), std::move(reason)};
    }

    DesignationKind kind_ = DesignationKind::Internal;
    std::string reason_;  // the parts read, but one of them names no spline
};

}  // namespace

DesignationParse parseDesignation(std::string_view text) {
    return Reader(text).read();
}

std::string printDesignation(const Designation& d) {
    std::string kind = d.kind == DesignationKind::Internal   ? "INT"
                       : d.kind == DesignationKind::External ? "EXT"
                                                             : "INT/EXT";
    std::string tolerance;
    if (d.hub) {
        tolerance = classAndFitText(*d.hub);
    }
    if (d.shaft) {
        tolerance += (tolerance.empty() ? "" : "/") + classAndFitText(*d.shaft);
    }
    return kind + " " + std::to_string(d.z) + "z" + std::string(kTimes) +
           engine::shortDecimal(d.module, kModuleDecimals) + "m" + std::string(kTimes) +
           angleText(d.pressureAngle, d.root) + std::string(kTimes) + tolerance + " " +
           std::string(kStandard);
}

Designation designationOf(const SplineInput& s) {
    Designation d;
    d.kind = s.kind == SplineKind::Internal ? DesignationKind::Internal : DesignationKind::External;
    d.z = s.z;
    d.module = s.module;
    d.pressureAngle = s.pressureAngle;
    d.root = s.root;
    (s.kind == SplineKind::Internal ? d.hub : d.shaft) = ClassAndFit{s.toleranceClass, s.fit};
    return d;
}

std::optional<Designation> designationOf(const SplineInput& hub, const SplineInput& shaft) {
    if (hub.kind != SplineKind::Internal || shaft.kind != SplineKind::External ||
        hub.z != shaft.z || hub.module != shaft.module ||
        hub.pressureAngle != shaft.pressureAngle || hub.root != shaft.root) {
        return std::nullopt;
    }
    Designation d = designationOf(hub);
    d.kind = DesignationKind::Pair;
    d.shaft = ClassAndFit{shaft.toleranceClass, shaft.fit};
    return d;
}

std::vector<SplineInput> inputsOf(const Designation& d) {
    std::vector<SplineInput> inputs;
    const auto add = [&](SplineKind kind, const std::optional<ClassAndFit>& tolerance) {
        if (tolerance) {
            inputs.push_back({kind, d.z, d.module, d.pressureAngle, d.root,
                              tolerance->toleranceClass, tolerance->fit, std::nullopt,
                              std::nullopt});
        }
    };
    add(SplineKind::Internal, d.hub);
    add(SplineKind::External, d.shaft);
    return inputs;
}

}  // namespace quillon::gbt3478
