#include "quillon/controls/xp_button.h"

#include <QCursor>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <array>
#include <cmath>

#include "event_codes.h"
#include "gdi_shapes.h"
#include "persisted_properties.h"
#include "quillon/controls/cls_gradient.h"
#include "quillon/controls/mod_xp_button.h"
#include "quillon/controls/twips.h"

namespace quillon::controls {

namespace {

constexpr int kCaptionMarginTwips = 100;
constexpr int kCaptionRaiseTwips = 20;
constexpr int kIconMargin = 5;

// Eight segment colours; a segment whose colour is 0 (transparent) is not drawn.
using Ring = std::array<QRgb, 8>;

struct ColourScheme {
    QRgb faceTop;
    QRgb faceBottom;
    QRgb border;
    Ring hover;
    Ring focus;
    QRgb pressedTop;
    QRgb pressedBottom;
    Ring pressed;
};

constexpr Ring kBlueHover{qRgb(255, 240, 207), qRgb(250, 195, 88),  qRgb(229, 151, 0),
                          qRgb(252, 202, 105), qRgb(253, 216, 137), qRgb(251, 200, 96),
                          qRgb(248, 179, 48),  qRgb(250, 199, 97)};

// ColorStyle 1 blue, 2 silver, 3 olive.
constexpr std::array<ColourScheme, 3> kSchemes{{
    {qRgb(252, 252, 251),
     qRgb(240, 240, 234),
     qRgb(0, 60, 116),
     kBlueHover,
     {qRgb(206, 231, 255), qRgb(156, 187, 234), qRgb(105, 130, 238), qRgb(156, 187, 235),
      qRgb(188, 212, 246), qRgb(157, 188, 235), qRgb(137, 173, 228), qRgb(157, 187, 235)},
     qRgb(229, 228, 221),
     qRgb(226, 226, 218),
     {qRgb(209, 204, 193), qRgb(215, 212, 203), qRgb(242, 241, 238), qRgb(228, 227, 219),
      qRgb(220, 216, 207), qRgb(221, 219, 211), qRgb(234, 233, 227), qRgb(227, 226, 219)}},
    {qRgb(255, 255, 255),
     qRgb(198, 197, 215),
     qRgb(0, 60, 116),
     kBlueHover,
     {qRgb(206, 231, 255), qRgb(160, 190, 236), qRgb(105, 130, 238), qRgb(156, 187, 235),
      qRgb(188, 212, 246), qRgb(255, 255, 255), qRgb(137, 173, 228), qRgb(255, 255, 255)},
     qRgb(172, 171, 189),
     qRgb(255, 255, 255),
     {qRgb(255, 255, 255), qRgb(255, 255, 255), qRgb(255, 255, 255), qRgb(255, 255, 255), 0, 0, 0,
      0}},
    {qRgb(254, 255, 242),
     qRgb(243, 238, 219),
     qRgb(55, 98, 6),
     {qRgb(252, 197, 149), qRgb(232, 170, 118), qRgb(207, 114, 37), qRgb(231, 166, 111),
      qRgb(237, 190, 150), qRgb(231, 166, 111), qRgb(227, 145, 79), qRgb(231, 171, 119)},
     {qRgb(194, 209, 143), qRgb(160, 199, 103), qRgb(168, 167, 102), qRgb(161, 198, 104),
      qRgb(177, 203, 128), qRgb(155, 196, 95), qRgb(144, 193, 84), qRgb(152, 195, 93)},
     qRgb(238, 230, 210),
     qRgb(236, 228, 206),
     {qRgb(223, 205, 180), qRgb(227, 212, 191), qRgb(248, 244, 228), qRgb(238, 229, 207),
      qRgb(231, 217, 195), qRgb(232, 220, 198), qRgb(242, 236, 216), qRgb(237, 228, 207)}},
}};

const QColor kDisabledFace(245, 244, 234);
const QColor kDisabledOutline(201, 199, 186);
const QColor kDisabledIcon(172, 168, 153);

QFont defaultFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    return font;
}

// A ring: eight one-pixel segments in the ring's colour order.
void drawRing(QPainter& painter, int w, int h, const Ring& colours) {
    const std::array<std::array<int, 4>, 8> lines{{{2, 1, w - 3, 1},
                                                   {1, 2, 1, h - 3},
                                                   {2, h - 3, w - 3, h - 3},
                                                   {w - 3, 2, w - 3, h - 3},
                                                   {2, 2, w - 3, 2},
                                                   {2, 2, 2, h - 3},
                                                   {2, h - 4, w - 3, h - 4},
                                                   {w - 4, 2, w - 4, h - 3}}};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (colours[i] != 0) {
            const auto& l = lines[i];
            gdi::line(painter, l[0], l[1], l[2], l[3], QColor::fromRgb(colours[i]));
        }
    }
}

