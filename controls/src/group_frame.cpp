#include "quillon/controls/group_frame.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "accessibility.h"
#include "assign_if_changed.h"
#include "gdi_shapes.h"

namespace quillon {

namespace {

// The smallest frame, 700 × 400 twips at 15 twips per pixel, rounded up to whole pixels.
constexpr int kMinimumWidth = 47;
constexpr int kMinimumHeight = 27;

constexpr int kCorner = 10;
constexpr int kHeaderInset = 3;
constexpr int kSideMargin = 15;
constexpr int kIconGap = 6;
constexpr int kTextBoxHeight = 22;
constexpr int kMinimumTabWidth = 100;

// The platform's system colours the disabled frame is drawn with (the classic XP scheme).
const QColor kInactiveBorder(212, 208, 200);  // index 11
const QColor kButtonFace(236, 233, 216);      // index 15
const QColor kGrayText(172, 168, 153);        // index 17
const QColor k3DDarkShadow(113, 111, 100);    // index 21
const QColor k3DLight(241, 239, 226);         // index 22

QColor averagedWithWhite(const QColor& colour) {
    return QColor((colour.red() + 255) / 2, (colour.green() + 255) / 2, (colour.blue() + 255) / 2);
}

QColor interpolate(const QColor& from, const QColor& to, int step, int steps) {
    if (steps <= 0) {
        return from;
    }
    const auto mix = [step, steps](int a, int b) { return a + (b - a) * step / steps; };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

// Fills `area` line by line. Kinds 0 and 1 run top to bottom and left to right; 2 and 3 run the
// same directions in two bands, the first covering the extent divided by `factor`.
void lineGradient(QPainter& painter, const QRect& area, const QColor& from, const QColor& to,
                  int kind, double factor) {
    if (area.isEmpty()) {
        return;
    }
    const bool vertical = kind == 0 || kind == 2;
    const bool twoBands = kind == 2 || kind == 3;
    const int extent = vertical ? area.height() : area.width();
    const int first = twoBands ? static_cast<int>(extent / std::max(factor, 1.01)) : extent;
    for (int i = 0; i < extent; ++i) {
        const QColor colour = i < first ? interpolate(from, to, i, first)
                                        : interpolate(to, from, i - first, extent - first);
        if (vertical) {
            painter.fillRect(QRect(area.left(), area.top() + i, area.width(), 1), colour);
        } else {
            painter.fillRect(QRect(area.left() + i, area.top(), 1, area.height()), colour);
        }
    }
}

// Characters are taken off the end until the text followed by "..." fits; nothing fits → "".
QString fitted(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width) {
        return text;
    }
    QString shortened = text;
    while (shortened.size() > 1) {
        shortened.chop(1);
        const QString candidate = shortened + QStringLiteral("...");
        if (metrics.horizontalAdvance(candidate) <= width) {
            return candidate;
        }
    }
    return {};
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

GroupFrame::GroupFrame(QWidget* parent) : QWidget(parent) {
    installControlsAccessibility();
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

void GroupFrame::setFrameColor(const QColor& colour) {
    if (assignIfChanged(frameColor_, colour)) {
        changed("FrameColor");
    }
}

QColor GroupFrame::backColor() const {
    return backColor_.value_or(hostBackground());
}

void GroupFrame::setBackColor(const QColor& colour) {
    if (assignIfChanged(backColor_, colour)) {
        changed("BackColor");
    }
}

QColor GroupFrame::fillColor() const {
    return fillColor_.value_or(hostBackground());
}

void GroupFrame::setFillColor(const QColor& colour) {
    if (assignIfChanged(fillColor_, colour)) {
        changed("FillColor");
    }
}

void GroupFrame::setTextBoxColor(const QColor& colour) {
    if (assignIfChanged(textBoxColor_, colour)) {
        changed("TextBoxColor");
    }
}

void GroupFrame::setTxtBoxShadow(int on) {
    if (assignIfChanged(txtBoxShadow_, on)) {
        changed("TxtBoxShadow");
    }
}

void GroupFrame::applyStyleDefaults(int style) {
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor blueText(3, 54, 207);
    const QColor lightGrey(195, 195, 195);
    const QColor paleYellow(240, 239, 176);
    switch (style) {
        case 0:
        case 7:
            textColor_ = blueText;
            frameColor_ = lightGrey;
            textBoxColor_ = white;
            alignment_ = kLeft;
            fillColor_.reset();
            break;
        case 2:
            textColor_ = black;
            frameColor_ = QColor(106, 106, 106);
            textBoxColor_ = paleYellow;
            alignment_ = kCentre;
            roundedCornerTxtBox_ = true;
            fillColor_.reset();
            break;
        case 3:
            textColor_ = black;
            frameColor_ = black;
            textBoxColor_ = paleYellow;
            alignment_ = kCentre;
            roundedCorner_ = true;
            roundedCornerTxtBox_ = false;
            fillColor_ = QColor(255, 255, 224);
            gradientHeaderStyle_ = 1;
            headerStyle_ = 0;
            break;
        case 5:
        case 6:
            textColor_ = white;
            frameColor_ = style == 5 ? QColor(192, 0, 0) : QColor(0, 0, 166);
            textBoxColor_ = frameColor_;
            alignment_ = kLeft;
            fillColor_.reset();
            break;
        case 4:
        case 8:
        case 1:
        default:
            textColor_ = black;
            frameColor_ = black;
            textBoxColor_ = white;
            alignment_ = kCentre;
            // Only the number changes; the theme colours follow at the next change of ThemeColor.
            themeColor_ = 0;
            if (style == 4) {
                gradientHeaderStyle_ = 0;
                headerStyle_ = 0;
            } else if (style == 8) {
                gradientHeaderStyle_ = 2;
                headerStyle_ = 1;
            }
            break;
    }
    textBoxHeight_ = kTextBoxHeight;
}

void GroupFrame::setStyle(int style) {
    if (style_ == style) {
        return;
    }
    applyStyleDefaults(style);
    style_ = style;
    updateShape();
    changed("Style");
}

void GroupFrame::setRoundedCorner(bool on) {
    if (roundedCorner_ == on) {
        return;
    }
    roundedCorner_ = on;
    updateShape();
    changed("RoundedCorner");
}

void GroupFrame::setRoundedCornerTxtBox(bool on) {
    if (assignIfChanged(roundedCornerTxtBox_, on)) {
        changed("RoundedCornerTxtBox");
    }
}

QString GroupFrame::caption() const {
    return caption_.value_or(objectName());
}

void GroupFrame::setCaption(const QString& caption) {
    if (caption_ && *caption_ == caption) {
        return;
    }
    caption_ = caption;
    notifyAccessibleNameChanged(this);
    changed("Caption");
}

void GroupFrame::setTextBoxHeight(int height) {
    if (assignIfChanged(textBoxHeight_, height)) {
        changed("TextBoxHeight");
    }
}

void GroupFrame::setTextColor(const QColor& colour) {
    if (assignIfChanged(textColor_, colour)) {
        changed("TextColor");
    }
}

void GroupFrame::setAlignment(int alignment) {
    if (assignIfChanged(alignment_, alignment)) {
        changed("Alignment");
    }
}

void GroupFrame::setIconAlignment(int alignment) {
    if (assignIfChanged(iconAlignment_, alignment)) {
        changed("IconAlignment");
    }
}

QFont GroupFrame::captionFont() const {
    return font_.value_or(font());
}

void GroupFrame::setCaptionFont(const QFont& font) {
    if (assignIfChanged(font_, font)) {
        changed("Font");
    }
}

void GroupFrame::setPicture(const QPixmap& picture) {
    if (picture_.cacheKey() == picture.cacheKey()) {
        return;
    }
    picture_ = picture;
    changed("Picture");
}

void GroupFrame::setIconSize(int size) {
    if (assignIfChanged(iconSize_, size)) {
        changed("IconSize");
    }
}

void GroupFrame::computeThemeColours() {
    switch (themeColor_) {
        case 0:
            themeLight_ = QColor(221, 236, 254);
            themeDark_ = QColor(129, 169, 226);
            themeAccent_ = QColor(0, 0, 128);
            break;
        case 2:
            themeLight_ = QColor(247, 249, 225);
            themeDark_ = QColor(181, 197, 143);
            themeAccent_ = QColor(63, 93, 56);
            break;
        case 3:
            themeLight_ = QColor(248, 248, 242);
            themeDark_ = QColor(194, 194, 171);
            themeAccent_ = QColor(145, 145, 115);
            break;
        case 4:
            themeLight_ = QColor(255, 239, 165);
            themeDark_ = QColor(217, 172, 1);
            themeAccent_ = QColor(117, 91, 30);
            break;
        case 5:
            themeLight_ = colorTo_;
            themeDark_ = colorFrom_;
            themeAccent_ = frameColor_;
            break;
        default:
            themeLight_ = QColor(244, 244, 251);
            themeDark_ = QColor(153, 151, 180);
            themeAccent_ = QColor(75, 75, 111);
            break;
    }
}

void GroupFrame::setThemeColor(int theme) {
    if (themeColor_ == theme) {
        return;
    }
    themeColor_ = theme;
    computeThemeColours();
    changed("ThemeColor");
}

void GroupFrame::setColorFrom(const QColor& colour) {
    if (assignIfChanged(colorFrom_, colour)) {
        changed("ColorFrom");
    }
}

void GroupFrame::setColorTo(const QColor& colour) {
    if (assignIfChanged(colorTo_, colour)) {
        changed("ColorTo");
    }
}

void GroupFrame::setHeaderStyle(int style) {
    if (assignIfChanged(headerStyle_, style)) {
        changed("HeaderStyle");
    }
}

void GroupFrame::setGradientHeaderStyle(int style) {
    if (assignIfChanged(gradientHeaderStyle_, style)) {
        changed("GradientHeaderStyle");
    }
}

QVariantMap GroupFrame::saveProperties() const {
    QVariantMap stored;
    const auto keep = [&stored](const char* name, const QVariant& value, bool isDefault) {
        if (!isDefault) {
            stored.insert(QString::fromLatin1(name), value);
        }
    };
    keep("FrameColor", frameColor_, frameColor_ == QColor(0, 0, 0));
    keep("BackColor", backColor(), !backColor_.has_value());
    keep("FillColor", fillColor(), !fillColor_.has_value());
    keep("TextBoxColor", textBoxColor_, textBoxColor_ == QColor(255, 255, 255));
    keep("TxtBoxShadow", txtBoxShadow_, txtBoxShadow_ == 0);
    keep("Style", style_, style_ == 1);
    keep("RoundedCorner", roundedCorner_, roundedCorner_);
    keep("RoundedCornerTxtBox", roundedCornerTxtBox_, !roundedCornerTxtBox_);
    keep("Caption", caption(), caption() == objectName());
    keep("TextBoxHeight", textBoxHeight_, textBoxHeight_ == kTextBoxHeight);
    keep("TextColor", textColor_, textColor_ == QColor(0, 0, 0));
    keep("Alignment", alignment_, alignment_ == kCentre);
    keep("IconAlignment", iconAlignment_, iconAlignment_ == 0);
    keep("Font", captionFont(), !font_.has_value());
    keep("Picture", picture_, picture_.isNull());
    keep("IconSize", iconSize_, iconSize_ == 16);
    keep("ThemeColor", themeColor_, themeColor_ == 0);
    keep("ColorFrom", colorFrom_, colorFrom_ == QColor(255, 158, 158));
    keep("ColorTo", colorTo_, colorTo_ == QColor(255, 240, 240));
    keep("HeaderStyle", headerStyle_, headerStyle_ == 0);
    keep("GradientHeaderStyle", gradientHeaderStyle_, gradientHeaderStyle_ == 0);
    keep("Enabled", isEnabled(), isEnabled());
    return stored;
}

void GroupFrame::loadProperties(const QVariantMap& stored) {
    const auto has = [&stored](const char* name) {
        return stored.contains(QString::fromLatin1(name));
    };
    const auto value = [&stored](const char* name) {
        return stored.value(QString::fromLatin1(name));
    };
    const auto colour = [&](const char* name, const QColor& fallback) {
        return has(name) ? value(name).value<QColor>() : fallback;
    };
    const auto number = [&](const char* name, int fallback) {
        return has(name) ? value(name).toInt() : fallback;
    };
    const auto flag = [&](const char* name, bool fallback) {
        return has(name) ? value(name).toBool() : fallback;
    };
    // Stored values are taken as they are: no style defaults are applied while loading.
    frameColor_ = colour("FrameColor", QColor(0, 0, 0));
    backColor_.reset();
    if (has("BackColor")) {
        backColor_ = value("BackColor").value<QColor>();
    }
    fillColor_.reset();
    if (has("FillColor")) {
        fillColor_ = value("FillColor").value<QColor>();
    }
    textBoxColor_ = colour("TextBoxColor", QColor(255, 255, 255));
    txtBoxShadow_ = number("TxtBoxShadow", 0);
    style_ = number("Style", 1);
    roundedCorner_ = flag("RoundedCorner", true);
    roundedCornerTxtBox_ = flag("RoundedCornerTxtBox", false);
    caption_.reset();
    if (has("Caption")) {
        caption_ = value("Caption").toString();
    }
    textBoxHeight_ = number("TextBoxHeight", kTextBoxHeight);
    textColor_ = colour("TextColor", QColor(0, 0, 0));
    alignment_ = number("Alignment", kCentre);
    iconAlignment_ = number("IconAlignment", 0);
    font_.reset();
    if (has("Font")) {
        font_ = value("Font").value<QFont>();
    }
    picture_ = has("Picture") ? value("Picture").value<QPixmap>() : QPixmap();
    iconSize_ = number("IconSize", 16);
    themeColor_ = number("ThemeColor", 0);
    colorFrom_ = colour("ColorFrom", QColor(255, 158, 158));
    colorTo_ = colour("ColorTo", QColor(255, 240, 240));
    headerStyle_ = number("HeaderStyle", 0);
    gradientHeaderStyle_ = number("GradientHeaderStyle", 0);
    computeThemeColours();
    loading_ = true;
    setEnabled(flag("Enabled", true));
    loading_ = false;
    updateShape();
    notifyAccessibleNameChanged(this);
    update();
}

void GroupFrame::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange) {
        return;
    }
    if (!loading_) {
        const bool enabled = isEnabled();
        const auto children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* child : children) {
            child->setEnabled(enabled);
        }
    }
    changed("Enabled");
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
    QWidget::resizeEvent(event);
    updateShape();
    update();
}

void GroupFrame::mouseMoveEvent(QMouseEvent* event) {
    const int button = (event->buttons().testFlag(Qt::LeftButton) ? 1 : 0) |
                       (event->buttons().testFlag(Qt::RightButton) ? 2 : 0) |
                       (event->buttons().testFlag(Qt::MiddleButton) ? 4 : 0);
    const int shift = (event->modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0) |
                      (event->modifiers().testFlag(Qt::ControlModifier) ? 2 : 0) |
                      (event->modifiers().testFlag(Qt::AltModifier) ? 4 : 0);
    const QPoint pos = event->position().toPoint();
    emit MouseMove(button, shift, pos.x(), pos.y());
}

void GroupFrame::paintEvent(QPaintEvent* /*event*/) {
    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect(), backColor());

