#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "quillon/controls/group_frame.h"

using quillon::controls::GroupFrame;

namespace {

const QColor kHost(224, 224, 224);

// A host with the window's background holding one frame the size of the input group.
struct Fixture {
    QWidget host;
    GroupFrame* frame;

    Fixture() {
        QPalette palette = host.palette();
        palette.setColor(QPalette::Window, kHost);
        host.setPalette(palette);
        host.resize(400, 300);
        frame = new GroupFrame(&host);
        frame->setGeometry(6, 25, 173, 248);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        frame->setCaptionFont(font);
    }

    // The input group's look: style 5 with the window's colours.
    void windowStyle(const QString& caption) {
        frame->setStyle(5);
        frame->setFrameColor(QColor(192, 192, 192));
        frame->setTextBoxColor(QColor(128, 128, 128));
        frame->setTextColor(Qt::white);
        frame->setAlignment(0);
        frame->setCaption(caption);
    }
};

}  // namespace

class GroupFrameTest final : public QObject {
    Q_OBJECT

  private slots:
    void defaults() {
        QWidget host;
        QPalette palette = host.palette();
        palette.setColor(QPalette::Window, kHost);
        host.setPalette(palette);
        GroupFrame frame(&host);
        frame.setObjectName(QStringLiteral("Frame1"));
        const QList<std::pair<const char*, QVariant>> expected = {
            {"FrameColor", QColor(0, 0, 0)},
            {"BackColor", kHost},
            {"FillColor", kHost},
            {"TextBoxColor", QColor(255, 255, 255)},
            {"TxtBoxShadow", 0},
            {"Style", 1},
            {"RoundedCorner", true},
            {"RoundedCornerTxtBox", false},
            {"Caption", QStringLiteral("Frame1")},
            {"TextBoxHeight", 22},
            {"TextColor", QColor(0, 0, 0)},
            {"Alignment", 2},
            {"IconAlignment", 0},
            {"IconSize", 16},
            {"ThemeColor", 0},
            {"ColorFrom", QColor(255, 158, 158)},
            {"ColorTo", QColor(255, 240, 240)},
            {"HeaderStyle", 1},
            {"GradientHeaderStyle", 0},
            {"Enabled", true}};
        for (const auto& [name, value] : expected) {
            QVERIFY2(frame.property(name) == value, name);
        }
        // A new frame draws its header band; a stored one without the value does not.
        QCOMPARE(frame.saveProperties().keys(), QStringList({"HeaderStyle"}));
        frame.loadProperties({});
        QCOMPARE(frame.headerStyle(), 0);
        QVERIFY(frame.saveProperties().isEmpty());
    }