// Single black pixels at every second position, three pixels inside the left and top edges and
// four inside the right and bottom edges.
void drawDottedRect(QPainter& painter, int w, int h) {
    const int right = w - 5;
    const int bottom = h - 5;
    painter.setPen(Qt::black);
    for (int x = 3; x <= right && bottom >= 3; x += 2) {
        painter.drawPoint(x, 3);
        painter.drawPoint(x, bottom);
    }
    for (int y = 3; y <= bottom && right >= 3; y += 2) {
        painter.drawPoint(3, y);
        painter.drawPoint(right, y);
    }
}

void drawFace(QPainter& painter, int w, int h, QRgb top, QRgb bottom, QRgb border, int corner) {
    clsGradient gradient;
    gradient.DefineRect(0, 0, w, h);
    gradient.DrawGradient(painter, clsGradient::kTopToBottom, QColor::fromRgb(top),
                          QColor::fromRgb(bottom));
    gdi::roundRect(painter, 0, 0, w - 1, h - 1, corner, QColor::fromRgb(border));
}

// A picture made opaque over `under`: white under a mask keeps the face, black under an icon
// adds nothing to it.
QImage opaqueOver(const QPixmap& picture, Qt::GlobalColor under) {
    QImage image(picture.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(under);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, picture);
    return image;
}

void combine(QPainter& painter, int x, int y, const QImage& andImage, const QImage& orImage) {
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(x, y, andImage);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(x, y, orImage);
    painter.restore();
}

}  // namespace

XPButton::XPButton(QWidget* parent) : QAbstractButton(parent), fontType_(defaultFont()) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
    resize(sizeHint());
    updateShape();
    // A press and release that no mouse or key handler saw (the accessible press action, click())
    // acts as a left mouse click in the middle of the button.
    connect(this, &QAbstractButton::pressed, this,
            [this] { raiseIfNotFromInput(&XPButton::MouseDown); });
    connect(this, &QAbstractButton::released, this,
            [this] { raiseIfNotFromInput(&XPButton::MouseUp); });
    connect(this, &QAbstractButton::clicked, this, &XPButton::Click);
}

XPButton::~XPButton() = default;

QSize XPButton::sizeHint() const {
    return {85, 25};
}

QString XPButton::caption() const {
    return captionSet_ ? text() : objectName();
}

void XPButton::setCaption(const QString& caption) {
    if (captionSet_ && text() == caption) {
        return;
    }
    captionSet_ = true;
    setText(caption);
    changed("Caption");
}

void XPButton::setIcon(const QPixmap& icon) {
    if (icon_.cacheKey() != icon.cacheKey()) {
        icon_ = icon;
        changed("Icon");
    }
}

void XPButton::setIconMask(const QPixmap& mask) {
    if (iconMask_.cacheKey() != mask.cacheKey()) {
        iconMask_ = mask;
        changed("IconMask");
    }
}

