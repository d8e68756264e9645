#pragma once

#include <QRect>
#include <QRgb>
#include <optional>

#include "quillon/controls/twips.h"
#include "quillon/engine/field.h"

class QWidget;

namespace quillon::ui {

struct WindowControls;

// What a control of the window is. Pictures and circles are decoration; the other kinds take part
// in the window's behaviour.
enum class ControlKind {
    Picture,        // a fixed image (background, title strip)
    MenuIcon,       // the window's icon: a picture that opens the window menu when clicked
    Circle,         // a filled circle with a white rim under a title glyph
    Label,          // static text
    TextField,      // single-line field, text centred
    DropDownList,   // editable combo box: typed or picked
    OptionButton,   // one of the exclusive kind pair
    CommandButton,  // XPButton
    GroupFrame,     // custom-drawn group with a tab header (tolerance edition)
    GroupBox,       // standard group box (lite edition)
};

// A font as the window designs it: family name as a Windows user knows it (mapped to installed
// families at start), size in points at 96 dpi.
struct LayoutFont {
    const char* family = nullptr;  // nullptr: the toolkit's font
    double points = 0;
    bool bold = false;
};

// A place in twips, relative to the window or to the group that holds the control.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;

    QRect pixels() const {
        return {controls::twips::toPixels(left), controls::twips::toPixels(top),
                controls::twips::toPixels(width), controls::twips::toPixels(height)};
    }
};

// The caption on a field's row. Assistive tools name the field by it.
struct FieldLabel {
    const char* name;
    const char* caption;
    TwipsRect place;
    LayoutFont font;
};

// Stores a control just built under its role in WindowControls.
using ControlSlot = void (*)(WindowControls& controls, QWidget* control);

// One row of a window's layout table.
struct ControlLayout {
    ControlKind kind;
    const char* name;  // objectName; the numbered names the users' documents use
    TwipsRect place;
    ControlSlot slot = nullptr;  // where WindowControls keeps it, if anywhere
    const char* text = "";       // caption, initial text, or picture resource path
    LayoutFont font = {};
    std::optional<QRgb> foreground = {};
    std::optional<QRgb> background = {};      // a field's, or a circle's fill
    int captionAlignment = 0;                 // buttons and labels: 0 left, 1 right, 2 centre
    const char* parent = "";                  // "" for the window, otherwise the name of a group
    bool editable = true;                     // fields and lists: the user may type into them
    const char* icon = "";                    // command buttons: icon resource path
    const char* iconMask = "";                // command buttons: mask resource path (none: no icon)
    std::optional<FieldLabel> label = {};     // fields and lists: the caption, built first
    std::optional<engine::Field> field = {};  // fields and lists: the quantity they hold
};

}  // namespace quillon::ui
