#include "quillon/controls/group_frame.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <type_traits>

#include "event_codes.h"
#include "gdi_shapes.h"
#include "persisted_properties.h"
#include "quillon/controls/cls_gradient.h"
#include "quillon/controls/twips.h"

namespace quillon::controls {

namespace {

// The smallest frame, 700 × 400 twips, rounded up to whole pixels.
constexpr int kMinimumWidth = (700 + twips::kPerPixel - 1) / twips::kPerPixel;
constexpr int kMinimumHeight = (400 + twips::kPerPixel - 1) / twips::kPerPixel;

constexpr int kCorner = 10;
constexpr int kHeaderInset = 3;
constexpr int kSideMargin = 15;
constexpr int kIconGap = 6;
constexpr int kTextBoxHeight = 22;
constexpr int kMinimumTabWidth = 100;
constexpr int kKept = -1;  // a style that leaves the property as it is

// The platform's system colours the disabled frame is drawn with (the classic XP scheme).
const QColor kInactiveBorder(212, 208, 200);  // index 11
const QColor kButtonFace(236, 233, 216);      // index 15
const QColor kGrayText(172, 168, 153);        // index 17
const QColor k3DDarkShadow(113, 111, 100);    // index 21
const QColor k3DLight(241, 239, 226);         // index 22

enum class Look { GroupBox, Band, Box, Tab, Panel };
enum class Fill { Host, Kept, Cream };

// What setting `Style` applies, and how the style draws.
struct StyleRow {
    Look look;
    QRgb text;
    QRgb frame;
    QRgb textBox;
    int alignment;
    Fill fill;
    bool resetsThemeNumber;
    int gradientHeaderStyle;
    int headerStyle;
    int roundedCorner;
    int roundedCornerTxtBox;
};

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlueText = qRgb(3, 54, 207);
constexpr QRgb kLightGrey = qRgb(195, 195, 195);
constexpr QRgb kPaleYellow = qRgb(240, 239, 176);
constexpr int kL = GroupFrame::kLeft;
constexpr int kC = GroupFrame::kCentre;

constexpr std::array<StyleRow, 9> kStyles{{
    {Look::GroupBox, kBlueText, kLightGrey, kWhite, kL, Fill::Host, false, kKept, kKept, kKept,
     kKept},
    {Look::Band, kBlack, kBlack, kWhite, kC, Fill::Kept, true, kKept, kKept, kKept, kKept},
    {Look::Box, kBlack, qRgb(106, 106, 106), kPaleYellow, kC, Fill::Host, false, kKept, kKept,
     kKept, 1},
    {Look::Band, kBlack, kBlack, kPaleYellow, kC, Fill::Cream, false, 1, 0, 1, 0},
    {Look::Band, kBlack, kBlack, kWhite, kC, Fill::Kept, true, 0, 0, kKept, kKept},
    {Look::Tab, kWhite, qRgb(192, 0, 0), qRgb(192, 0, 0), kL, Fill::Host, false, kKept, kKept,
     kKept, kKept},
    {Look::Tab, kWhite, qRgb(0, 0, 166), qRgb(0, 0, 166), kL, Fill::Host, false, kKept, kKept,
     kKept, kKept},
    {Look::GroupBox, kBlueText, kLightGrey, kWhite, kL, Fill::Host, false, kKept, kKept, kKept,
     kKept},
    {Look::Panel, kBlack, kBlack, kWhite, kC, Fill::Kept, true, 2, 1, kKept, kKept},
}};

// Styles outside 0 to 8 take style 1.
const StyleRow& styleRow(int style) {
    return kStyles[static_cast<std::size_t>(style >= 0 && style <= 8 ? style : 1)];
}

// ThemeColor 0 to 4: light and dark gradient colours and the accent (theme 5 takes ColorTo,
// ColorFrom and the frame colour; 1 and any other value the first row).
struct Theme {
    QRgb light;
    QRgb dark;
    QRgb accent;
};
constexpr std::array<Theme, 5> kThemes{{
    {qRgb(221, 236, 254), qRgb(129, 169, 226), qRgb(0, 0, 128)},
    {qRgb(244, 244, 251), qRgb(153, 151, 180), qRgb(75, 75, 111)},
    {qRgb(247, 249, 225), qRgb(181, 197, 143), qRgb(63, 93, 56)},
    {qRgb(248, 248, 242), qRgb(194, 194, 171), qRgb(145, 145, 115)},
    {qRgb(255, 239, 165), qRgb(217, 172, 1), qRgb(117, 91, 30)},
}};

QColor averagedWithWhite(const QColor& colour) {
    return QColor((colour.red() + 255) / 2, (colour.green() + 255) / 2, (colour.blue() + 255) / 2);
}

// GradientHeaderStyle 0 runs top to bottom, 1 left to right; 2 and 3 run the same directions in
// two bands, the first covering the extent divided by `factor`, the second running back.
void headerGradient(QPainter& painter, const QRect& area, const QColor& from, const QColor& to,
                    int kind, double factor) {
    const bool vertical = kind == 0 || kind == 2;
    const Qt::Orientation orientation = vertical ? Qt::Vertical : Qt::Horizontal;
    if (kind != 2 && kind != 3) {
        clsGradient::fill(painter, area, from, to, orientation);
        return;
    }
    const int extent = vertical ? area.height() : area.width();
    const int first = static_cast<int>(extent / std::max(factor, 1.01));
    QRect firstBand = area;
    QRect secondBand = area;
    if (vertical) {
        firstBand.setHeight(first);
        secondBand.setTop(area.top() + first);
    } else {
        firstBand.setWidth(first);
        secondBand.setLeft(area.left() + first);
    }
    clsGradient::fill(painter, firstBand, from, to, orientation);
    clsGradient::fill(painter, secondBand, to, from, orientation);
}

}  // namespace

// The colours a redraw uses: the properties when enabled, system colours when disabled.
struct GroupFrame::Palette {
    QColor frame;
    QColor accent;
    QColor textBox;
    QColor fill;
    QColor light;
    QColor dark;
    QColor text;
};

GroupFrame::GroupFrame(QWidget* parent) : QGroupBox(parent) {
    setMouseTracking(true);
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    computeThemeColours();
}

GroupFrame::~GroupFrame() = default;

void GroupFrame::changed(const char* name) {
    update();
    emit PropertyChanged(QString::fromLatin1(name));
}

QColor GroupFrame::hostBackground() const {
    const QWidget* host = parentWidget();
    return host != nullptr ? host->palette().color(host->backgroundRole())
                           : palette().color(QPalette::Window);
}

QColor GroupFrame::backColor() const {
    return backColor_.value_or(hostBackground());
}

QColor GroupFrame::fillColor() const {
    return fillColor_.value_or(hostBackground());
}

void GroupFrame::applyStyleDefaults(int style) {
    const StyleRow& row = styleRow(style);
    textColor_ = QColor::fromRgb(row.text);
    frameColor_ = QColor::fromRgb(row.frame);
    textBoxColor_ = QColor::fromRgb(row.textBox);
    alignment_ = row.alignment;
    if (row.fill == Fill::Host) {
        fillColor_.reset();
    } else if (row.fill == Fill::Cream) {
        fillColor_ = QColor(255, 255, 224);
    }
    if (row.resetsThemeNumber) {
        themeColor_ = 0;  // only the number: the colours follow at the next change of ThemeColor
    }
    const auto apply = [](auto& member, int value) {
        if (value != kKept) {
            member = static_cast<std::remove_reference_t<decltype(member)>>(value);
        }
    };
    apply(gradientHeaderStyle_, row.gradientHeaderStyle);
    apply(headerStyle_, row.headerStyle);
    apply(roundedCorner_, row.roundedCorner);
    apply(roundedCornerTxtBox_, row.roundedCornerTxtBox);
    textBoxHeight_ = kTextBoxHeight;
}

void GroupFrame::setStyle(int style) {
    if (style_ != style) {
        applyStyleDefaults(style);
        style_ = style;
        updateShape();
        changed("Style");
    }
}

void GroupFrame::setRoundedCorner(bool on) {
    store(roundedCorner_, on, "RoundedCorner");
    updateShape();
}

QString GroupFrame::caption() const {
    return captionSet_ ? title() : objectName();
}

void GroupFrame::setCaption(const QString& caption) {
    if (!captionSet_ || title() != caption) {
        captionSet_ = true;
        setTitle(caption);
        changed("Caption");
    }
}

QFont GroupFrame::captionFont() const {
    return font_.value_or(font());
}

void GroupFrame::setPicture(const QPixmap& picture) {
    if (picture_.cacheKey() != picture.cacheKey()) {
        picture_ = picture;
        changed("Picture");
    }
}

void GroupFrame::computeThemeColours() {
    if (themeColor_ == 5) {
        themeLight_ = colorTo_;
        themeDark_ = colorFrom_;
        themeAccent_ = frameColor_;
        return;
    }
    const Theme& theme =
        kThemes[static_cast<std::size_t>(themeColor_ >= 0 && themeColor_ <= 4 ? themeColor_ : 1)];
    themeLight_ = QColor::fromRgb(theme.light);
    themeDark_ = QColor::fromRgb(theme.dark);
    themeAccent_ = QColor::fromRgb(theme.accent);
}

void GroupFrame::setThemeColor(int theme) {
    if (themeColor_ != theme) {
        themeColor_ = theme;
        computeThemeColours();
        changed("ThemeColor");
    }
}

void GroupFrame::setGradientHeaderStyle(int style) {
    store(gradientHeaderStyle_, style, "GradientHeaderStyle");
}
// The persisted properties and their defaults, Style first: the stored values overrule the
// colours that setting it applies. BackColor, FillColor and Font follow the host until set.
QList<PersistedDefault> GroupFrame::persistedDefaults() const {
    return {{"Style", 1},
            {"FrameColor", QColor(0, 0, 0)},
            {"TextBoxColor", QColor(255, 255, 255)},
            {"TxtBoxShadow", 0},
            {"RoundedCorner", true},
            {"RoundedCornerTxtBox", false},
            {"Caption", objectName()},
            {"TextBoxHeight", kTextBoxHeight},
            {"TextColor", QColor(0, 0, 0)},
            {"Alignment", int{kCentre}},
            {"IconAlignment", 0},
            {"Picture", QPixmap()},
            {"IconSize", 16},
            {"ThemeColor", 0},
            {"ColorFrom", QColor(255, 158, 158)},
            {"ColorTo", QColor(255, 240, 240)},
            {"HeaderStyle", 0},
            {"GradientHeaderStyle", 0},
            {"Enabled", true}};
}

QVariantMap GroupFrame::saveProperties() const {
    QVariantMap stored = changedProperties(*this, persistedDefaults());
    const auto keepIfSet = [&stored](const char* name, const auto& member) {
        if (member) {
            stored.insert(QString::fromLatin1(name), *member);
        }
    };
    keepIfSet("BackColor", backColor_);
    keepIfSet("FillColor", fillColor_);
    keepIfSet("Font", font_);
    return stored;
}

void GroupFrame::loadProperties(const QVariantMap& stored) {
    restoreProperties(*this, stored, persistedDefaults());
    const auto restoreOrFollowHost = [&stored]<typename T>(const char* name,
                                                           std::optional<T>& member) {
        member.reset();
        if (const QVariant value = stored.value(QString::fromLatin1(name)); value.isValid()) {
            member = value.value<T>();
        }
    };
    restoreOrFollowHost("BackColor", backColor_);
    restoreOrFollowHost("FillColor", fillColor_);
    restoreOrFollowHost("Font", font_);
    computeThemeColours();
    update();
}

void GroupFrame::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        changed("Enabled");
    }
}

