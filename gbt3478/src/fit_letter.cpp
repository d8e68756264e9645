#include "quillon/gbt3478/fit_letter.h"

#include <array>
#include <string>

namespace quillon::gbt3478 {
namespace {

struct LetterName {
    FitLetter letter;
    std::string_view text;
};
constexpr std::array<LetterName, 7> kLetters = {{{FitLetter::H, "H"},
                                                 {FitLetter::k, "k"},
                                                 {FitLetter::js, "js"},
                                                 {FitLetter::h, "h"},
                                                 {FitLetter::f, "f"},
                                                 {FitLetter::e, "e"},
                                                 {FitLetter::d, "d"}}};

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

}  // namespace

std::string_view letterText(FitLetter letter) {
    for (const LetterName& name : kLetters) {
        if (name.letter == letter) {
            return name.text;
        }
    }
    return {};
}

bool isLetterOf(FitLetter letter, engine::SplineKind kind) {
    return (letter == FitLetter::H) == (kind == engine::SplineKind::Internal);
}

std::optional<FitLetter> fitLetterOf(std::string_view text, engine::SplineKind kind) {
    const std::string lower = lowerCase(text);
    if (kind == engine::SplineKind::Internal) {
        return lower == "h" ? std::optional(FitLetter::H) : std::nullopt;
    }
    for (const LetterName& name : kLetters) {
        if (name.letter != FitLetter::H && name.text == lower) {
            return name.letter;
        }
    }
    return std::nullopt;
}

}  // namespace quillon::gbt3478
