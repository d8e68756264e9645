#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QVariantMap>
#include <utility>

namespace quillon::controls {

// The window's command button: a self-drawn push button with a vertical gradient face, a rounded
// outline, two-pixel highlight rings for hover, focus and pressed, an optional masked icon and a
// caption. Qt's button does the pressing, clicking, focus and accessibility; the button adds the
// events the window binds (the signals below): `MouseDown` for any mouse button, `Click` on Enter
// as well, and no `Click` when the space bar is let go. A disabled button raises nothing.
//
// Coordinates of the mouse events are pixels relative to the button; `MouseEnters` and
// `MouseLeaves` report the cursor's screen position in pixels. Shift is the modifier mask
// 1 Shift, 2 Ctrl, 4 Alt; Button is 1 left, 2 right, 4 middle. KeyCode is the Qt key code (equal to
// the virtual-key code for space, digits and letters).
class XPButton final : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int ColorStyle READ colorStyle WRITE setColorStyle)
    Q_PROPERTY(bool FocusDottedRect READ focusDottedRect WRITE setFocusDottedRect)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(QFont FontType READ fontType WRITE setFontType)
    Q_PROPERTY(QPixmap Icon READ icon WRITE setIcon)
    Q_PROPERTY(QPixmap IconMask READ iconMask WRITE setIconMask)
    Q_PROPERTY(int RoundedValue READ roundedValue WRITE setRoundedValue)
    Q_PROPERTY(int CaptionAlignment READ captionAlignment WRITE setCaptionAlignment)
    Q_PROPERTY(int IconAlignment READ iconAlignment WRITE setIconAlignment)

  public:
    enum ColorStyleValue { kBlue = 1, kSilver = 2, kOlive = 3 };
    enum CaptionAlignmentValue { kCaptionLeft = 0, kCaptionRight = 1, kCaptionCentre = 2 };
    enum IconAlignmentValue { kIconLeft = 1, kIconRight = 2 };

    explicit XPButton(QWidget* parent = nullptr);
    ~XPButton() override;

    // The caption is the button's text; until one is set, it is the button's objectName ("cmd1").
    QString caption() const;
    void setCaption(const QString& caption);
    QColor foreColor() const { return foreColor_; }
    void setForeColor(const QColor& colour) { store(foreColor_, colour, "ForeColor"); }
    int colorStyle() const { return colorStyle_; }
    void setColorStyle(int style) { store(colorStyle_, style, "ColorStyle"); }
    bool focusDottedRect() const { return focusDottedRect_; }
    void setFocusDottedRect(bool on) { store(focusDottedRect_, on, "FocusDottedRect"); }
    QFont fontType() const { return fontType_; }
    void setFontType(const QFont& font) { store(fontType_, font, "FontType"); }
    // Icon: the picture combined with OR (black where transparent). IconMask: combined with AND,
    // black where the icon is opaque, white elsewhere. The icon is drawn only when both are set.
    QPixmap icon() const { return icon_; }
    void setIcon(const QPixmap& icon);
    QPixmap iconMask() const { return iconMask_; }
    void setIconMask(const QPixmap& mask);
    int roundedValue() const { return roundedValue_; }
    void setRoundedValue(int ellipse);
    int captionAlignment() const { return captionAlignment_; }
    void setCaptionAlignment(int alignment) {
        store(captionAlignment_, alignment, "CaptionAlignment");
    }
    int iconAlignment() const { return iconAlignment_; }
    void setIconAlignment(int alignment) { store(iconAlignment_, alignment, "IconAlignment"); }

    bool isHovered() const { return hover_; }

    // Persistence: every property that differs from its default, keyed by property name; loading
    // restores missing keys to their defaults (a missing Caption reads as "").
    QVariantMap saveProperties() const;
    void loadProperties(const QVariantMap& stored);

    // The whole face as drawn, clipped corners transparent.
    QImage renderFace() const;

    QSize sizeHint() const override;

  signals:
    void Click();
    void DoubleClick();
    void KeyDown(int KeyCode, int Shift);
    void KeyPress(int KeyAscii);
    void KeyUp(int KeyCode, int Shift);
    void MouseDown(int Button, int Shift, int X, int Y);
    void MouseMove(int Button, int Shift, int X, int Y);
    void MouseUp(int Button, int Shift, int X, int Y);
    void MouseEnters(int X, int Y);
    void MouseLeaves(int X, int Y);
    // Raised by every setter that changed a value (the persistence "changed" mark).
    void PropertyChanged(const QString& name);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    template <typename T>
    void store(T& member, const T& value, const char* name) {
        if (!(member == value)) {
            member = value;
            changed(name);
        }
    }
    static QList<std::pair<const char*, QVariant>> persistedDefaults(const QString& caption);
    void changed(const char* name);
    void updateShape();
    void setHover(bool hover, const QPoint& screenPos);
    void raiseIfNotFromInput(void (XPButton::*event)(int, int, int, int));

    bool captionSet_ = false;
    QColor foreColor_{0, 0, 0};
    int colorStyle_ = kBlue;
    bool focusDottedRect_ = true;
    QFont fontType_;
    QPixmap icon_;
    QPixmap iconMask_;
    int roundedValue_ = 5;
    int captionAlignment_ = kCaptionCentre;
    int iconAlignment_ = kIconLeft;

    bool hover_ = false;
    bool handlingInput_ = false;  // inside a mouse or key handler, which raises its own events
};

}  // namespace quillon::controls
