#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QEnterEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "quillon/controls/mod_xp_button.h"
#include "quillon/controls/xp_button.h"

using quillon::controls::XPButton;

namespace {

constexpr int kW = 85;
constexpr int kH = 25;

enum class State { Normal, Hover, Focus, Pressed, PressedFocus, Disabled };

// A button in an active window of its own, away from the pointer, so that it can take the focus.
struct DeleteHost {
    void operator()(XPButton* button) const { delete button->parentWidget(); }
};
using HostedButton = std::unique_ptr<XPButton, DeleteHost>;

// A button of the window's size without caption, so that every checked pixel is face or frame.
HostedButton makeButton(int colorStyle, State state) {
    auto* host = new QWidget;
    HostedButton button(new XPButton(host));
    host->resize(200, 100);
    button->setGeometry(50, 30, kW, kH);
    button->setCaption(QString());
    button->setColorStyle(colorStyle);
    host->show();
    host->activateWindow();
    if (!QTest::qWaitForWindowActive(host)) {
        qWarning("the button's window did not become active");
    }
    if (state == State::Hover) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(button.get(), &enter);
    }
    if (state == State::Focus || state == State::PressedFocus) {
        button->setFocus();
    } else {
        button->clearFocus();  // the window gave it the focus, as its first control
    }
    if (state == State::Pressed || state == State::PressedFocus) {
        QTest::keyPress(button.get(), Qt::Key_Space);
    }
    if (state == State::Disabled) {
        button->setEnabled(false);
    }
    return button;
}

// One point on each of the eight ring segments, in the ring's colour order.
const QPoint kRingPoints[8] = {{kW / 2, 1}, {1, kH / 2}, {kW / 2, kH - 3}, {kW - 3, kH / 2},
                               {kW / 2, 2}, {2, kH / 2}, {kW / 2, kH - 4}, {kW - 4, kH / 2}};

using Ring = QList<QRgb>;

Ring ring(std::initializer_list<QRgb> colours) {
    return Ring(colours);
}

bool near(QRgb actual, QRgb expected, int tolerance = 2) {
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance && qAlpha(actual) == 255;
}

QString describe(QRgb c) {
    return QStringLiteral("(%1,%2,%3,a%4)")
        .arg(qRed(c))
        .arg(qGreen(c))
        .arg(qBlue(c))
        .arg(qAlpha(c));
}

#define QCOMPARE_RGB(actual, expected)   \
    QVERIFY2(near((actual), (expected)), \
             qPrintable(describe(actual) + QStringLiteral(" != ") + describe(expected)))

QPixmap solidPicture(const QColor& background, const QColor& disc) {
    QPixmap picture(16, 16);
    picture.fill(background);
    QPainter painter(&picture);
    painter.fillRect(QRect(2, 2, 12, 12), disc);
    return picture;
}

}  // namespace

class XPButtonTest final : public QObject {
    Q_OBJECT

  private slots:
    void defaults() {
        XPButton button;
        button.setObjectName(QStringLiteral("cmd1"));
        QCOMPARE(button.property("Caption").toString(), QStringLiteral("cmd1"));
        QCOMPARE(button.property("ForeColor").value<QColor>(), QColor(0, 0, 0));
        QCOMPARE(button.property("ColorStyle").toInt(), 1);
        QCOMPARE(button.property("FocusDottedRect").toBool(), true);
        QCOMPARE(button.property("Enabled").toBool(), true);
        QCOMPARE(button.property("FontType").value<QFont>().family(), QStringLiteral("Tahoma"));
        QCOMPARE(button.property("FontType").value<QFont>().pointSizeF(), 8.25);
        QVERIFY(button.property("Icon").value<QPixmap>().isNull());
        QVERIFY(button.property("IconMask").value<QPixmap>().isNull());
        QCOMPARE(button.property("RoundedValue").toInt(), 5);
        QCOMPARE(button.property("CaptionAlignment").toInt(), 2);
        QCOMPARE(button.property("IconAlignment").toInt(), 1);
        QVERIFY(button.saveProperties().isEmpty());
    }

