#pragma once

#include <optional>
#include <string_view>

#include "quillon/engine/spline_kind.h"

namespace quillon::gbt3478 {

// The fit letter: H for a hub (the space width starts at the basic size), k, js, h, f, e or d for
// a shaft (the tooth thickness's fundamental deviation, from above the basic size to well below).
enum class FitLetter { H, k, js, h, f, e, d };

// "H", "k", "js", ...: as the letter is written.
std::string_view letterText(FitLetter letter);

// The letter a text names, in the case of the kind ("h" on a hub is H, "H" on a shaft is h);
// none for a text that names no letter of that kind.
std::optional<FitLetter> fitLetterOf(std::string_view text, engine::SplineKind kind);

// Is the letter one of the kind's (H for a hub, the others for a shaft)?
bool isLetterOf(FitLetter letter, engine::SplineKind kind);

}  // namespace quillon::gbt3478
