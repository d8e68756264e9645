// The exported drawings of the profile page, read back: SVG true to size with its title and one
// closed contour path, DXF headed by the program.
#include <QRegularExpression>
#include <QTest>

#include "profile_export.h"
#include "profile_path.h"
#include "quillon/geometry/polyline.h"

namespace quillon::ui::test {

class ProfileExportTest final : public QObject {
    Q_OBJECT

  private slots:
    void svgIsTrueToSizeWithOneContourPath();
    void dxfNamesTheProgram();

  private:
    static ProfileInput hub() {
        ProfileInput in;
        in.kind = SplineKind::Internal;
        in.z = 20;
        in.m = 1.25;
        in.alpha = 30;
        in.d = 25;
        in.da = 23.875;
        in.df = 26.375;
        return in;
    }
};

void ProfileExportTest::svgIsTrueToSizeWithOneContourPath() {
    const ProfileInput in = hub();
    const ToothForm form = *designToothForm(in).form;
    const QString svg = QString::fromUtf8(profileSvg(in, form, "齿形 z = 20", "quillon 1.0.0"));
    // 26.375 mm plus a margin on each side, in millimetres, with the view box in millimetres.
    const auto width = QRegularExpression(R"(width="([0-9.]+)mm")").match(svg);
    QVERIFY(width.hasMatch());
    const double side = width.captured(1).toDouble();
    QVERIFY(side > 26.375 && side < 30);
    QVERIFY(svg.contains(QStringLiteral("height=\"%1mm\"").arg(width.captured(1))));
    QVERIFY(svg.contains(QStringLiteral("viewBox=\"%1 %1 %2 %2\"").arg(-side / 2).arg(side)));
    QVERIFY(svg.contains("<title>齿形 z = 20</title>"));
    QVERIFY(svg.contains("<desc>quillon 1.0.0</desc>"));
    QCOMPARE(svg.count("<path"), 1);
    QCOMPARE(svg.count("<circle"), 4);
    // The contour's topmost point is the middle of a space of the hub on +Y, drawn with y down.
    const QRectF bounds = contourPath(flattenContour(form)).boundingRect();
    QCOMPARE(qRound(bounds.top() * 1000), -13188);
}

void ProfileExportTest::dxfNamesTheProgram() {
    const ProfileInput in = hub();
    const QByteArray dxf = profileDxf(in, *designToothForm(in).form, "z = 20", "quillon 1.0.0");
    QVERIFY(dxf.startsWith("999\nquillon 1.0.0"));
    QVERIFY(dxf.contains("\nLWPOLYLINE\n"));
}

}  // namespace quillon::ui::test

QTEST_MAIN(quillon::ui::test::ProfileExportTest)
#include "profile_export_test.moc"