// The panel style is cut to its rounded outline; the others cover their whole rectangle.
void GroupFrame::updateShape() {
    if (style_ == 8) {
        setMask(gdi::roundRectRegion(0, 0, width(), height(), kCorner));
    } else {
        clearMask();
    }
}

void GroupFrame::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    updateShape();
}

void GroupFrame::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit MouseMove(mouseButtonCode(event->buttons()), shiftCode(event->modifiers()), pos.x(),
                   pos.y());
}

GroupFrame::Palette GroupFrame::colours() const {
    if (isEnabled()) {
        return {frameColor_, themeAccent_, textBoxColor_, fillColor(),
                themeLight_, themeDark_,   textColor_};
    }
    return {kInactiveBorder, kInactiveBorder, k3DLight, hostBackground(),
            kButtonFace,     kButtonFace,     kGrayText};
}

// Draws the body and header of the style; returns the rectangle the caption goes in.
QRect GroupFrame::drawStyle(QPainter& painter, const Palette& colours, QSize caption,
                            int pictureRoom) const {
    const int w = width();
    const int h = height();
    const int bodyTop = gdi::halfTiesToEven(caption.height());
    const int corner = roundedCorner_ ? kCorner : 0;
    // A caption box of `width` placed by the alignment between the side margins.
    const auto alignedLeft = [&](int width) {
        if (alignment_ == kLeft) {
            return kSideMargin;
        }
        return alignment_ == kRight ? w - kSideMargin - width : (w - width) / 2;
    };

    switch (styleRow(style_).look) {
        case Look::GroupBox: {
            // The outline starts at half the caption height; the caption interrupts its top edge.
            if (style_ == 0) {
                gdi::roundRect(painter, 0, bodyTop, w - 1, h - 1, corner, colours.frame,
                               colours.fill);
            } else {  // etched
                painter.fillRect(QRect(0, bodyTop, w, h - bodyTop), colours.fill);
                gdi::roundRect(painter, 1, bodyTop + 1, w, h, corner, kGrayText);
                gdi::roundRect(painter, 0, bodyTop, w - 1, h - 1, corner,
                               isEnabled() ? k3DDarkShadow : colours.frame);
            }
            if (caption.width() == 0) {
                return {};
            }
            const int shownWidth = std::min(caption.width() + pictureRoom, w - 2 * kSideMargin);
            const QRect captionRect(alignedLeft(shownWidth), 0, shownWidth, caption.height());
            painter.fillRect(captionRect.adjusted(-2, 0, 2, 0), backColor());
            return captionRect;
        }
        case Look::Band: {
            // A header band: a gradient (or, in style 1 without HeaderStyle, the caption box
            // colour) under a light line, closed by a line in the accent or frame colour.
            const bool themed = style_ != 3;
            const int bandCorner = style_ == 4 ? kCorner : corner;
            const QRect band(0, bodyTop, w - 1,
                             themed ? textBoxHeight_ : caption.height() + 2 * kHeaderInset);
            const QColor from = themed ? colours.light : colours.textBox;
            const QColor to = themed ? colours.dark : colours.fill;
            gdi::roundRect(painter, 0, bodyTop, w - 1, h - 1, bandCorner, QColor(), colours.fill);
            painter.save();
            painter.setClipRegion(gdi::roundRectRegion(0, bodyTop, w - 1, h - 1, bandCorner));
            if (style_ != 1 || headerStyle_ == 1) {
                headerGradient(painter, band, from, to, gradientHeaderStyle_, 2.01);
            } else {
                painter.fillRect(band, colours.textBox);
            }
            gdi::line(painter, 1, bodyTop + 1, w - 2, bodyTop + 1, averagedWithWhite(from));
            gdi::line(painter, 0, band.bottom() + 1, w - 1, band.bottom() + 1,
                      themed ? colours.accent : colours.frame);
            painter.restore();
            gdi::roundRect(painter, 0, bodyTop, w - 1, h - 1, bandCorner, colours.frame);
            return band.adjusted(kSideMargin, 0, -kSideMargin, 0);
        }
        case Look::Box: {
            // A caption box at the top, with a shadow 2 px down and right when TxtBoxShadow is on.
            gdi::roundRect(painter, 0, bodyTop, w - 1, h - 1, corner, colours.frame, colours.fill);
            const int boxWidth =
                std::min(caption.width() + pictureRoom + 2 * kSideMargin, w - 2 * kSideMargin);
            const QRect box(alignedLeft(boxWidth), 0, boxWidth,
                            caption.height() + 2 * kHeaderInset);
            const int boxCorner = roundedCornerTxtBox_ ? kCorner : 0;
            const auto outline = [&](const QRect& r, const QColor& fill) {
                gdi::roundRect(painter, r.left(), r.top(), r.right() + 1, r.bottom() + 1, boxCorner,
                               colours.frame, fill);
            };
            if (txtBoxShadow_ != 0) {
                outline(box.translated(2, 2), colours.frame);
            }
            if (headerStyle_ == 1) {
                painter.save();
                painter.setClipRegion(gdi::roundRectRegion(box.left(), box.top(), box.right() + 1,
                                                           box.bottom() + 1, boxCorner));
                headerGradient(painter, box, colours.light, colours.dark, gradientHeaderStyle_,
                               2.01);
                painter.restore();
                outline(box, QColor());
            } else {
                outline(box, colours.textBox);
            }
            return box.adjusted(kSideMargin, 0, -kSideMargin, 0);
        }
        case Look::Panel: {
            // The whole control, cut to its rounded outline, filled and outlined.
            if (headerStyle_ == 1) {
                headerGradient(painter, rect(), colours.light, colours.dark, gradientHeaderStyle_,
                               2.01);
            } else {
                painter.fillRect(rect(), colours.fill);
            }
            gdi::roundRect(painter, 0, 0, w - 1, h - 1, kCorner, colours.frame);
            return rect().adjusted(kSideMargin, kHeaderInset, -kSideMargin, -kHeaderInset);
        }
        case Look::Tab:
            break;
    }

    // The tab header: a slanted tab at the top-left corner, as wide as the caption.
    int tabWidth = std::max(caption.width() + pictureRoom + 10, kMinimumTabWidth);
    const int tabHeight = caption.height() + 5;
    const int halfTab = gdi::halfTiesToEven(tabHeight);
    if (tabWidth + halfTab >= w - 1 - kSideMargin) {
        tabWidth = w - 1 - halfTab - kSideMargin - 1;
    }
    const QPolygon tabShape({QPoint(0, 0), QPoint(0, tabHeight), QPoint(tabWidth, tabHeight),
                             QPoint(tabWidth + halfTab, 0)});
    gdi::roundRect(painter, 0, 0, w - 1, h - 1, corner, colours.fill, colours.fill);
    painter.save();
    painter.setClipRegion(QRegion(tabShape, Qt::OddEvenFill) &
                          gdi::roundRectRegion(0, 0, w - 1, h - 1, corner));
    painter.fillRect(rect(), colours.textBox);
    painter.restore();
    gdi::line(painter, 0, tabHeight, tabWidth, tabHeight, colours.frame);
    gdi::line(painter, tabWidth, tabHeight, tabWidth + halfTab, 0, colours.frame);
    gdi::roundRect(painter, 0, 0, w - 1, h - 1, corner, colours.frame);
    if (style_ == 6) {
        // Small square marks in the body's corners.
        const int mark = 3;
        for (const QPoint& at : {QPoint(2, tabHeight + 2), QPoint(w - 3 - mark, 2),
                                 QPoint(2, h - 3 - mark), QPoint(w - 3 - mark, h - 3 - mark)}) {
            painter.fillRect(QRect(at, QSize(mark, mark)), colours.frame);
        }
    }
    const int left = gdi::halfTiesToEven(kSideMargin);
    return QRect(QPoint(left, 0), QPoint(tabWidth - 1, tabHeight + 2 - 1));
}

void GroupFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect(), backColor());

    const QString text = caption();
    const QFont font = captionFont();
    const QFontMetrics metrics(font);
    const QSize captionSize =
        text.isEmpty() ? QSize(0, 0) : QSize(metrics.horizontalAdvance(text), metrics.height());
    const bool hasPicture = !picture_.isNull() && style_ != 0;
    const int pictureRoom = hasPicture ? iconSize_ + kIconGap : 0;
    const Palette palette = colours();
    const QRect captionRect = drawStyle(painter, palette, captionSize, pictureRoom);
    const bool wrap = styleRow(style_).look == Look::Panel;

    // The header icon, scaled to IconSize and set before or after the caption.
    painter.setFont(font);
    const int iconRoom = hasPicture && !captionRect.isEmpty() ? pictureRoom : 0;
    // A caption wider than its place is elided at its end.
    const int room = std::max(captionRect.width() - iconRoom, 0);
    const QString shown = wrap || metrics.horizontalAdvance(text) <= room
                              ? text
                              : metrics.elidedText(text, Qt::ElideRight, room);
    QRect textRect = captionRect;
    if (iconRoom != 0) {
        const int contentWidth = metrics.horizontalAdvance(shown) + iconRoom;
        int contentLeft = captionRect.left();
        if (alignment_ == kCentre) {
            contentLeft += (captionRect.width() - contentWidth) / 2;
        } else if (alignment_ == kRight) {
            contentLeft = captionRect.right() + 1 - contentWidth;
        }
        const int iconTop = captionRect.top() + (captionRect.height() - iconSize_) / 2;
        const int iconLeft =
            iconAlignment_ == 0 ? contentLeft : contentLeft + contentWidth - iconSize_;
        textRect.setLeft(iconAlignment_ == 0 ? contentLeft + iconRoom : contentLeft);
        textRect.setWidth(contentWidth - iconRoom);
        painter.drawPixmap(QRect(iconLeft, iconTop, iconSize_, iconSize_), picture_);
    }
    if (shown.isEmpty() || textRect.isEmpty()) {
        return;
    }
    int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::AlignHCenter;
    if (wrap) {
        flags = Qt::AlignCenter | Qt::TextWordWrap;
    } else if (iconRoom != 0 || alignment_ == kLeft) {
        flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::AlignLeft;
    } else if (alignment_ == kRight) {
        flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::AlignRight;
    }
    painter.setPen(palette.text);
    painter.drawText(textRect, flags, shown);
}

}  // namespace quillon::controls
