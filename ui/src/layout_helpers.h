#pragma once

#include <QColor>

#include "quillon/ui/control_layout.h"

// Small constructors that let the layout tables read like the window's design tables.
namespace quillon::ui::layout {

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
inline constexpr QRgb kBlack = qRgb(0, 0, 0);
inline constexpr QRgb kYellow = qRgb(255, 255, 0);
inline constexpr QRgb kSilver = qRgb(192, 192, 192);
inline constexpr QRgb kLightGrey = qRgb(224, 224, 224);

inline ControlLayout picture(const char* name, int left, int top, int width, int height,
                             const char* resource) {
    return {name, ControlKind::Picture, "", left, top, width, height, resource};
}

inline ControlLayout circle(const char* name, int left, int top, int size, QRgb fill) {
    ControlLayout row{name, ControlKind::Circle, "", left, top, size, size};
    row.background = fill;
    return row;
}

inline constexpr int kCaptionLeft = 0;
inline constexpr int kCaptionCentred = 2;

inline ControlLayout label(const char* name, const char* parent, int left, int top, int width,
                           int height, const char* caption, LayoutFont font,
                           std::optional<QRgb> colour = {}, int alignment = kCaptionLeft) {
    ControlLayout row{name, ControlKind::Label, parent, left, top, width, height, caption, font};
    row.foreground = colour;
    row.captionAlignment = alignment;
    return row;
}

inline ControlLayout textField(const char* name, const char* parent, int left, int top, int width,
                               const char* initial, LayoutFont font, const char* labelCaption,
                               bool editable = true, std::optional<QRgb> background = {}) {
    ControlLayout row{name, ControlKind::TextField, parent, left, top, width, 270, initial, font};
    row.background = background;
    row.editable = editable;
    row.accessibleName = labelCaption;
    return row;
}

inline ControlLayout dropDownList(const char* name, const char* parent, int left, int top,
                                  const char* initial, LayoutFont font, const char* labelCaption) {
    ControlLayout row{name, ControlKind::DropDownList, parent, left, top, 1040, 300, initial, font};
    row.accessibleName = labelCaption;
    return row;
}

inline ControlLayout commandButton(const char* name, int left, int top, const char* caption,
                                   const char* icon = "", const char* iconMask = "",
                                   int captionAlignment = kCaptionLeft) {
    ControlLayout row{name, ControlKind::CommandButton, "", left, top, 1275, 375, caption};
    row.accessibleName = caption;
    row.icon = icon;
    row.iconMask = iconMask;
    row.captionAlignment = captionAlignment;
    return row;
}

inline ControlLayout optionButton(const char* name, int left, int top, const char* caption) {
    ControlLayout row{name, ControlKind::OptionButton, "", left, top, 975, 255, caption, kSong9};
    row.accessibleName = caption;
    return row;
}

}  // namespace quillon::ui::layout
