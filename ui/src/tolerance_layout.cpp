#include "layout_helpers.h"
#include "quillon/ui/window_edition.h"

namespace quillon::ui {
namespace {

using namespace layout;

constexpr QRgb kGlyphCircle = qRgb(192, 64, 0);

// The input group's rows: labels at 120, fields at 1500 (twips, inside the group).
const ControlLayout kLayout[] = {
    picture("Image1", 0, 0, 7005, 4200, ":/quillon/background.png"),
    picture("top", 15, 0, 6960, 300, ":/quillon/top.png"),
    picture("Image2", 90, 45, 240, 240, ":/quillon/spline16.png"),
    circle("min", 6375, 30, 255, kGlyphCircle),
    circle("QUIT", 6660, 30, 255, kGlyphCircle),
    label("Label22", "", 6390, 60, 225, 195, "—", kVerdana75Bold, kYellow, kCaptionCentred),
    label("Label3", "", 6675, 60, 225, 195, "X", kVerdana75, kWhite, kCaptionCentred),

    {"Frame1", ControlKind::GroupFrame, "", 90, 375, 2600, 3720, "Frame1", kSong9, kWhite,
     qRgb(128, 128, 128)},
    label("Label4", "Frame1", 120, 380, 1380, 270, "齿数     z =", kSong9),
    textField("Text1", "Frame1", 1500, 380, 1000, "0", kCourier825, "齿数     z ="),
    label("Label5", "Frame1", 120, 740, 1380, 270, "模数     m =", kSong9),
    dropDownList("Combo1", "Frame1", 1500, 740, "1.25", kCourier75, "模数     m ="),
    label("Label6", "Frame1", 120, 1140, 1380, 270, "压力角   α=", kSong9),
    textField("Text3", "Frame1", 1500, 1140, 1000, "30", kCourier825, "压力角   α="),
    label("Label7", "Frame1", 120, 1520, 1380, 270, "齿顶高系数ha*=", kSong9),
    textField("Text13", "Frame1", 1500, 1520, 1000, "0.45", kCourier825, "齿顶高系数ha*=", false,
              kSilver),
    label("Label8", "Frame1", 120, 1890, 1380, 270, "螺旋角   β=", kSong9),
    textField("Text2", "Frame1", 1500, 1890, 1000, "0", kCourier825, "螺旋角   β="),
    label("Label9", "Frame1", 120, 2260, 1380, 270, "变位系数 χ=", kSong9),
    textField("Text4", "Frame1", 1500, 2260, 1000, "0", kCourier825, "变位系数 χ="),
    label("Label10", "Frame1", 120, 2620, 1380, 270, "顶隙系数 cn=", kSong9),
    dropDownList("Combo2", "Frame1", 1500, 2620, "0.1", kCourier75, "顶隙系数 cn="),
    label("Label11", "Frame1", 120, 3010, 1380, 270, "量棒直径:dp=", kSong9),
    textField("Text16", "Frame1", 1500, 3010, 1000, "0", kCourier825, "量棒直径:dp="),
    label("Label15", "Frame1", 120, 3360, 1380, 270, "公差等级:", kSong9),
    textField("Text19", "Frame1", 1500, 3360, 400, "9", kCourier75, "公差等级:", true, kLightGrey),
    label("Label16", "Frame1", 1900, 3360, 200, 270, "-", kSong9),
    textField("Text17", "Frame1", 2100, 3360, 400, "H", kCourier75, "-", true, kLightGrey),

    {"Frame2", ControlKind::GroupFrame, "", 2760, 360, 2775, 3720, "Frame2", kSong9, kWhite,
     qRgb(192, 0, 0)},
    label("Label17", "Frame2", 120, 400, 1560, 270, "分度圆直径:  d =", kSong9),
    textField("Text5", "Frame2", 1680, 400, 1000, "0", kCourier825, "分度圆直径:  d =", false,
              kLightGrey),
    label("Label18", "Frame2", 120, 780, 1560, 270, "齿顶圆直径:  da=", kSong9),
    textField("Text6", "Frame2", 1680, 780, 1000, "0", kCourier825, "齿顶圆直径:  da=", false,
              kLightGrey),
    label("Label19", "Frame2", 120, 1170, 1560, 270, "齿根圆直径:  df=", kSong9),
    textField("Text7", "Frame2", 1680, 1170, 1000, "0", kCourier825, "齿根圆直径:  df=", false,
              kLightGrey),
    label("Label20", "Frame2", 120, 1540, 1560, 270, "基圆直径:    db=", kSong9),
    textField("Text8", "Frame2", 1680, 1540, 1000, "0", kCourier825, "基圆直径:    db=", false,
              kLightGrey),
    label("Label21", "Frame2", 120, 1920, 1560, 270, "齿顶高:      ha=", kSong9),
    textField("Text10", "Frame2", 1680, 1920, 1000, "0", kCourier825, "齿顶高:      ha=", false,
              kLightGrey),
    label("Label23", "Frame2", 120, 2280, 1560, 270, "齿根高:      hf=", kSong9),
    textField("Text11", "Frame2", 1680, 2280, 1000, "0", kCourier825, "齿根高:      hf=", false,
              kLightGrey),
    label("Label24", "Frame2", 120, 2640, 1560, 270, "全齿高:  h=ha+hf", kSong9),
    textField("Text12", "Frame2", 1680, 2640, 1000, "0", kCourier825, "全齿高:  h=ha+hf", false,
              kLightGrey),
    label("Label25", "Frame2", 120, 3000, 1560, 270, "公法线长度:  Wk=", kSong9),
    textField("Text14", "Frame2", 1680, 3000, 1000, "0", kCourier825, "公法线长度:  Wk=", false,
              kLightGrey),
    label("Label26", "Frame2", 120, 3360, 1560, 270, "跨棒距:      M=", kSong9),
    textField("Text15", "Frame2", 1680, 3360, 1000, "0", kCourier825, "跨棒距:      M=", false,
              kLightGrey),

    commandButton("cmd1", 5595, 480, "更新数据", ":/quillon/calculate.png",
                  ":/quillon/calculate_mask.png"),
    commandButton("cmd2", 5595, 975, "清除数据", ":/quillon/reset.png", ":/quillon/reset_mask.png"),
    commandButton("cmd3", 5595, 1485, "导出参数"),
    label("Label2", "", 5640, 2130, 1335, 840, "", kSong825),
    optionButton("Option1", 5700, 3300, "外花键"),
    optionButton("Option2", 5700, 3750, "内花键"),
};

const FieldBinding kFields[] = {
    {Field::z, "Text1"},
    {Field::m, "Combo1"},
    {Field::alpha, "Text3"},
    {Field::haStar, "Text13"},
    {Field::beta, "Text2"},
    {Field::x, "Text4"},
    {Field::cn, "Combo2"},
    {Field::dp, "Text16"},
    {Field::d, "Text5"},
    {Field::da, "Text6"},
    {Field::df, "Text7"},
    {Field::db, "Text8"},
    {Field::ha, "Text10"},
    {Field::hf, "Text11"},
    {Field::h, "Text12"},
    {Field::W, "Text14"},
    {Field::M, "Text15"},
    {Field::grade, "Text19"},
    {Field::seriesLetter, "Text17"},
};

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

// The clearance list is shared by both editions; the last two entries carry a trailing blank.
extern const char* const kClearanceCoefficients[4];
const char* const kClearanceCoefficients[4] = {"0.1", "0.15", "0.2 ", "0.39 "};

const WindowEdition& WindowEdition::tolerance() {
    static const WindowEdition edition{
        .programTitle = "DIN5480 渐开线花键计算",
        .rules = Edition::tolerance(),
        .layout = kLayout,
        .fields = kFields,
        .focusOrder = kFocusOrder,
        .moduleList = kModules,
        .clearanceList = kClearanceCoefficients,
        .cornerEllipse = 15,
        .resizesAtStartUp = true,
        .setsGroupHeaders = true,
        .opensToleranceDatabase = true,
        .formatsProposedPinDiameter = true,
        .reportFollowsFields = true,
        .closeGlyphEndsProgram = true,
        .preparesPrinter = false,
        .reportLayout = ReportLayout::Tolerance,
    };
    return edition;
}

}  // namespace quillon::ui