    const QString text = caption();
    const QFont font = captionFont();
    const QFontMetrics metrics(font);
    const int captionWidth = text.isEmpty() ? 0 : metrics.horizontalAdvance(text);
    const int captionHeight = text.isEmpty() ? 0 : metrics.height();
    const int bodyTop = gdi::halfTiesToEven(captionHeight);
    const int pictureRoom = !picture_.isNull() && style_ != 0 ? iconSize_ + kIconGap : 0;

    Palette colours;
    if (isEnabled()) {
        colours = {frameColor_, themeAccent_, textBoxColor_, fillColor(),
                   themeLight_, themeDark_,   textColor_};
    } else {
        colours = {kInactiveBorder, kInactiveBorder, k3DLight, hostBackground(),
                   kButtonFace,     kButtonFace,     kGrayText};
    }
    const int corner = roundedCorner_ ? kCorner : 0;
    const bool gradientHeader = headerStyle_ == 1;
    QRect captionRect;
    bool wrapCaption = false;

    // The caption box of the header styles: as wide as the caption plus its side margins, placed
    // by the alignment.
    const auto headerBox = [&](int top, int height) {
        const int boxWidth =
            std::min(captionWidth + pictureRoom + 2 * kSideMargin, w - 2 * kSideMargin);
        int left = (w - boxWidth) / 2;
        if (alignment_ == kLeft) {
            left = kSideMargin;
        } else if (alignment_ == kRight) {
            left = w - kSideMargin - boxWidth;
        }
        return QRect(left, top, boxWidth, height);
    };

