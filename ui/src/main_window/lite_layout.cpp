#include "layout_helpers.h"
#include "quillon/ui/window_edition.h"

using namespace quillon::engine;

namespace quillon::ui {
namespace {

using namespace layout;

// The system colour "inactive caption text" of the Windows desktops the lite edition was laid out
// on: a pale blue-grey that marks a field as computed.
constexpr QRgb kInactiveCaptionText = qRgb(216, 228, 248);

// Labels at 120 stand a little lower than their fields, which are at 1500 (input) and 1680
// (results); twips inside the group.
ControlLayout input(Field field, int labelTop, int fieldTop, std::optional<QRgb> background = {}) {
    return labelledField(field, "Frame1", {120, labelTop, 1380, 195}, {1500, fieldTop, 1000, 270},
                         kVerdana675, background);
}

ControlLayout result(Field field, int labelTop, int fieldTop) {
    return labelledField(field, "Frame2", {120, labelTop, 1560, 195}, {1680, fieldTop, 1000, 270},
                         kVerdana675, kInactiveCaptionText);
}

ControlLayout groupBox(const char* name, TwipsRect place, const char* caption, LayoutFont font) {
    return {ControlKind::GroupBox, name, place, nullptr, caption, font};
}

const std::vector<ControlLayout> kLayout = withTitleStrip(
    {.strip = {8, 0, 6975, 300}, .icon = {75, 30, 240, 240}, .circleFill = qRgb(255, 0, 0)},
    {
        label("Label1", {360, 30, 2055, 255}, "quillon-lite", kCourier9, kWhite),

        groupBox("Frame1", {90, 375, 2600, 3600}, "已知参数", kVerdana825),
        input(Field::z, 300, 260),
        input(Field::m, 675, 630),
        input(Field::alpha, 1080, 1000),
        input(Field::haStar, 1440, 1380, kLightGrey),
        input(Field::beta, 1800, 1750),
        input(Field::x, 2160, 2120),
        input(Field::cn, 2520, 2480),
        input(Field::xm, 2878, 2840, kInactiveCaptionText),
        input(Field::dp, 3230, 3210),

        groupBox("Frame2", {2700, 375, 2775, 3600}, "计算结果", kSong9),
        result(Field::d, 300, 240),
        result(Field::da, 675, 630),
        result(Field::df, 1080, 1000),
        result(Field::db, 1440, 1380),
        result(Field::ha, 1800, 1750),
        result(Field::hf, 2160, 2120),
        result(Field::h, 2520, 2480),
        result(Field::W, 2878, 2840),
        result(Field::M, 3230, 3210),

        calculateButton(480),
        resetButton(945),
        // An icon without a mask is not drawn: the caption stands alone, centred.
        commandButton(into<&WindowControls::report>, "cmd3", 1440, "导出计算报告",
                      ":/quillon/report.png", "", kCaptionCentred),
        commandButton(into<&WindowControls::print>, "cmd4", 1920, "打印报告", ":/quillon/print.png",
                      ":/quillon/print_mask.png"),
        clearanceLegend({5640, 2400, 1095, 720}, kSong9, qRgb(0, 0, 64)),
        externalOption(3240),
        internalOption(3675),
    });

const char* const kFocusOrder[] = {
    "Option1", "Option2", "Text1",  "Text3",  "Combo1", "Text2",  "Text4",  "Text5",
    "Text6",   "Text7",   "Text8",  "Text10", "Text11", "Text12", "Text13", "Combo2",
    "Text14",  "Text9",   "Text15", "Text16", "cmd1",   "cmd2",   "cmd3",   "cmd4",
};

// The lite module list keeps the blanks its entries were typed with; only "3.0" and "4.0" have
// none. A picked entry keeps its blank in the field and in the reports.
const char* const kModules[] = {
    "0.5 ", "0.6 ", "0.75 ", "0.8 ", "1.0 ", "1.25 ", "1.5 ", "1.75 ",
    "2.0 ", "2.5 ", "3.0",   "4.0",  "5.0 ", "6.0 ",  "8.0 ", "10.0 ",
};

}  // namespace

const WindowEdition& WindowEdition::lite() {
    static const WindowEdition edition{
        .programTitle = "DIN5480 渐开线花键计算 (简化版)",
        .rules = Edition::lite(),
        .layout = kLayout,
        .focusOrder = kFocusOrder,
        .moduleList = kModules,
        .clearanceList = kClearanceCoefficients,
        .cornerEllipse = 12,
    };
    return edition;
}

}  // namespace quillon::ui
