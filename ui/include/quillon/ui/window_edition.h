#pragma once

#include <span>

#include "quillon/engine/edition.h"
#include "quillon/ui/control_layout.h"

namespace quillon::ui {

// Everything that tells the two programs' windows apart: the layout table, the lists, the focus
// order and a handful of behaviour flags. One DIN5480 class builds either window from it.
struct WindowEdition {
    const char* programTitle;  // the caption the system shows for the frameless window
    engine::Edition rules;  // the calculation's differences, and whether the edition has tolerances
    std::span<const ControlLayout> layout;
    std::span<const char* const> focusOrder;
    std::span<const char* const> moduleList;
    std::span<const char* const> clearanceList;
    int cornerEllipse;  // pixels, of the rounded outline
    // Behaviour flags, each off unless the edition sets it.
    bool reportFollowsFields{};    // cmd3 follows z and d; otherwise every report button is on
    bool closeGlyphEndsProgram{};  // ends at once; otherwise the window is unloaded

    static const WindowEdition& tolerance();
    static const WindowEdition& lite();
};

}  // namespace quillon::ui