void XPButton::setRoundedValue(int ellipse) {
    store(roundedValue_, ellipse, "RoundedValue");
    updateShape();
}

void XPButton::changed(const char* name) {
    update();
    emit PropertyChanged(QString::fromLatin1(name));
}

void XPButton::updateShape() {
    setMask(gdi::roundRectRegion(0, 0, width(), height(), roundedValue_));
}

// The persisted properties and their defaults; a new button's caption is its name, a stored
// button without a caption has none.
QList<PersistedDefault> XPButton::persistedDefaults(const QString& caption) {
    return {{"Caption", caption},
            {"ForeColor", QColor(0, 0, 0)},
            {"ColorStyle", int{kBlue}},
            {"FocusDottedRect", true},
            {"Enabled", true},
            {"FontType", defaultFont()},
            {"Icon", QPixmap()},
            {"IconMask", QPixmap()},
            {"RoundedValue", 5},
            {"CaptionAlignment", int{kCaptionCentre}},
            {"IconAlignment", int{kIconLeft}}};
}

QVariantMap XPButton::saveProperties() const {
    return changedProperties(*this, persistedDefaults(objectName()));
}

void XPButton::loadProperties(const QVariantMap& stored) {
    restoreProperties(*this, stored, persistedDefaults(QString()));
}

QImage XPButton::renderFace() const {
    const int w = width();
    const int h = height();
    QImage image(std::max(w, 1), std::max(h, 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setClipRegion(gdi::roundRectRegion(0, 0, w, h, roundedValue_));
    painter.setFont(fontType_);

    const bool enabled = isEnabled();
    const bool focus = hasFocus();
    const bool pressed = isDown();
    if (colorStyle_ < kBlue || colorStyle_ > kOlive) {
        if (enabled && hover_ && focusDottedRect_) {
            drawDottedRect(painter, w, h);
        }
        return image;
    }
    const ColourScheme& scheme = kSchemes[static_cast<std::size_t>(colorStyle_ - kBlue)];

    if (!enabled) {
        painter.fillRect(0, 0, w, h, kDisabledFace);
        gdi::roundRect(painter, 0, 0, w - 1, h - 1, roundedValue_, kDisabledOutline);
    } else {
        drawFace(painter, w, h, scheme.faceTop, scheme.faceBottom, scheme.border, roundedValue_);
        if (hover_ && !pressed) {
            drawRing(painter, w, h, scheme.hover);
        } else if (focus && !pressed) {
            drawRing(painter, w, h, scheme.focus);
        } else if (pressed) {
            drawFace(painter, w, h, scheme.pressedTop, scheme.pressedBottom, scheme.border,
                     roundedValue_);
            drawRing(painter, w, h, scheme.pressed);
        }
        if (focus && focusDottedRect_ && (pressed || !hover_)) {
            drawDottedRect(painter, w, h);
        }
    }

    if (!icon_.isNull() && !iconMask_.isNull()) {
        const QImage mask = opaqueOver(iconMask_, Qt::white);
        const int x = iconAlignment_ == kIconRight ? w - icon_.width() - kIconMargin : kIconMargin;
        const int y = (h - icon_.height()) / 2;
        if (enabled) {
            combine(painter, x, y, mask, opaqueOver(icon_, Qt::black));
        } else {
            QImage grey = mask;
            ModXPButton::replaceColor(grey, Qt::black, kDisabledIcon);
            combine(painter, x, y, grey, grey);
        }
    }

    const QString text = caption();
    if (!text.isEmpty()) {
        const QFontMetrics metrics(fontType_);
        const int textWidth = metrics.horizontalAdvance(text) * twips::kPerPixel;
        const int widthTwips = w * twips::kPerPixel;
        int left = (widthTwips - textWidth) / 2;
        if (captionAlignment_ == kCaptionLeft) {
            left = kCaptionMarginTwips;
        } else if (captionAlignment_ == kCaptionRight) {
            left = widthTwips - textWidth - kCaptionMarginTwips;
        }
        const int top =
            (h * twips::kPerPixel - metrics.height() * twips::kPerPixel) / 2 - kCaptionRaiseTwips;
        painter.setPen(enabled ? foreColor_ : kDisabledOutline);
        painter.drawText(twips::toPixels(left), twips::toPixels(top) + metrics.ascent(), text);
    }
    return image;
}

void XPButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(0, 0, renderFace());
}

void XPButton::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    updateShape();
}

