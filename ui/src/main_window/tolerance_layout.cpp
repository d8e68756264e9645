#include "layout_helpers.h"
#include "quillon/ui/window_edition.h"

using namespace quillon::engine;

namespace quillon::ui {
namespace {

using namespace layout;

// The input group's rows: labels at 120, fields at 1500, both at the row's top (twips, inside the
// group); the result group's fields stand at 1680.
ControlLayout input(Field field, int top, LayoutFont font = kCourier825,
                    std::optional<QRgb> background = {}) {
    return labelledField(field, "Frame1", {120, top, 1380, 270}, {1500, top, 1000, 270}, font,
                         background);
}

ControlLayout result(Field field, int top) {
    return labelledField(field, "Frame2", {120, top, 1560, 270}, {1680, top, 1000, 270},
                         kCourier825, kLightGrey);
}

ControlLayout groupFrame(ControlSlot slot, const char* name, TwipsRect place, QRgb tab) {
    return {ControlKind::GroupFrame, name, place, slot, name, kSong9, kWhite, tab};
}

ControlLayout readOnly(ControlLayout row) {
    row.editable = false;
    return row;
}

const std::vector<ControlLayout> kLayout = withTitleStrip(
    {.strip = {15, 0, 6960, 300}, .icon = {90, 45, 240, 240}, .circleFill = qRgb(192, 64, 0)},
    {
        groupFrame(into<&WindowControls::inputFrame>, "Frame1", {90, 375, 2600, 3720},
                   qRgb(128, 128, 128)),
        input(Field::z, 380),
        input(Field::m, 740, kCourier75),
        input(Field::alpha, 1140),
        readOnly(input(Field::haStar, 1520, kCourier825, kSilver)),
        input(Field::beta, 1890),
        input(Field::x, 2260),
        input(Field::cn, 2620, kCourier75),
        input(Field::dp, 3010),
        // The tolerance grade and the deviation series letter share the last row.
        labelledField(Field::grade, "Frame1", {120, 3360, 1380, 270}, {1500, 3360, 400, 270},
                      kCourier75, kLightGrey),
        labelledField(Field::seriesLetter, "Frame1", {1900, 3360, 200, 270}, {2100, 3360, 400, 270},
                      kCourier75, kLightGrey),

        groupFrame(into<&WindowControls::resultFrame>, "Frame2", {2760, 360, 2775, 3720},
                   qRgb(192, 0, 0)),
        result(Field::d, 400),
        result(Field::da, 780),
        result(Field::df, 1170),
        result(Field::db, 1540),
        result(Field::ha, 1920),
        result(Field::hf, 2280),
        result(Field::h, 2640),
        result(Field::W, 3000),
        result(Field::M, 3360),

        calculateButton(480),
        resetButton(975),
        commandButton(into<&WindowControls::report>, "cmd3", 1485, "导出参数"),
        clearanceLegend({5640, 2130, 1335, 840}, kSong825),
        externalOption(3300),
        internalOption(3750),
    });

const char* const kFocusOrder[] = {
    "Option1", "Option2", "cmd1",   "cmd2",   "cmd3",   "Text1",  "Combo1", "Text3",
    "Text13",  "Text2",   "Text4",  "Combo2", "Text16", "Text5",  "Text6",  "Text7",
    "Text8",   "Text10",  "Text11", "Text12", "Text14", "Text15", "Text19", "Text17",
};

const char* const kModules[] = {
    "0.50", "0.60", "0.75", "0.80", "1.00", "1.25", "1.50", "1.75",
    "2.00", "2.50", "3.00", "4.00", "5.00", "6.00", "8.00", "10.00",
};

}  // namespace

const WindowEdition& WindowEdition::tolerance() {
    static const WindowEdition edition{
        .programTitle = "DIN5480 渐开线花键计算",
        .rules = Edition::tolerance(),
        .layout = kLayout,
        .focusOrder = kFocusOrder,
        .moduleList = kModules,
        .clearanceList = kClearanceCoefficients,
        .cornerEllipse = 15,
        .reportFollowsFields = true,
        .closeGlyphEndsProgram = true,
    };
    return edition;
}

}  // namespace quillon::ui
