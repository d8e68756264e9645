#include "layout_helpers.h"
#include "quillon/ui/window_edition.h"

namespace quillon::ui {

extern const char* const kClearanceCoefficients[4];

namespace {

using namespace layout;

constexpr QRgb kGlyphCircle = qRgb(255, 0, 0);
// The system colour "inactive caption text" of the Windows desktops the lite edition was laid out
// on: a pale blue-grey that marks a field as computed.
constexpr QRgb kInactiveCaptionText = qRgb(216, 228, 248);

// Fields at 1500 (input) and 1680 (results); each label stands a little lower than its field.
const ControlLayout kLayout[] = {
    picture("Image1", 0, 0, 7005, 4200, ":/quillon/background.png"),
    picture("top", 8, 0, 6975, 300, ":/quillon/top.png"),
    picture("Image2", 75, 30, 240, 240, ":/quillon/spline16.png"),
    label("Label1", "", 360, 30, 2055, 255, "quillon-lite", kCourier9, kWhite),
    circle("min", 6375, 30, 255, kGlyphCircle),
    circle("QUIT", 6660, 30, 255, kGlyphCircle),
    label("Label22", "", 6390, 60, 225, 195, "—", kVerdana75Bold, kYellow, kCaptionCentred),
    label("Label3", "", 6675, 60, 225, 195, "X", kVerdana75, kWhite, kCaptionCentred),

    {"Frame1", ControlKind::GroupBox, "", 90, 375, 2600, 3600, "已知参数", kVerdana825},
    label("Label4", "Frame1", 120, 300, 1380, 195, "齿数     z =", kSong9),
    textField("Text1", "Frame1", 1500, 260, 1000, "0", kVerdana675, "齿数     z ="),
    label("Label5", "Frame1", 120, 675, 1380, 195, "模数     m =", kSong9),
    dropDownList("Combo1", "Frame1", 1500, 630, "1.25", kVerdana675, "模数     m ="),
    label("Label6", "Frame1", 120, 1080, 1380, 195, "压力角   α=", kSong9),
    textField("Text3", "Frame1", 1500, 1000, 1000, "30", kVerdana675, "压力角   α="),
    label("Label7", "Frame1", 120, 1440, 1380, 195, "齿顶高系数ha*=", kSong9),
    textField("Text13", "Frame1", 1500, 1380, 1000, "0.45", kVerdana675, "齿顶高系数ha*=", true,
              kLightGrey),
    label("Label8", "Frame1", 120, 1800, 1380, 195, "螺旋角   β=", kSong9),
    textField("Text2", "Frame1", 1500, 1750, 1000, "0", kVerdana675, "螺旋角   β="),
    label("Label9", "Frame1", 120, 2160, 1380, 195, "变位系数 χ=", kSong9),
    textField("Text4", "Frame1", 1500, 2120, 1000, "0", kVerdana675, "变位系数 χ="),
    label("Label10", "Frame1", 120, 2520, 1380, 195, "顶隙系数 cn=", kSong9),
    dropDownList("Combo2", "Frame1", 1500, 2480, "0.1", kVerdana675, "顶隙系数 cn="),
    label("Label15", "Frame1", 120, 2878, 1380, 195, "修正量:χ.m=", kSong9),
    textField("Text9", "Frame1", 1500, 2840, 1000, "0", kVerdana675, "修正量:χ.m=", false,
              kInactiveCaptionText),
    label("Label11", "Frame1", 120, 3230, 1380, 195, "量棒直径:dp=", kSong9),
    textField("Text16", "Frame1", 1500, 3210, 1000, "0", kVerdana675, "量棒直径:dp="),

    {"Frame2", ControlKind::GroupBox, "", 2700, 375, 2775, 3600, "计算结果", kSong9},
    label("Label17", "Frame2", 120, 300, 1560, 195, "分度圆直径:  d =", kSong9),
    textField("Text5", "Frame2", 1680, 240, 1000, "0", kVerdana675, "分度圆直径:  d =", false,
              kInactiveCaptionText),
    label("Label18", "Frame2", 120, 675, 1560, 195, "齿顶圆直径:  da=", kSong9),
    textField("Text6", "Frame2", 1680, 630, 1000, "0", kVerdana675, "齿顶圆直径:  da=", false,
              kInactiveCaptionText),
    label("Label19", "Frame2", 120, 1080, 1560, 195, "齿根圆直径:  df=", kSong9),
    textField("Text7", "Frame2", 1680, 1000, 1000, "0", kVerdana675, "齿根圆直径:  df=", false,
              kInactiveCaptionText),
    label("Label20", "Frame2", 120, 1440, 1560, 195, "基圆直径:    db=", kSong9),
    textField("Text8", "Frame2", 1680, 1380, 1000, "0", kVerdana675, "基圆直径:    db=", false,
              kInactiveCaptionText),
    label("Label21", "Frame2", 120, 1800, 1560, 195, "齿顶高:      ha=", kSong9),
    textField("Text10", "Frame2", 1680, 1750, 1000, "0", kVerdana675, "齿顶高:      ha=", false,
              kInactiveCaptionText),
    label("Label23", "Frame2", 120, 2160, 1560, 195, "齿根高:      hf=", kSong9),
    textField("Text11", "Frame2", 1680, 2120, 1000, "0", kVerdana675, "齿根高:      hf=", false,
              kInactiveCaptionText),
    label("Label24", "Frame2", 120, 2520, 1560, 195, "全齿高:  h=ha+hf", kSong9),
    textField("Text12", "Frame2", 1680, 2480, 1000, "0", kVerdana675, "全齿高:  h=ha+hf", false,
              kInactiveCaptionText),
    label("Label25", "Frame2", 120, 2878, 1560, 195, "公法线长度:  Wk=", kSong9),
    textField("Text14", "Frame2", 1680, 2840, 1000, "0", kVerdana675, "公法线长度:  Wk=", false,
              kInactiveCaptionText),
    label("Label26", "Frame2", 120, 3230, 1560, 195, "跨棒距:      M=", kSong9),
    textField("Text15", "Frame2", 1680, 3210, 1000, "0", kVerdana675, "跨棒距:      M=", false,
              kInactiveCaptionText),

    commandButton("cmd1", 5595, 480, "更新数据", ":/quillon/calculate.png",
                  ":/quillon/calculate_mask.png"),
    commandButton("cmd2", 5595, 945, "清除数据", ":/quillon/reset.png", ":/quillon/reset_mask.png"),
    // An icon without a mask is not drawn: the caption stands alone, centred.
    commandButton("cmd3", 5595, 1440, "导出计算报告", ":/quillon/report.png", "", kCaptionCentred),
    commandButton("cmd4", 5595, 1920, "打印报告", ":/quillon/print.png",
                  ":/quillon/print_mask.png"),
    label("Label2", "", 5640, 2400, 1095, 720, "", kSong9, qRgb(0, 0, 64)),
    optionButton("Option1", 5700, 3240, "外花键"),
    optionButton("Option2", 5700, 3675, "内花键"),
};

const FieldBinding kFields[] = {
    {Field::z, "Text1"},       {Field::m, "Combo1"},   {Field::alpha, "Text3"},
    {Field::haStar, "Text13"}, {Field::beta, "Text2"}, {Field::x, "Text4"},
    {Field::cn, "Combo2"},     {Field::dp, "Text16"},  {Field::d, "Text5"},
    {Field::da, "Text6"},      {Field::df, "Text7"},   {Field::db, "Text8"},
    {Field::xm, "Text9"},      {Field::ha, "Text10"},  {Field::hf, "Text11"},
    {Field::h, "Text12"},      {Field::W, "Text14"},   {Field::M, "Text15"},
};

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
        .fields = kFields,
        .focusOrder = kFocusOrder,
        .moduleList = kModules,
        .clearanceList = kClearanceCoefficients,
        .cornerEllipse = 12,
        .resizesAtStartUp = false,
        .setsGroupHeaders = false,
        .opensToleranceDatabase = false,
        .formatsProposedPinDiameter = false,
        .reportFollowsFields = false,
        .closeGlyphEndsProgram = false,
        .preparesPrinter = true,
        .reportLayout = ReportLayout::Lite,
    };
    return edition;
}

}  // namespace quillon::ui
