#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>
#include <initializer_list>
#include <type_traits>
#include <vector>

#include "quillon/controls/group_frame.h"
#include "quillon/controls/xp_button.h"
#include "quillon/engine/start_values.h"
#include "quillon/ui/control_layout.h"
#include "quillon/ui/window_controls.h"

// What both editions' layout tables share, and small constructors that let the tables read like
// the window's design tables.
namespace quillon::ui::layout {

// The window's designed size; the background picture covers it exactly.
inline constexpr TwipsRect kWindowPlace{0, 0, 7005, 4200};

// The clearance list of both editions; the last two entries carry a trailing blank.
inline constexpr const char* kClearanceCoefficients[] = {"0.1", "0.15", "0.2 ", "0.39 "};

inline constexpr LayoutFont kSong9{"宋体", 9};
inline constexpr LayoutFont kSong825{"宋体", 8.25};
inline constexpr LayoutFont kCourier825{"Courier New", 8.25};
inline constexpr LayoutFont kCourier75{"Courier New", 7.5};
inline constexpr LayoutFont kCourier9{"Courier New", 9};
inline constexpr LayoutFont kVerdana825{"Verdana", 8.25};
inline constexpr LayoutFont kVerdana75{"Verdana", 7.5};
inline constexpr LayoutFont kVerdana75Bold{"Verdana", 7.5, true};
inline constexpr LayoutFont kVerdana675{"Verdana", 6.75};

inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kYellow = qRgb(255, 255, 0);
inline constexpr QRgb kSilver = qRgb(192, 192, 192);
inline constexpr QRgb kLightGrey = qRgb(224, 224, 224);

inline constexpr int kCaptionLeft = 0;
inline constexpr int kCaptionCentred = 2;

// The slot that keeps a control under the role `member` of WindowControls.
template <auto member>
void into(WindowControls& controls, QWidget* control) {
    using Pointer = std::remove_reference_t<decltype(controls.*member)>;
    controls.*member = qobject_cast<Pointer>(control);
    Q_ASSERT(controls.*member != nullptr);
}

// A field as both editions know it: the quantity and the numbered names of its label and its
// control. Its caption is the field's caption (fieldCaption); it starts with its start text
// (startText).
struct FieldDesign {
    engine::Field field;
    const char* labelName;
    const char* name;
    ControlKind kind = ControlKind::TextField;
    bool editable = true;  // results are written only by the calculation
    ControlSlot slot = nullptr;
};

constexpr FieldDesign listed(FieldDesign design, ControlSlot slot) {
    design.kind = ControlKind::DropDownList;
    design.slot = slot;
    return design;
}

constexpr FieldDesign computed(FieldDesign design) {
    design.editable = false;
    return design;
}

inline constexpr FieldDesign kFieldDesigns[] = {
    {engine::Field::z, "Label4", "Text1"},
    listed({engine::Field::m, "Label5", "Combo1"}, into<&WindowControls::moduleList>),
    {engine::Field::alpha, "Label6", "Text3"},
    {engine::Field::haStar, "Label7", "Text13"},
    {engine::Field::beta, "Label8", "Text2"},
    {engine::Field::x, "Label9", "Text4"},
    listed({engine::Field::cn, "Label10", "Combo2"}, into<&WindowControls::clearanceList>),
    {engine::Field::dp, "Label11", "Text16"},
    {engine::Field::grade, "Label15", "Text19"},
    {engine::Field::seriesLetter, "Label16", "Text17"},
    computed({engine::Field::xm, "Label15", "Text9"}),
    computed({engine::Field::d, "Label17", "Text5"}),
    computed({engine::Field::da, "Label18", "Text6"}),
    computed({engine::Field::df, "Label19", "Text7"}),
    computed({engine::Field::db, "Label20", "Text8"}),
    computed({engine::Field::ha, "Label21", "Text10"}),
    computed({engine::Field::hf, "Label23", "Text11"}),
    computed({engine::Field::h, "Label24", "Text12"}),
    computed({engine::Field::W, "Label25", "Text14"}),
    computed({engine::Field::M, "Label26", "Text15"}),
};

// A field and the label on its row. A text field is 270 twips high, a list 1040 × 300.
inline ControlLayout labelledField(engine::Field field, const char* parent, TwipsRect labelPlace,
                                   TwipsRect place, LayoutFont font,
                                   std::optional<QRgb> background = {}) {
    const FieldDesign& design = *std::ranges::find(kFieldDesigns, field, &FieldDesign::field);
    if (design.kind == ControlKind::DropDownList) {
        place.width = 1040;
        place.height = 300;
    }
    ControlLayout row{design.kind, design.name, place, design.slot, engine::startText(field).data(),
                      font};
    row.background = background;
    row.parent = parent;
    row.editable = design.editable;
    row.label =
        FieldLabel{design.labelName, engine::fieldCaption(field).data(), labelPlace, kSong9};
    row.field = design.field;
    return row;
}

inline ControlLayout picture(const char* name, TwipsRect place, const char* resource,
                             ControlSlot slot = nullptr) {
    return {ControlKind::Picture, name, place, slot, resource};
}

inline ControlLayout label(const char* name, TwipsRect place, const char* caption, LayoutFont font,
                           std::optional<QRgb> colour = {}, int alignment = kCaptionLeft,
                           ControlSlot slot = nullptr) {
    return {ControlKind::Label, name, place, slot, caption, font, colour, {}, alignment};
}

// The legend of clearance coefficients by making process; its text is set at start-up.
inline ControlLayout clearanceLegend(TwipsRect place, LayoutFont font,
                                     std::optional<QRgb> colour = {}) {
    return label("Label2", place, "", font, colour, kCaptionLeft,
                 into<&WindowControls::clearanceLegend>);
}

// A command button, 1275 × 375, in the right-hand column.
inline ControlLayout commandButton(ControlSlot slot, const char* name, int top, const char* caption,
                                   const char* icon = "", const char* iconMask = "",
                                   int captionAlignment = kCaptionLeft) {
    ControlLayout row{ControlKind::CommandButton, name, {5595, top, 1275, 375}, slot, caption};
    row.captionAlignment = captionAlignment;
    row.icon = icon;
    row.iconMask = iconMask;
    return row;
}

inline ControlLayout calculateButton(int top) {
    return commandButton(into<&WindowControls::calculate>, "cmd1", top, "更新数据",
                         ":/quillon/calculate.png", ":/quillon/calculate_mask.png");
}

inline ControlLayout resetButton(int top) {
    return commandButton(into<&WindowControls::reset>, "cmd2", top, "清除数据",
                         ":/quillon/reset.png", ":/quillon/reset_mask.png");
}

// The kind options, 975 × 255, below the legend.
inline ControlLayout option(ControlSlot slot, const char* name, int top, const char* caption) {
    return {ControlKind::OptionButton, name, {5700, top, 975, 255}, slot, caption, kSong9};
}

inline ControlLayout externalOption(int top) {
    return option(into<&WindowControls::external>, "Option1", top, "外花键");
}

inline ControlLayout internalOption(int top) {
    return option(into<&WindowControls::internal>, "Option2", top, "内花键");
}

// The places that tell the two title strips apart.
struct TitleStrip {
    TwipsRect strip;
    TwipsRect icon;
    QRgb circleFill;
};

// The background and the title strip (drag handle, icon, the circles with "—" and "X"), then the
// edition's own rows.
inline std::vector<ControlLayout> withTitleStrip(const TitleStrip& design,
                                                 std::initializer_list<ControlLayout> rows) {
    const auto circle = [&design](const char* name, int left) {
        ControlLayout row{ControlKind::Circle, name, {left, 30, 255, 255}};
        row.background = design.circleFill;
        return row;
    };
    std::vector<ControlLayout> layout{
        picture("Image1", kWindowPlace, ":/quillon/background.png"),
        picture("top", design.strip, ":/quillon/top.png", into<&WindowControls::titleStrip>),
        {ControlKind::MenuIcon, "Image2", design.icon, into<&WindowControls::menuIcon>,
         ":/quillon/spline16.png"},
        circle("min", 6375),
        circle("QUIT", 6660),
        label("Label22", {6390, 60, 225, 195}, "—", kVerdana75Bold, kYellow, kCaptionCentred,
              into<&WindowControls::minimiseGlyph>),
        label("Label3", {6675, 60, 225, 195}, "X", kVerdana75, kWhite, kCaptionCentred,
              into<&WindowControls::closeGlyph>),
    };
    layout.insert(layout.end(), rows);
    return layout;
}

}  // namespace quillon::ui::layout