    void settersMarkChangedOnlyOnChange() {
        XPButton button;
        QSignalSpy changed(&button, &XPButton::PropertyChanged);
        button.setProperty("ColorStyle", 2);
        button.setProperty("ColorStyle", 2);
        button.setProperty("Caption", QStringLiteral("更新数据"));
        button.setProperty("Enabled", false);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("ColorStyle"));
        QCOMPARE(changed.at(2).at(0).toString(), QStringLiteral("Enabled"));
        const QVariantMap stored = button.saveProperties();
        QCOMPARE(stored.keys(), QStringList({"Caption", "ColorStyle", "Enabled"}));

        XPButton restored;
        restored.setObjectName(QStringLiteral("cmd9"));
        restored.loadProperties(stored);
        QCOMPARE(restored.caption(), QStringLiteral("更新数据"));
        QVERIFY(!restored.isEnabled());
        restored.loadProperties({});
        QCOMPARE(restored.caption(), QString());  // a stored button without caption has none
        QVERIFY(restored.isEnabled());
    }

    void faceAndOutline_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QRgb>("top");
        QTest::addColumn<QRgb>("bottom");
        QTest::addColumn<QRgb>("border");
        QTest::newRow("blue") << 1 << qRgb(252, 252, 251) << qRgb(240, 240, 234)
                              << qRgb(0, 60, 116);
        QTest::newRow("silver") << 2 << qRgb(255, 255, 255) << qRgb(198, 197, 215)
                                << qRgb(0, 60, 116);
        QTest::newRow("olive") << 3 << qRgb(254, 255, 242) << qRgb(243, 238, 219)
                               << qRgb(55, 98, 6);
    }

    void faceAndOutline() {
        QFETCH(int, style);
        QFETCH(QRgb, top);
        QFETCH(QRgb, bottom);
        QFETCH(QRgb, border);
        const auto button = makeButton(style, State::Normal);
        const QImage image = button->grab().toImage();
        // The face runs from the top colour at row 0 towards the bottom colour at row H.
        const auto faceAt = [&](int row) {
            const auto mix = [row](int a, int b) { return a + (b - a) * row / kH; };
            return qRgb(mix(qRed(top), qRed(bottom)), mix(qGreen(top), qGreen(bottom)),
                        mix(qBlue(top), qBlue(bottom)));
        };
        QCOMPARE_RGB(image.pixel(kW / 2, 1), faceAt(1));
        QCOMPARE_RGB(image.pixel(kW / 2, kH - 3), faceAt(kH - 3));
        QCOMPARE_RGB(image.pixel(kW - 1, kH / 2), faceAt(kH / 2));  // outside the outline
        QCOMPARE_RGB(image.pixel(kW / 2, 0), border);
        QCOMPARE_RGB(image.pixel(0, kH / 2), border);
        QCOMPARE_RGB(image.pixel(kW - 2, kH / 2), border);
        QCOMPARE_RGB(image.pixel(kW / 2, kH - 2), border);
    }

    void rings_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("state");
        QTest::addColumn<Ring>("colours");
        const Ring blueHover =
            ring({qRgb(255, 240, 207), qRgb(250, 195, 88), qRgb(229, 151, 0), qRgb(252, 202, 105),
                  qRgb(253, 216, 137), qRgb(251, 200, 96), qRgb(248, 179, 48), qRgb(250, 199, 97)});
        QTest::newRow("blue hover") << 1 << int(State::Hover) << blueHover;
        QTest::newRow("silver hover") << 2 << int(State::Hover) << blueHover;
        QTest::newRow("olive hover")
            << 3 << int(State::Hover)
            << ring({qRgb(252, 197, 149), qRgb(232, 170, 118), qRgb(207, 114, 37),
                     qRgb(231, 166, 111), qRgb(237, 190, 150), qRgb(231, 166, 111),
                     qRgb(227, 145, 79), qRgb(231, 171, 119)});
        QTest::newRow("blue focus")
            << 1 << int(State::Focus)
            << ring({qRgb(206, 231, 255), qRgb(156, 187, 234), qRgb(105, 130, 238),
                     qRgb(156, 187, 235), qRgb(188, 212, 246), qRgb(157, 188, 235),
                     qRgb(137, 173, 228), qRgb(157, 187, 235)});
        QTest::newRow("silver focus")
            << 2 << int(State::Focus)
            << ring({qRgb(206, 231, 255), qRgb(160, 190, 236), qRgb(105, 130, 238),
                     qRgb(156, 187, 235), qRgb(188, 212, 246), qRgb(255, 255, 255),
                     qRgb(137, 173, 228), qRgb(255, 255, 255)});
        QTest::newRow("olive focus")
            << 3 << int(State::Focus)
            << ring({qRgb(194, 209, 143), qRgb(160, 199, 103), qRgb(168, 167, 102),
                     qRgb(161, 198, 104), qRgb(177, 203, 128), qRgb(155, 196, 95),
                     qRgb(144, 193, 84), qRgb(152, 195, 93)});
        QTest::newRow("blue pressed")
            << 1 << int(State::Pressed)
            << ring({qRgb(209, 204, 193), qRgb(215, 212, 203), qRgb(242, 241, 238),
                     qRgb(228, 227, 219), qRgb(220, 216, 207), qRgb(221, 219, 211),
                     qRgb(234, 233, 227), qRgb(227, 226, 219)});
        QTest::newRow("olive pressed")
            << 3 << int(State::Pressed)
            << ring({qRgb(223, 205, 180), qRgb(227, 212, 191), qRgb(248, 244, 228),
                     qRgb(238, 229, 207), qRgb(231, 217, 195), qRgb(232, 220, 198),
                     qRgb(242, 236, 216), qRgb(237, 228, 207)});
        // Silver's pressed ring has four white segments; the inner ring shows the pressed face.
        QTest::newRow("silver pressed")
            << 2 << int(State::Pressed)
            << ring({qRgb(255, 255, 255), qRgb(255, 255, 255), qRgb(255, 255, 255),
                     qRgb(255, 255, 255), qRgb(178, 177, 195),
                     qRgb(172 + 83 * 12 / 25, 171 + 84 * 12 / 25, 189 + 66 * 12 / 25),
                     qRgb(172 + 83 * 21 / 25, 171 + 84 * 21 / 25, 189 + 66 * 21 / 25),
                     qRgb(172 + 83 * 12 / 25, 171 + 84 * 12 / 25, 189 + 66 * 12 / 25)});
    }

    void rings() {
        QFETCH(int, style);
        QFETCH(int, state);
        QFETCH(Ring, colours);
        const auto button = makeButton(style, State(state));
        const QImage image = button->grab().toImage();
        for (int i = 0; i < 8; ++i) {
            const QPoint at = kRingPoints[i];
            QVERIFY2(near(image.pixel(at), colours[i]),
                     qPrintable(QStringLiteral("segment %1: ").arg(i) + describe(image.pixel(at)) +
                                QStringLiteral(" != ") + describe(colours[i])));
        }
    }

    void pressedFace_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QRgb>("top");
        QTest::addColumn<QRgb>("bottom");
        QTest::newRow("blue") << 1 << qRgb(229, 228, 221) << qRgb(226, 226, 218);
        QTest::newRow("silver") << 2 << qRgb(172, 171, 189) << qRgb(255, 255, 255);
        QTest::newRow("olive") << 3 << qRgb(238, 230, 210) << qRgb(236, 228, 206);
    }

    void pressedFace() {
        QFETCH(int, style);
        QFETCH(QRgb, top);
        QFETCH(QRgb, bottom);
        const auto button = makeButton(style, State::Pressed);
        const QImage image = button->grab().toImage();
        const auto faceAt = [&](int row) {
            const auto mix = [row](int a, int b) { return a + (b - a) * row / kH; };
            return qRgb(mix(qRed(top), qRed(bottom)), mix(qGreen(top), qGreen(bottom)),
                        mix(qBlue(top), qBlue(bottom)));
        };
        QCOMPARE_RGB(image.pixel(kW / 2, 6), faceAt(6));
        QCOMPARE_RGB(image.pixel(kW / 2, kH - 6), faceAt(kH - 6));
    }

    void dottedFocusRectangle_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("dotted");
        QTest::addColumn<bool>("expectDots");
        QTest::newRow("focus") << int(State::Focus) << true << true;
        QTest::newRow("focus, dots off") << int(State::Focus) << false << false;
        QTest::newRow("pressed with focus") << int(State::PressedFocus) << true << true;
        QTest::newRow("pressed without focus") << int(State::Pressed) << true << false;
        QTest::newRow("hover") << int(State::Hover) << true << false;
    }

    void dottedFocusRectangle() {
        QFETCH(int, state);
        QFETCH(bool, dotted);
        QFETCH(bool, expectDots);
        const auto button = makeButton(1, State(state));
        button->setFocusDottedRect(dotted);
        const QImage image = button->grab().toImage();
        // Dots at every second pixel, 3 px inside the top-left and 4 px inside the bottom-right.
        for (const QPoint at : {QPoint(3, 3), QPoint(kW - 5, 3), QPoint(3, kH - 5),
                                QPoint(kW / 2 + 1, kH - 5), QPoint(kW - 5, kH - 6)}) {
            QVERIFY2((image.pixel(at) == qRgb(0, 0, 0)) == expectDots,
                     qPrintable(QStringLiteral("%1,%2 ").arg(at.x()).arg(at.y()) +
                                describe(image.pixel(at))));
        }
        QVERIFY(image.pixel(4, 3) != qRgb(0, 0, 0));
    }

    void disabledLook() {
        const auto button = makeButton(2, State::Disabled);
        const QImage image = button->grab().toImage();
        QCOMPARE_RGB(image.pixel(kW / 2, kH / 2), qRgb(245, 244, 234));
        QCOMPARE_RGB(image.pixel(kW / 2, 1), qRgb(245, 244, 234));
        QCOMPARE_RGB(image.pixel(kW / 2, 0), qRgb(201, 199, 186));
        QCOMPARE_RGB(image.pixel(kW - 2, kH / 2), qRgb(201, 199, 186));
    }

    void colorStyleZeroDrawsNoFace() {
        auto button = makeButton(0, State::Normal);
        button->setCaption(QStringLiteral("cmd"));
        QImage image = button->grab().toImage();
        for (int x = 0; x < kW; x += 7) {
            QCOMPARE(qAlpha(image.pixel(x, kH / 2)), 0);
        }
        // Only a hovering pointer shows the dotted rectangle.
        button = makeButton(0, State::Hover);
        image = button->grab().toImage();
        QCOMPARE(image.pixel(3, 3), qRgb(0, 0, 0));
        QCOMPARE(qAlpha(image.pixel(kW / 2, kH / 2)), 0);
    }

    void icon_data() {
        QTest::addColumn<bool>("withMask");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("iconShown");
        QTest::addColumn<QRgb>("centre");
        QTest::newRow("icon and mask, left") << true << true << 1 << true << qRgb(40, 160, 40);
        QTest::newRow("icon and mask, right") << true << true << 2 << true << qRgb(40, 160, 40);
        QTest::newRow("icon without mask") << false << true << 1 << false << qRgb(0, 0, 0);
        QTest::newRow("disabled") << true << false << 1 << true << qRgb(172, 168, 153);
    }

    void icon() {
        QFETCH(bool, withMask);
        QFETCH(bool, enabled);
        QFETCH(int, alignment);
        QFETCH(bool, iconShown);
        QFETCH(QRgb, centre);
        const auto button = makeButton(1, State::Normal);
        button->setIconAlignment(alignment);
        button->setIcon(solidPicture(Qt::black, QColor(40, 160, 40)));
        if (withMask) {
            button->setIconMask(solidPicture(Qt::white, Qt::black));
        }
        button->setEnabled(enabled);
        const QImage image = button->grab().toImage();
        const int left = alignment == 2 ? kW - 16 - 5 : 5;
        const QPoint iconCentre(left + 8, (kH - 16) / 2 + 8);
        const QPoint iconCorner(left + 1, (kH - 16) / 2 + 1);  // transparent in icon and mask
        if (iconShown) {
            QCOMPARE_RGB(image.pixel(iconCentre), centre);
        } else {
            const QRgb face = image.pixel(iconCentre.x() + 20, iconCentre.y());
            QCOMPARE_RGB(image.pixel(iconCentre), face);
        }
        if (enabled) {
            // Where the mask is white and the icon black, the face shows through.
            const int beside = alignment == 2 ? -30 : 30;
            const QRgb face = image.pixel(iconCorner.x() + beside, iconCorner.y());
            QCOMPARE_RGB(image.pixel(iconCorner), face);
        }
    }

    void captionPlacement_data() {
        QTest::addColumn<int>("alignment");
        QTest::newRow("left") << 0;
        QTest::newRow("right") << 1;
        QTest::newRow("centre") << 2;
    }

    void captionPlacement() {
        QFETCH(int, alignment);
        const auto button = makeButton(1, State::Normal);
        button->setCaption(QStringLiteral("MMMM"));
        button->setCaptionAlignment(alignment);
        button->setForeColor(QColor(255, 0, 0));
        const QImage image = button->grab().toImage();
        int first = kW;
        int last = -1;
        for (int x = 0; x < kW; ++x) {
            for (int y = 3; y < kH - 3; ++y) {
                if (qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 120) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        QVERIFY(last > first);
        // 100 twips are 6.67 px from the side.
        if (alignment == 0) {
            QVERIFY2(first >= 6 && first <= 9, qPrintable(QString::number(first)));
        } else if (alignment == 1) {
            QVERIFY2(kW - 1 - last >= 5 && kW - 1 - last <= 9, qPrintable(QString::number(last)));
        } else {
            QVERIFY2(std::abs((first + last) - (kW - 1)) <= 3,
                     qPrintable(QStringLiteral("%1..%2").arg(first).arg(last)));
        }
    }

    void tinyButtonsStillDraw() {
        for (const QSize size : {QSize(0, 0), QSize(1, 1), QSize(4, 3), QSize(9, 9)}) {
            XPButton button;
            button.resize(size);
            button.setIcon(solidPicture(Qt::black, Qt::green));
            button.setIconMask(solidPicture(Qt::white, Qt::black));
            QCOMPARE(button.renderFace().size(), size.expandedTo(QSize(1, 1)));
        }
    }

    void spaceShowsPressedWithoutClick() {
        XPButton button;
        QSignalSpy click(&button, &XPButton::Click);
        QSignalSpy keyDown(&button, &XPButton::KeyDown);
        QSignalSpy keyUp(&button, &XPButton::KeyUp);
        QTest::keyPress(&button, Qt::Key_Space);
        QVERIFY(button.isDown());
        QCOMPARE(keyDown.count(), 1);
        QCOMPARE(keyDown.at(0).at(0).toInt(), 32);
        QTest::keyRelease(&button, Qt::Key_Space);
        QVERIFY(!button.isDown());
        QCOMPARE(keyUp.count(), 1);
        QCOMPARE(click.count(), 0);
    }

    void enterRaisesKeyPressThenClick() {
        XPButton button;
        QStringList order;
        connect(&button, &XPButton::KeyPress, this,
                [&order](int ascii) { order << QStringLiteral("KeyPress %1").arg(ascii); });
        connect(&button, &XPButton::Click, this, [&order] { order << QStringLiteral("Click"); });
        QTest::keyClick(&button, Qt::Key_Return);
        QCOMPARE(order, QStringList({"KeyPress 13", "Click"}));
        QVERIFY(!button.isDown());
    }

    void mouseSequence() {
        XPButton button;
        button.resize(kW, kH);
        QStringList order;
        connect(&button, &XPButton::MouseDown, this, [&](int b, int, int x, int y) {
            order << QStringLiteral("MouseDown %1 %2,%3").arg(b).arg(x).arg(y);
            QCOMPARE(button.isDown(), false);  // raised before the state changes
        });
        connect(&button, &XPButton::MouseUp, this,
                [&](int b, int, int, int) { order << QStringLiteral("MouseUp %1").arg(b); });
        connect(&button, &XPButton::Click, this, [&] { order << QStringLiteral("Click"); });
        connect(&button, &XPButton::DoubleClick, this,
                [&] { order << QStringLiteral("DoubleClick"); });
        QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 7));
        QCOMPARE(order, QStringList({"MouseDown 1 10,7", "MouseUp 1", "Click"}));
        order.clear();
        QTest::mouseClick(&button, Qt::RightButton, Qt::NoModifier, QPoint(10, 7));
        QCOMPARE(order, QStringList({"MouseDown 2 10,7", "MouseUp 2"}));
        order.clear();
        QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 7));
        QVERIFY(button.isDown());
        QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(200, 7));
        QVERIFY(!button.isDown());
        QCOMPARE(order, QStringList({"MouseDown 1 10,7", "MouseUp 1"}));  // released outside
        order.clear();
        // A double click: the second press arrives as the double click itself.
        QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 7));
        QTest::mouseDClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 7));
        QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 7));
        QCOMPARE(order, QStringList({"MouseDown 1 10,7", "MouseUp 1", "Click", "DoubleClick",
                                     "MouseUp 1"}));
    }

    void disabledRaisesNothing() {
        XPButton button;
        button.resize(kW, kH);
        button.setEnabled(false);
        QSignalSpy click(&button, &XPButton::Click);
        QSignalSpy down(&button, &XPButton::MouseDown);
        QSignalSpy key(&button, &XPButton::KeyDown);
        QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 7));
        QTest::keyPress(&button, Qt::Key_Space);
        QTest::keyClick(&button, Qt::Key_Return);
        button.click();
        button.animateClick();
        QTest::qWait(150);
        QCOMPARE(click.count() + down.count() + key.count(), 0);
        QVERIFY(!button.isDown());
    }

    void hoverRaisesEntersAndLeavesOnce() {
        QWidget host;
        host.resize(300, 100);
        auto* button = new XPButton(&host);
        button->setGeometry(50, 30, kW, kH);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QSignalSpy enters(button, &XPButton::MouseEnters);
        QSignalSpy leaves(button, &XPButton::MouseLeaves);
        QTest::mouseMove(&host, QPoint(10, 10));
        QTest::mouseMove(&host, QPoint(60, 40));
        QTest::mouseMove(&host, QPoint(70, 42));
        QTRY_COMPARE_WITH_TIMEOUT(enters.count(), 1, 50);
        QVERIFY(button->isHovered());
        QTest::mouseMove(&host, QPoint(250, 80));
        QTRY_COMPARE_WITH_TIMEOUT(leaves.count(), 1, 50);
        QCOMPARE(enters.count(), 1);
        QVERIFY(!button->isHovered());
        const QPoint screen = host.mapToGlobal(QPoint(250, 80));
        QCOMPARE(leaves.at(0).at(0).toInt(), screen.x());
        QCOMPARE(leaves.at(0).at(1).toInt(), screen.y());
    }

    // The accessible press action is a left click in the middle of the button, pressed look
    // included: MouseDown at once, MouseUp and Click when the press is let go.
    void accessiblePressActsAsAMouseClick() {
        QWidget host;
        auto* button = new XPButton(&host);
        button->resize(kW, kH);
        button->setCaption(QStringLiteral("更新数据"));
        host.show();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->role(), QAccessible::Button);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("更新数据"));
        QAccessibleActionInterface* actions = accessible->actionInterface();
        QVERIFY(actions != nullptr);
        QStringList order;
        connect(button, &XPButton::MouseDown, this, [&](int b, int, int x, int y) {
            order << QStringLiteral("MouseDown %1 %2,%3").arg(b).arg(x).arg(y);
        });
        connect(button, &XPButton::MouseUp, this,
                [&](int b, int, int, int) { order << QStringLiteral("MouseUp %1").arg(b); });
        connect(button, &XPButton::Click, this, [&] { order << QStringLiteral("Click"); });
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(order, QStringList({"MouseDown 1 42,12"}));
        QVERIFY(button->isDown());
        QTRY_COMPARE(order, QStringList({"MouseDown 1 42,12", "MouseUp 1", "Click"}));
        QVERIFY(!button->isDown());
    }

    void replaceColorSkipsFirstRowAndColumn() {
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(Qt::black);
        quillon::controls::ModXPButton::replaceColor(image, Qt::black, QColor(172, 168, 153));
        QCOMPARE(image.pixel(0, 1), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(1, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(1, 1), qRgb(172, 168, 153));
        QCOMPARE(image.pixel(3, 2), qRgb(172, 168, 153));
    }
};

QTEST_MAIN(XPButtonTest)
#include "xp_button_test.moc"
