#pragma once

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QVariantMap>
#include <optional>
#include <utility>

namespace quillon::controls {

// A container for a group of fields: a self-drawn frame with a caption header in one of nine
// styles (0 to 8), an optional gradient header band, theme colours and an optional header icon.
// Child widgets are placed in it at coordinates relative to the frame. It is Qt's group box drawn
// its own way: the caption is the box's title (what screen readers announce), and `Enabled` is the
// widget's enabled state, which Qt passes on to every contained control.
//
// Setting `Style` applies that style's colour defaults, so set `Style` first and then the colours.
class GroupFrame final : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QColor FrameColor READ frameColor WRITE setFrameColor)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor FillColor READ fillColor WRITE setFillColor)
    Q_PROPERTY(QColor TextBoxColor READ textBoxColor WRITE setTextBoxColor)
    Q_PROPERTY(int TxtBoxShadow READ txtBoxShadow WRITE setTxtBoxShadow)
    Q_PROPERTY(int Style READ style WRITE setStyle)
    Q_PROPERTY(bool RoundedCorner READ roundedCorner WRITE setRoundedCorner)
    Q_PROPERTY(bool RoundedCornerTxtBox READ roundedCornerTxtBox WRITE setRoundedCornerTxtBox)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(int TextBoxHeight READ textBoxHeight WRITE setTextBoxHeight)
    Q_PROPERTY(QColor TextColor READ textColor WRITE setTextColor)
    Q_PROPERTY(int Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(int IconAlignment READ iconAlignment WRITE setIconAlignment)
    Q_PROPERTY(QFont Font READ captionFont WRITE setCaptionFont)
    Q_PROPERTY(QPixmap Picture READ picture WRITE setPicture)
    Q_PROPERTY(int IconSize READ iconSize WRITE setIconSize)
    Q_PROPERTY(int ThemeColor READ themeColor WRITE setThemeColor)
    Q_PROPERTY(QColor ColorFrom READ colorFrom WRITE setColorFrom)
    Q_PROPERTY(QColor ColorTo READ colorTo WRITE setColorTo)
    Q_PROPERTY(int HeaderStyle READ headerStyle WRITE setHeaderStyle)
    Q_PROPERTY(int GradientHeaderStyle READ gradientHeaderStyle WRITE setGradientHeaderStyle)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)

  public:
    enum AlignmentValue { kLeft = 0, kRight = 1, kCentre = 2 };

    explicit GroupFrame(QWidget* parent = nullptr);
    ~GroupFrame() override;

    QColor frameColor() const { return frameColor_; }
    void setFrameColor(const QColor& colour) { store(frameColor_, colour, "FrameColor"); }
    // Until set, BackColor and FillColor follow the host's background (the parent's palette).
    QColor backColor() const;
    void setBackColor(const QColor& colour) { store(backColor_, colour, "BackColor"); }
    QColor fillColor() const;
    void setFillColor(const QColor& colour) { store(fillColor_, colour, "FillColor"); }
    QColor textBoxColor() const { return textBoxColor_; }
    void setTextBoxColor(const QColor& colour) { store(textBoxColor_, colour, "TextBoxColor"); }
    int txtBoxShadow() const { return txtBoxShadow_; }
    void setTxtBoxShadow(int on) { store(txtBoxShadow_, on, "TxtBoxShadow"); }
    int style() const { return style_; }
    void setStyle(int style);
    bool roundedCorner() const { return roundedCorner_; }
    void setRoundedCorner(bool on);
    bool roundedCornerTxtBox() const { return roundedCornerTxtBox_; }
    void setRoundedCornerTxtBox(bool on) { store(roundedCornerTxtBox_, on, "RoundedCornerTxtBox"); }
    // The caption is the box's title; until one is set, it is the frame's objectName.
    QString caption() const;
    void setCaption(const QString& caption);
    int textBoxHeight() const { return textBoxHeight_; }
    void setTextBoxHeight(int height) { store(textBoxHeight_, height, "TextBoxHeight"); }
    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor& colour) { store(textColor_, colour, "TextColor"); }
    int alignment() const { return alignment_; }
    void setAlignment(int alignment) { store(alignment_, alignment, "Alignment"); }
    int iconAlignment() const { return iconAlignment_; }
    void setIconAlignment(int alignment) { store(iconAlignment_, alignment, "IconAlignment"); }
    // Until set, the caption font is the widget's (host's) font.
    QFont captionFont() const;
    void setCaptionFont(const QFont& font) { store(font_, font, "Font"); }
    QPixmap picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    int iconSize() const { return iconSize_; }
    void setIconSize(int size) { store(iconSize_, size, "IconSize"); }
    int themeColor() const { return themeColor_; }
    void setThemeColor(int theme);
    QColor colorFrom() const { return colorFrom_; }
    void setColorFrom(const QColor& colour) { store(colorFrom_, colour, "ColorFrom"); }
    QColor colorTo() const { return colorTo_; }
    void setColorTo(const QColor& colour) { store(colorTo_, colour, "ColorTo"); }
    int headerStyle() const { return headerStyle_; }
    void setHeaderStyle(int style) { store(headerStyle_, style, "HeaderStyle"); }
    int gradientHeaderStyle() const { return gradientHeaderStyle_; }
    void setGradientHeaderStyle(int style);

    // Persistence: every property that differs from its default, keyed by property name; loading
    // restores missing keys to their defaults and recomputes the theme colours.
    QVariantMap saveProperties() const;
    void loadProperties(const QVariantMap& stored);

  signals:
    void MouseMove(int Button, int Shift, int X, int Y);
    // Raised by every setter that changed a value (the persistence "changed" mark).
    void PropertyChanged(const QString& name);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    struct Palette;
    template <typename T, typename U>
    void store(T& member, const U& value, const char* name) {
        if (!(member == value)) {
            member = value;
            changed(name);
        }
    }
    QList<std::pair<const char*, QVariant>> persistedDefaults() const;
    void changed(const char* name);
    void applyStyleDefaults(int style);
    void computeThemeColours();
    void updateShape();
    QColor hostBackground() const;
    Palette colours() const;
    QRect drawStyle(QPainter& painter, const Palette& colours, QSize caption,
                    int pictureRoom) const;

    QColor frameColor_{0, 0, 0};
    std::optional<QColor> backColor_;
    std::optional<QColor> fillColor_;
    QColor textBoxColor_{255, 255, 255};
    int txtBoxShadow_ = 0;
    int style_ = 1;
    bool roundedCorner_ = true;
    bool roundedCornerTxtBox_ = false;
    bool captionSet_ = false;
    int textBoxHeight_ = 22;
    QColor textColor_{0, 0, 0};
    int alignment_ = kCentre;
    int iconAlignment_ = 0;
    std::optional<QFont> font_;
    QPixmap picture_;
    int iconSize_ = 16;
    int themeColor_ = 0;
    QColor colorFrom_{255, 158, 158};
    QColor colorTo_{255, 240, 240};
    int headerStyle_ = 1;  // a newly placed frame draws its header band; stored frames default to 0
    int gradientHeaderStyle_ = 0;

    QColor themeLight_;
    QColor themeDark_;
    QColor themeAccent_;
};

}  // namespace quillon::controls
