#pragma once

#include <span>
#include <string_view>

#include "quillon/engine/edition.h"
#include "quillon/engine/field.h"
#include "quillon/ui/control_layout.h"

namespace quillon::ui {

// The layout of the file report (and whether there is a printed one).
enum class ReportLayout { Tolerance, Lite };

// Which control holds a field of the calculation.
struct FieldBinding {
    Field field;
    const char* controlName;
};

// Everything that tells the two programs' windows apart: the layout table, the lists, the focus
// order and a handful of behaviour flags. One DIN5480 class builds either window from it.
struct WindowEdition {
    const char* programTitle;  // the caption the system shows for the frameless window
    Edition rules;             // the calculation run's differences
    std::span<const ControlLayout> layout;
    std::span<const FieldBinding> fields;
    std::span<const char* const> focusOrder;
    std::span<const char* const> moduleList;
    std::span<const char* const> clearanceList;
    int cornerEllipse;                // pixels, of the rounded outline
    bool resizesAtStartUp;            // sets its size again before shaping the outline
    bool setsGroupHeaders;            // writes the group frames' header texts at start-up
    bool opensToleranceDatabase;      // db1.mdb beside the executable; the program ends without it
    bool formatsProposedPinDiameter;  // "0.000" after a module pick or kind click; plain otherwise
    bool reportFollowsFields;         // cmd3 follows z and d; otherwise every report button is on
    bool closeGlyphEndsProgram;       // ends at once; otherwise the window is unloaded
    bool preparesPrinter;             // the printed report's printer is set up at start-up
    ReportLayout reportLayout;

    const ControlLayout* find(std::string_view name) const;
    const char* controlFor(Field field) const;  // nullptr when the edition has no such field

    static const WindowEdition& tolerance();
    static const WindowEdition& lite();
};

// The captions of the legend of clearance coefficients by making process.
inline constexpr const char* kClearanceLegend =
    "插齿 cn=0.1\n滚齿 cn=0.15\n铣齿 cn=0.2\n冲压 cn=0.39";

}  // namespace quillon::ui