void XPButton::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        // Nothing was tracked while disabled: take up the pointer as it is now.
        if (isEnabled()) {
            setHover(underMouse() && rect().contains(mapFromGlobal(QCursor::pos())),
                     QCursor::pos());
        }
        changed("Enabled");
    }
}

void XPButton::setHover(bool hover, const QPoint& screenPos) {
    if (hover_ == hover) {
        return;
    }
    hover_ = hover;
    update();
    if (hover) {
        emit MouseEnters(screenPos.x(), screenPos.y());
    } else {
        emit MouseLeaves(screenPos.x(), screenPos.y());
    }
}

void XPButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    if (isEnabled()) {
        setHover(true, event->globalPosition().toPoint());
    }
}

void XPButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    if (isEnabled()) {
        setHover(false, QCursor::pos());
    }
}

void XPButton::raiseIfNotFromInput(void (XPButton::*event)(int, int, int, int)) {
    if (!handlingInput_ && isEnabled()) {
        emit(this->*event)(mouseButtonCode(Qt::LeftButton), 0, width() / 2, height() / 2);
    }
}

void XPButton::keyPressEvent(QKeyEvent* event) {
    const QScopedValueRollback input(handlingInput_, true);
    emit KeyDown(event->key(), shiftCode(event->modifiers()));
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const int ascii = enter ? 13 : (event->text().isEmpty() ? 0 : event->text().at(0).unicode());
    if (ascii != 0) {
        emit KeyPress(ascii);
    }
    if (enter) {
        emit Click();
    }
    QAbstractButton::keyPressEvent(event);  // space: the pressed look
    event->accept();
}

void XPButton::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its key-down only; the key-up comes once, when it is let go.
    if (event->isAutoRepeat()) {
        return;
    }
    emit KeyUp(event->key(), shiftCode(event->modifiers()));
    if (event->key() == Qt::Key_Space) {
        setDown(false);  // letting go of space does not click
    }
    event->accept();
}

void XPButton::mousePressEvent(QMouseEvent* event) {
    const QScopedValueRollback input(handlingInput_, true);
    const QPoint pos = event->position().toPoint();
    emit MouseDown(mouseButtonCode(event->button()), shiftCode(event->modifiers()), pos.x(),
                   pos.y());
    if (event->button() == Qt::LeftButton) {
        QAbstractButton::mousePressEvent(event);
    }
    event->accept();
}

void XPButton::mouseReleaseEvent(QMouseEvent* event) {
    const QScopedValueRollback input(handlingInput_, true);
    const QPoint pos = event->position().toPoint();
    emit MouseUp(mouseButtonCode(event->button()), shiftCode(event->modifiers()), pos.x(), pos.y());
    if (event->button() == Qt::LeftButton) {
        QAbstractButton::mouseReleaseEvent(event);  // Click when released on the button
    }
    event->accept();
}

void XPButton::mouseMoveEvent(QMouseEvent* event) {
    // The pressed look stays until the release, wherever the pointer goes.
    const QPoint pos = event->position().toPoint();
    emit MouseMove(mouseButtonCode(event->buttons()), shiftCode(event->modifiers()), pos.x(),
                   pos.y());
}

void XPButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        // The second press of a double click is the double click itself: no MouseDown, no Click.
        emit DoubleClick();
        return;
    }
    mousePressEvent(event);
}

}  // namespace quillon::controls
