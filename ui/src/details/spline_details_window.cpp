#include "spline_details_window.h"

#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "connection_page.h"
#include "designation_page.h"
#include "drawing_data_page.h"
#include "inspection_page.h"
#include "profile_page.h"
#include "quillon/ui/din5480.h"
#include "strength_page.h"
#include "window_placement.h"

using namespace quillon::engine;

namespace quillon::ui {
namespace {

constexpr QSize kProfileSize(720, 560);
// The table's rows without a scroll bar, narrow enough to stand beside the main window on a
// screen 1280 pixels wide.
constexpr QSize kDrawingDataSize(410, 520);
constexpr QSize kStrengthSize(820, 600);
// The table beside the zone diagram.
constexpr QSize kConnectionSize(960, 660);

}  // namespace

SplineDetailsWindow::SplineDetailsWindow(DIN5480& window)
    : QWidget(&window, Qt::Window), window_(window) {
    setObjectName(QStringLiteral("splineDetails"));
    setWindowTitle(QStringLiteral("花键详情"));
    setAccessibleName(windowTitle());
    setAccessibleDescription(objectName());
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("detailTabs"));
    tabs_->setAccessibleName(windowTitle());
    tabs_->setAccessibleDescription(tabs_->objectName());
    const document::SplineDocument& spline = window_.document();
    profile_ = new ProfilePage(spline, [this](const QString& text) { window_.showMessage(text); });
    inspection_ = new InspectionPage(spline);
    designation_ = new DesignationPage(spline, [this](const SplineDesignation& designation) {
        return window_.applyDesignation(designation);
    });
    drawingData_ =
        new DrawingDataPage(spline, [this](const QString& text) { window_.showMessage(text); });
    tabs_->addTab(profile_, QStringLiteral("齿形"));
    tabs_->addTab(inspection_, QStringLiteral("检测尺寸"));
    tabs_->addTab(designation_, QStringLiteral("花键标记"));
    tabs_->addTab(drawingData_, QStringLiteral("参数表"));
    strength_ = new StrengthPage(spline);
    tabs_->addTab(strength_, QStringLiteral("强度校核"));
    if (spline.edition().hasTolerances()) {
        connection_ =
            new ConnectionPage(spline, [this](const QString& text) { window_.showMessage(text); });
        tabs_->addTab(connection_, QStringLiteral("配合"));
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(380, 340);
}

void SplineDetailsWindow::showProfilePage() {
    growTo(kProfileSize);
    showPage(profile_);
}

void SplineDetailsWindow::showInspectionPage() {
    showPage(inspection_);
}

void SplineDetailsWindow::showDesignationPage() {
    showPage(designation_);
}

void SplineDetailsWindow::showDrawingDataPage() {
    growTo(kDrawingDataSize);
    showPage(drawingData_);
}

void SplineDetailsWindow::showStrengthPage() {
    growTo(kStrengthSize);  // inputs and results side by side
    showPage(strength_);
}

void SplineDetailsWindow::showConnectionPage() {
    if (connection_ != nullptr) {
        growTo(kConnectionSize);
        showPage(connection_);
    }
}

// The drawing, the data table, the strength check and the connection want more room than the other
// pages; a window that grows is placed anew, so that it stays on the screen.
void SplineDetailsWindow::growTo(QSize wanted) {
    const QSize grown = size().expandedTo(wanted);
    if (grown != size()) {
        resize(grown);
        placed_ = false;
    }
}

void SplineDetailsWindow::showPage(QWidget* page) {
    tabs_->setCurrentWidget(page);
    showBesideMainWindow(*this, window_, placed_);
    page->setFocus();
}

void SplineDetailsWindow::mainWindowChanged() {
    if (refreshPending_ || !isVisible()) {
        return;  // a hidden window catches up when it is shown
    }
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        refresh();
    });
}

void SplineDetailsWindow::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

void SplineDetailsWindow::refresh() {
    profile_->refresh();
    inspection_->refresh();
    designation_->refresh();
    drawingData_->refresh();
    strength_->refresh();
    if (connection_ != nullptr) {
        connection_->refresh();
    }
}

}  // namespace quillon::ui
