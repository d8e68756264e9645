#pragma once

#include <QColor>

#include "quillon/ui/control_spec.h"

// Small constructors that let the layout tables read like the window's design tables.
namespace quillon::ui::layout {

inline constexpr FontSpec kSong9{"宋体", 9};
inline constexpr FontSpec kSong825{"宋体", 8.25};
inline constexpr FontSpec kCourier825{"Courier New", 8.25};
inline constexpr FontSpec kCourier75{"Courier New", 7.5};
inline constexpr FontSpec kCourier9{"Courier New", 9};
inline constexpr FontSpec kVerdana825{"Verdana", 8.25};
inline constexpr FontSpec kVerdana75{"Verdana", 7.5};
inline constexpr FontSpec kVerdana75Bold{"Verdana", 7.5, true};
inline constexpr FontSpec kVerdana675{"Verdana", 6.75};

inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kBlack = qRgb(0, 0, 0);
inline constexpr QRgb kYellow = qRgb(255, 255, 0);
inline constexpr QRgb kSilver = qRgb(192, 192, 192);
inline constexpr QRgb kLightGrey = qRgb(224, 224, 224);

inline ControlSpec picture(const char* name, int left, int top, int width, int height,
                           const char* resource) {
    return {name, ControlKind::Picture, "", left, top, width, height, resource};
}

inline ControlSpec circle(const char* name, int left, int top, int size, QRgb fill) {
    ControlSpec spec{name, ControlKind::Circle, "", left, top, size, size};
    spec.background = fill;
    return spec;
}

inline constexpr int kCaptionLeft = 0;
inline constexpr int kCaptionCentred = 2;

inline ControlSpec label(const char* name, const char* parent, int left, int top, int width,
                         int height, const char* caption, FontSpec font,
                         std::optional<QRgb> colour = {}, int alignment = kCaptionLeft) {
    ControlSpec spec{name, ControlKind::Label, parent, left, top, width, height, caption, font};
    spec.foreground = colour;
    spec.captionAlignment = alignment;
    return spec;
}

inline ControlSpec textField(const char* name, const char* parent, int left, int top, int width,
                             const char* initial, FontSpec font, const char* labelCaption,
                             bool editable = true, std::optional<QRgb> background = {}) {
    ControlSpec spec{name, ControlKind::TextField, parent, left, top, width, 270, initial, font};
    spec.background = background;
    spec.editable = editable;
    spec.accessibleName = labelCaption;
    return spec;
}

inline ControlSpec dropDownList(const char* name, const char* parent, int left, int top,
                                const char* initial, FontSpec font, const char* labelCaption) {
    ControlSpec spec{name, ControlKind::DropDownList, parent, left, top, 1040, 300, initial, font};
    spec.accessibleName = labelCaption;
    return spec;
}

inline ControlSpec commandButton(const char* name, int left, int top, const char* caption,
                                 const char* icon = "", const char* iconMask = "",
                                 int captionAlignment = kCaptionLeft) {
    ControlSpec spec{name, ControlKind::CommandButton, "", left, top, 1275, 375, caption};
    spec.accessibleName = caption;
    spec.icon = icon;
    spec.iconMask = iconMask;
    spec.captionAlignment = captionAlignment;
    return spec;
}

inline ControlSpec optionButton(const char* name, int left, int top, const char* caption) {
    ControlSpec spec{name, ControlKind::OptionButton, "", left, top, 975, 255, caption, kSong9};
    spec.accessibleName = caption;
    return spec;
}

}  // namespace quillon::ui::layout
