#pragma once

#include <QRect>
#include <QRgb>
#include <QString>
#include <optional>

namespace quillon::ui {

// Window geometry is designed in twips (1/1440 inch); at 96 dpi 15 twips make one pixel.
inline constexpr int kTwipsPerPixel = 15;

inline constexpr int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// What a control of the window is. Pictures and circles are decoration; the other kinds take part
// in the window's behaviour.
enum class ControlKind {
    Picture,        // a fixed image (background, title strip, icon)
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

// One row of a window's layout table. Place and size are in twips, relative to the window or to
// the group named by `parent`.
struct ControlLayout {
    const char* name;  // objectName; the numbered names the users' documents use
    ControlKind kind;
    const char* parent;  // "" for the window itself, otherwise the name of a group
    int left;
    int top;
    int width;
    int height;
    const char* text = "";  // caption, initial text, or picture resource path
    LayoutFont font = {};
    std::optional<QRgb> foreground = {};
    std::optional<QRgb> background = {};  // a field's, or a circle's fill
    bool editable = true;                 // fields and lists: the user may type into them
    const char* accessibleName = "";      // fields: the caption of their label
    const char* icon = "";                // command buttons: icon resource path
    const char* iconMask = "";            // command buttons: mask resource path (none: no icon)
    int captionAlignment = 0;             // buttons and labels: 0 left, 1 right, 2 centre

    QRect pixelRect() const {
        return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                twipsToPixels(height)};
    }
};

}  // namespace quillon::ui