    void styleAppliesColourDefaults_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("frame");
        QTest::addColumn<QColor>("textBox");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QColor>("fill");
        const QColor black(0, 0, 0);
        const QColor white(255, 255, 255);
        const QColor blue(3, 54, 207);
        const QColor grey(195, 195, 195);
        const QColor yellow(240, 239, 176);
        const QColor custom(1, 2, 3);  // FillColor set before the style; kept where not named
        QTest::newRow("0") << 0 << blue << grey << white << 0 << kHost;
        QTest::newRow("1") << 1 << black << black << white << 2 << custom;
        QTest::newRow("2") << 2 << black << QColor(106, 106, 106) << yellow << 2 << kHost;
        QTest::newRow("3") << 3 << black << black << yellow << 2 << QColor(255, 255, 224);
        QTest::newRow("4") << 4 << black << black << white << 2 << custom;
        QTest::newRow("5") << 5 << white << QColor(192, 0, 0) << QColor(192, 0, 0) << 0 << kHost;
        QTest::newRow("6") << 6 << white << QColor(0, 0, 166) << QColor(0, 0, 166) << 0 << kHost;
        QTest::newRow("7") << 7 << blue << grey << white << 0 << kHost;
        QTest::newRow("8") << 8 << black << black << white << 2 << custom;
    }

    void styleAppliesColourDefaults() {
        QFETCH(int, style);
        QFETCH(QColor, text);
        QFETCH(QColor, frame);
        QFETCH(QColor, textBox);
        QFETCH(int, alignment);
        QFETCH(QColor, fill);
        Fixture f;
        f.frame->setTextBoxHeight(40);
        f.frame->setThemeColor(3);
        f.frame->setFillColor(QColor(1, 2, 3));
        if (style == 1) {
            f.frame->setStyle(0);  // the default style is 1; come to it from another
            f.frame->setFillColor(QColor(1, 2, 3));
        }
        f.frame->setStyle(style);
        QCOMPARE(f.frame->textColor(), text);
        QCOMPARE(f.frame->frameColor(), frame);
        QCOMPARE(f.frame->textBoxColor(), textBox);
        QCOMPARE(f.frame->alignment(), alignment);
        QCOMPARE(f.frame->fillColor(), fill);
        QCOMPARE(f.frame->textBoxHeight(), 22);
        const bool themeReset = style == 1 || style == 4 || style == 8;
        QCOMPARE(f.frame->themeColor(), themeReset ? 0 : 3);
        if (style == 3) {
            QCOMPARE(f.frame->gradientHeaderStyle(), 1);
            QCOMPARE(f.frame->headerStyle(), 0);
            QVERIFY(f.frame->roundedCorner());
        }
        if (style == 8) {
            QCOMPARE(f.frame->gradientHeaderStyle(), 2);
            QCOMPARE(f.frame->headerStyle(), 1);
        }
    }

    void style5Tab_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("shortened");
        QTest::newRow("empty caption, minimum tab") << 173 << QString() << false;
        QTest::newRow("short caption, minimum tab") << 173 << QStringLiteral("z") << false;
        QTest::newRow("long caption widens the tab")
            << 400 << QStringLiteral("Known parameters of the spline") << false;
        QTest::newRow("narrow frame cuts the caption")
            << 120 << QStringLiteral("Known parameters of the spline") << true;
        QTest::newRow("no character fits") << 47 << QStringLiteral("WWWWWWWW") << true;
    }

    void style5Tab() {
        QFETCH(int, width);
        QFETCH(QString, caption);
        QFETCH(bool, shortened);
        Fixture f;
        f.host.resize(500, 300);
        f.frame->resize(width, 248);
        f.windowStyle(caption);
        const QImage image = f.frame->grab().toImage();

        const QFontMetrics metrics(f.frame->captionFont());
        const int captionWidth = caption.isEmpty() ? 0 : metrics.horizontalAdvance(caption);
        const int tabHeight = (caption.isEmpty() ? 0 : metrics.height()) + 5;
        const int halfTab =
            (tabHeight / 2) + ((tabHeight % 2 == 1 && (tabHeight / 2) % 2 == 1) ? 1 : 0);
        int tabWidth = std::max(captionWidth + 10, 100);
        if (tabWidth + halfTab >= width - 16) {
            tabWidth = width - 1 - halfTab - 15 - 1;
        }
        if (caption.isEmpty()) {
            QCOMPARE(tabWidth, 100);
        }
        // The tab's bottom edge ends at the tab width, where the slanted edge starts.
        QCOMPARE(image.pixel(tabWidth - 1, tabHeight), qRgb(192, 192, 192));
        QCOMPARE(image.pixel(tabWidth, tabHeight), qRgb(192, 192, 192));
        QCOMPARE(image.pixel(tabWidth + 1, tabHeight), kHost.rgb());
        QVERIFY(image.pixel(tabWidth + halfTab - 1, 1) == qRgb(192, 192, 192) ||
                image.pixel(tabWidth + halfTab, 1) == qRgb(192, 192, 192));
        QCOMPARE(image.pixel(tabWidth + halfTab + 1, 1), kHost.rgb());
        QCOMPARE(image.pixel(tabWidth - 2, tabHeight - 1), qRgb(128, 128, 128));
        // Body fill and outline.
        QCOMPARE(image.pixel(width / 2, 150), kHost.rgb());
        QCOMPARE(image.pixel(0, 150), qRgb(192, 192, 192));
        QCOMPARE(image.pixel(width - 2, 150), qRgb(192, 192, 192));

        // A caption too wide for the tab shows as Qt elides it: as a frame with that text does.
        const QString elided = metrics.elidedText(caption, Qt::ElideRight, tabWidth - 8);
        QCOMPARE(elided != caption, shortened);
        if (shortened) {
            Fixture twin;
            twin.host.resize(500, 300);
            twin.frame->resize(width, 248);
            twin.windowStyle(elided);
            QCOMPARE(twin.frame->grab().toImage(), image);
        }
    }

    void headerPictureInEveryStyleButZero() {
        for (int style = 0; style <= 8; ++style) {
            Fixture f;
            f.frame->setStyle(style);
            f.frame->setCaption(QStringLiteral("Cap"));
            QPixmap picture(32, 32);
            picture.fill(QColor(255, 0, 255));
            f.frame->setPicture(picture);
            f.frame->setIconSize(12);
            const QImage image = f.frame->grab().toImage();
            int magenta = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    magenta += image.pixel(x, y) == qRgb(255, 0, 255) ? 1 : 0;
                }
            }
            // Scaled to IconSize × IconSize; style 0 shows no picture.
            QCOMPARE(magenta, style == 0 ? 0 : 12 * 12);
        }
    }

    void minimumSize() {
        Fixture f;
        f.frame->resize(10, 10);
        QCOMPARE(f.frame->size(), QSize(47, 27));  // 700 × 400 twips
        f.frame->resize(60, 5);
        QCOMPARE(f.frame->size(), QSize(60, 27));
    }

    void disablingPassesToContainedControls() {
        Fixture f;
        auto* edit = new QLineEdit(f.frame);
        auto* other = new QLineEdit(f.frame);
        other->setEnabled(false);
        f.frame->setProperty("Enabled", false);
        QVERIFY(!edit->isEnabled());
        QTest::keyClicks(edit, QStringLiteral("12"));
        QCOMPARE(edit->text(), QString());
        f.frame->setEnabled(true);
        QVERIFY(edit->isEnabled());
        QVERIFY(!other->isEnabled());  // a control disabled on its own stays so
    }

    void disabledPalette() {
        Fixture f;
        f.windowStyle(QString());
        f.frame->setEnabled(false);
        const QImage image = f.frame->grab().toImage();
        QCOMPARE(image.pixel(50, 2), qRgb(241, 239, 226));   // caption box: 3D light
        QCOMPARE(image.pixel(0, 150), qRgb(212, 208, 200));  // frame: inactive border
        QCOMPARE(image.pixel(80, 150), kHost.rgb());
    }

    void themeColoursFollowOnlyAChange() {
        Fixture f;
        f.frame->setStyle(4);
        f.frame->setHeaderStyle(1);
        f.frame->setGradientHeaderStyle(0);
        f.frame->setCaption(QString());
        const auto headerTop = [&f] { return f.frame->grab().toImage().pixel(80, 2); };
        const QRgb theme0 = headerTop();
        f.frame->setThemeColor(4);
        QVERIFY(headerTop() != theme0);
        f.frame->setStyle(8);
        f.frame->setStyle(4);  // the number goes back to 0, the colours stay those of theme 4
        QCOMPARE(f.frame->themeColor(), 0);
        const QRgb stillTheme4 = headerTop();
        QVERIFY(stillTheme4 != theme0);
        f.frame->setThemeColor(0);  // unchanged value: nothing recomputed
        QCOMPARE(headerTop(), stillTheme4);
    }

    void accessibleGrouping() {
        Fixture f;
        f.windowStyle(QStringLiteral("计算结果::: "));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(f.frame);
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->role(), QAccessible::Grouping);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("计算结果::: "));
    }
};

QTEST_MAIN(GroupFrameTest)
#include "group_frame_test.moc"