    switch (style_) {
        case 0:
        case 7: {
            // A group box: the outline starts at half the caption height, the caption sits on it.
            if (style_ == 0) {
                gdi::roundRect(painter, 0, bodyTop, w - 1, h - 1, corner, colours.frame,
                               colours.fill);
            } else {
                const QColor dark = isEnabled() ? k3DDarkShadow : kInactiveBorder;
                painter.fillRect(QRect(0, bodyTop, w, h - bodyTop), colours.fill);
                gdi::roundRect(painter, 1, bodyTop + 1, w, h, corner, kGrayText);
                gdi::roundRect(painter, 0, bodyTop, w - 1, h - 1, corner, dark);
            }
            if (!text.isEmpty()) {
                // The caption interrupts the top edge, 15 px from the side or centred.
                const int shownWidth = std::min(captionWidth + pictureRoom, w - 2 * kSideMargin);
                int left = (w - shownWidth) / 2;
                if (alignment_ == kLeft) {
                    left = kSideMargin;
                } else if (alignment_ == kRight) {
                    left = w - kSideMargin - shownWidth;
                }
                const int pad = 2;
                captionRect = QRect(left, 0, shownWidth, captionHeight);
                painter.fillRect(captionRect.adjusted(-pad, 0, pad, 0), backColor());
            }
            break;
        }
        case 1: {
            const int headerBottom = bodyTop + textBoxHeight_;
            gdi::roundRect(painter, 0, bodyTop, w - 1, h - 1, corner, QColor(), colours.fill);
            painter.save();
            painter.setClipRegion(gdi::roundRectRegion(0, bodyTop, w - 1, h - 1, corner));
            const QRect band(0, bodyTop, w - 1, textBoxHeight_);
            if (gradientHeader) {
                lineGradient(painter, band, colours.light, colours.dark, gradientHeaderStyle_,
                             2.01);
            } else {
                painter.fillRect(band, colours.textBox);
            }
            gdi::line(painter, 1, bodyTop + 1, w - 2, bodyTop + 1,
                      averagedWithWhite(colours.light));
            gdi::line(painter, 0, headerBottom, w - 1, headerBottom, colours.frame);
            gdi::line(painter, 1, headerBottom + 1, w - 2, headerBottom + 1,
                      averagedWithWhite(colours.dark));
            painter.restore();
            gdi::roundRect(painter, 0, bodyTop, w - 1, h - 1, corner, colours.frame);
            captionRect = QRect(kSideMargin, bodyTop, w - 2 * kSideMargin, textBoxHeight_);
            break;
        }
        case 2: {
            gdi::roundRect(painter, 0, bodyTop, w - 1, h - 1, corner, colours.frame, colours.fill);
            const QRect box = headerBox(0, captionHeight + 2 * kHeaderInset);
            const int boxCorner = roundedCornerTxtBox_ ? kCorner : 0;
            if (txtBoxShadow_ != 0) {
                const QRect shadow = box.translated(2, 2);
                gdi::roundRect(painter, shadow.left(), shadow.top(), shadow.right() + 1,
                               shadow.bottom() + 1, boxCorner, colours.frame, colours.frame);
            }
            if (gradientHeader) {
                painter.save();
                painter.setClipRegion(gdi::roundRectRegion(box.left(), box.top(), box.right() + 1,
                                                           box.bottom() + 1, boxCorner));
                lineGradient(painter, box, colours.light, colours.dark, gradientHeaderStyle_, 2.01);
                painter.restore();
                gdi::roundRect(painter, box.left(), box.top(), box.right() + 1, box.bottom() + 1,
                               boxCorner, colours.frame);
            } else {
                gdi::roundRect(painter, box.left(), box.top(), box.right() + 1, box.bottom() + 1,
                               boxCorner, colours.frame, colours.textBox);
            }
            captionRect = box.adjusted(kSideMargin, 0, -kSideMargin, 0);
            break;
        }
        case 3: {
            gdi::roundRect(painter, 0, bodyTop, w - 1, h - 1, corner, QColor(), colours.fill);
            painter.save();
            painter.setClipRegion(gdi::roundRectRegion(0, bodyTop, w - 1, h - 1, corner));
            const QRect band(0, bodyTop, w - 1, captionHeight + 2 * kHeaderInset);
            lineGradient(painter, band, colours.textBox, colours.fill, gradientHeaderStyle_, 2.01);
            gdi::line(painter, 0, band.bottom() + 1, w - 1, band.bottom() + 1, colours.frame);
            painter.restore();
            gdi::roundRect(painter, 0, bodyTop, w - 1, h - 1, corner, colours.frame);
            captionRect = band.adjusted(kSideMargin, 0, -kSideMargin, 0);
            break;
        }
        case 4: {
            gdi::roundRect(painter, 0, bodyTop, w - 1, h - 1, kCorner, QColor(), colours.fill);
            painter.save();
            painter.setClipRegion(gdi::roundRectRegion(0, bodyTop, w - 1, h - 1, kCorner));
            const QRect band(0, bodyTop, w - 1, textBoxHeight_);
            lineGradient(painter, band, colours.light, colours.dark, gradientHeaderStyle_, 2.01);
            gdi::line(painter, 0, bodyTop + 1, w - 1, bodyTop + 1, QColor(255, 255, 255));
            gdi::line(painter, 0, band.bottom() + 1, w - 1, band.bottom() + 1, colours.accent);
            gdi::line(painter, 0, band.bottom() + 2, w - 1, band.bottom() + 2,
                      averagedWithWhite(colours.light));
            painter.restore();
            gdi::roundRect(painter, 0, bodyTop, w - 1, h - 1, kCorner, colours.frame);
            captionRect = band.adjusted(kSideMargin, 0, -kSideMargin, 0);
            break;
        }
        case 8: {
            if (gradientHeader) {
                lineGradient(painter, rect(), colours.light, colours.dark, gradientHeaderStyle_,
                             2.01);
            } else {
                painter.fillRect(rect(), colours.fill);
            }
            gdi::roundRect(painter, 0, 0, w - 1, h - 1, kCorner, colours.frame);
            captionRect = rect().adjusted(kSideMargin, kHeaderInset, -kSideMargin, -kHeaderInset);
            wrapCaption = true;
            break;
        }
        case 5:
        case 6:
        default: {
            // The tab header: a slanted tab at the top-left corner, as wide as the caption.
            int tabWidth = std::max(captionWidth + pictureRoom + 10, kMinimumTabWidth);
            const int tabHeight = captionHeight + 5;
            const int halfTab = gdi::halfTiesToEven(tabHeight);
            if (tabWidth + halfTab >= w - 1 - kSideMargin) {
                tabWidth = w - 1 - halfTab - kSideMargin - 1;
            }
            const QPolygon tabShape({QPoint(0, 0), QPoint(0, tabHeight),
                                     QPoint(tabWidth, tabHeight), QPoint(tabWidth + halfTab, 0)});
            const QRegion body = gdi::roundRectRegion(0, 0, w - 1, h - 1, corner);
            gdi::roundRect(painter, 0, 0, w - 1, h - 1, corner, colours.fill, colours.fill);
            painter.save();
            painter.setClipRegion(gdi::polygonRegion(tabShape) & body);
            painter.fillRect(rect(), colours.textBox);
            painter.restore();
            gdi::line(painter, 0, tabHeight, tabWidth, tabHeight, colours.frame);
            gdi::line(painter, tabWidth, tabHeight, tabWidth + halfTab, 0, colours.frame);
            gdi::roundRect(painter, 0, 0, w - 1, h - 1, corner, colours.frame);
            if (style_ == 6) {
                // Small square marks in the body's corners.
                const int mark = 3;
                for (const QPoint& at :
                     {QPoint(2, tabHeight + 2), QPoint(w - 3 - mark, 2), QPoint(2, h - 3 - mark),
                      QPoint(w - 3 - mark, h - 3 - mark)}) {
                    painter.fillRect(QRect(at, QSize(mark, mark)), colours.frame);
                }
            }
            const int left = gdi::halfTiesToEven(kSideMargin);
            captionRect = QRect(QPoint(left, 0), QPoint(tabWidth - 1, tabHeight + 2 - 1));
            break;
        }
    }

