#pragma once

#include <span>

#include "quillon/engine/edition.h"
#include "quillon/ui/control_layout.h"

namespace quillon::ui {

// The layout of the file report (and whether there is a printed one).
enum class ReportLayout { Tolerance, Lite };

// Everything that tells the two programs' windows apart: the layout table, the lists, the focus
// order and a handful of behaviour flags. One DIN5480 class builds either window from it.
struct WindowEdition {
    const char* programTitle;  // the caption the system shows for the frameless window
    Edition rules;             // the calculation run's differences
    std::span<const ControlLayout> layout;
    std::span<const char* const> focusOrder;
    std::span<const char* const> moduleList;
    std::span<const char* const> clearanceList;
    int cornerEllipse;  // pixels, of the rounded outline
    // Behaviour flags, each off unless the edition sets it.
    bool opensToleranceDatabase{};  // db1.mdb beside the executable; the program ends without it
    bool formatsProposedPinDiameter{};  // "0.000" after a module pick or kind click
    bool reportFollowsFields{};         // cmd3 follows z and d; otherwise every report button is on
    bool closeGlyphEndsProgram{};       // ends at once; otherwise the window is unloaded
    ReportLayout reportLayout;          // the lite layout comes with a printed report

    static const WindowEdition& tolerance();
    static const WindowEdition& lite();
};

}  // namespace quillon::ui
