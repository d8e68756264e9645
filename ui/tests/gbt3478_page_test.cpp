// The GB/T 3478.1 window, driven as a user would: opened from the window menu, a designation from
// a drawing applied, the worked shaft's numbers read from the table, the copy and the DXF, and a
// refused input said in the status.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "gbt3478_page.h"
#include "tests.h"
#include "window_driver.h"

namespace quillon::ui::test {
namespace {

// The value the table gives for a symbol ("T+λ", "M", "k").
QString valueOf(const QTableWidget& table, const QString& symbol) {
    for (int row = 0; row < table.rowCount(); ++row) {
        if (table.item(row, 1)->text() == symbol) {
            return table.item(row, 2)->text();
        }
    }
    return QStringLiteral("(no row %1)").arg(symbol);
}

template <typename T>
T* on(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromUtf8(name));
    Q_ASSERT(found != nullptr);
    return found;
}

}  // namespace

Gbt3478PageTest::Gbt3478PageTest() = default;
Gbt3478PageTest::~Gbt3478PageTest() = default;

void Gbt3478PageTest::init() {
    driver_ = std::make_unique<WindowDriver>(WindowEdition::tolerance());
    // Made on first use, not at start-up.
    QVERIFY(driver_->window->findChild<QWidget*>("gbt3478Window") == nullptr);
    chooseFromMenu(*driver_, "GB/T 3478.1 花键…");
    window_ = driver_->window->findChild<QWidget*>("gbt3478Window");
    QVERIFY(window_ != nullptr && window_->isVisible());
    QCOMPARE(window_->windowTitle(), "GB/T 3478.1 渐开线花键");
}

void Gbt3478PageTest::cleanup() {
    window_ = nullptr;
    driver_.reset();
}

// The hand-worked shaft of the library's tests (dp 4.5 as worked there): T+λ 74.835667 µm,
// M 66.595487 (66.547229 / 66.476850), k 5, W 33.400874 (33.374476 / 33.336064).
void Gbt3478PageTest::showsTheWorkedShaftAndExportsIt() {
    auto* designation = on<QLineEdit>(window_, "gbtDesignation");
    designation->setText("ext 24z x 2.5m x 30R x 5h");
    QTest::mouseClick(on<QPushButton>(window_, "applyGbtDesignation"), Qt::LeftButton);
    QCOMPARE(designation->text(), "EXT 24z×2.5m×30R×5h GB/T 3478.1");
    QTest::keyClicks(on<QLineEdit>(window_, "gbtPin"), "4.5");
    const auto& table = *on<QTableWidget>(window_, "gbtTable");
    QCOMPARE(valueOf(table, "T+λ"), "74.84 µm");
    QCOMPARE(valueOf(table, "M"), "66.5955 (66.5472 / 66.4768)");
    QCOMPARE(valueOf(table, "k"), "5");
    QCOMPARE(valueOf(table, "W"), "33.4009 (33.3745 / 33.3361)");
    // g not given is said in the status, which a screen reader reads as its text.
    auto* status = on<QLabel>(window_, "gbtStatus");
    const QString read = accessible(status)->text(QAccessible::Name);
    QVERIFY2(read.contains("g = D/2 = 30 mm"), qPrintable(read));
    QVERIFY(!read.contains('<'));

    QTest::mouseClick(on<QPushButton>(window_, "copyGbt"), Qt::LeftButton);
    QVERIFY(QGuiApplication::clipboard()->text().contains("\tk\t5\n"));
    QTemporaryDir folder;
    const QString target = folder.filePath("齿形.dxf");
    auto* page = on<Gbt3478Page>(window_, "gbt3478Page");
    page->setSaveFileChooser([&target](const QString&, const QString&) { return target; });
    QTest::mouseClick(on<QPushButton>(window_, "exportGbtDxf"), Qt::LeftButton);
    QFile dxf(target);
    QVERIFY(dxf.open(QIODevice::ReadOnly));
    const QByteArray drawing = dxf.readAll();
    QVERIFY(drawing.contains("LWPOLYLINE") && drawing.contains("\nDATA\n"));
    QVERIFY(drawing.contains("66.5955 (66.5472 / 66.4768)"));
    QVERIFY(driver_->messages.isEmpty());
}

// A flat root has no place at 45°: the status says so in red and nothing is shown or exported.
void Gbt3478PageTest::refusesAFlatRootAt45Degrees() {
    auto* root = on<QComboBox>(window_, "gbtRoot");
    root->setCurrentIndex(root->findData(0));  // flat
    QVERIFY(on<QTableWidget>(window_, "gbtTable")->rowCount() > 0);
    auto* angle = on<QComboBox>(window_, "gbtAngle");
    angle->setCurrentIndex(angle->findData(45.0));
    auto* status = on<QLabel>(window_, "gbtStatus");
    QVERIFY(status->isVisible());
    QVERIFY2(status->text().contains("#c01818"), qPrintable(status->text()));
    QVERIFY2(accessible(status)->text(QAccessible::Name).contains("45° 只有圆齿根"),
             qPrintable(status->text()));
    QCOMPARE(on<QTableWidget>(window_, "gbtTable")->rowCount(), 0);
    QVERIFY(!on<QPushButton>(window_, "exportGbtDxf")->isEnabled());
    QVERIFY(on<QLineEdit>(window_, "gbtDesignation")->text().isEmpty());
}

}  // namespace quillon::ui::test