    // The header icon, scaled to IconSize and set before or after the caption.
    QRect textRect = captionRect;
    const bool hasPicture = !picture_.isNull() && style_ != 0 && !captionRect.isEmpty();
    const int iconRoom = hasPicture ? pictureRoom : 0;
    painter.setFont(font);
    QString shown = text;
    if (!wrapCaption) {
        shown = fitted(text, metrics, std::max(captionRect.width() - iconRoom, 0));
    }
    shownCaption_ = shown;
    if (hasPicture) {
        const int contentWidth = metrics.horizontalAdvance(shown) + iconRoom;
        int contentLeft = captionRect.left();
        if (alignment_ == kCentre) {
            contentLeft = captionRect.left() + (captionRect.width() - contentWidth) / 2;
        } else if (alignment_ == kRight) {
            contentLeft = captionRect.right() + 1 - contentWidth;
        }
        const int iconTop = captionRect.top() + (captionRect.height() - iconSize_) / 2;
        int iconLeft = contentLeft;
        if (iconAlignment_ == 0) {
            textRect.setLeft(contentLeft + iconRoom);
            textRect.setWidth(contentWidth - iconRoom);
        } else {
            iconLeft = contentLeft + contentWidth - iconSize_;
            textRect.setLeft(contentLeft);
            textRect.setWidth(contentWidth - iconRoom);
        }
        painter.drawPixmap(QRect(iconLeft, iconTop, iconSize_, iconSize_), picture_);
    }
    if (!shown.isEmpty() && !textRect.isEmpty()) {
        int flags = Qt::AlignVCenter;
        if (wrapCaption) {
            flags |= Qt::TextWordWrap;
        } else {
            flags |= Qt::TextSingleLine;
        }
        if (alignment_ == kLeft && !hasPicture) {
            flags |= Qt::AlignLeft;
        } else if (alignment_ == kRight && !hasPicture) {
            flags |= Qt::AlignRight;
        } else if (hasPicture) {
            flags |= Qt::AlignLeft;
        } else {
            flags |= Qt::AlignHCenter;
        }
        if (wrapCaption) {
            flags = Qt::AlignCenter | Qt::TextWordWrap;
        }
        painter.setPen(colours.text);
        painter.drawText(textRect, flags, shown);
    }
}

}  // namespace quillon
