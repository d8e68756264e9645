#include "window_menu.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

#include "about_box.h"
#include "gbt3478_window.h"
#include "quillon/engine/designation.h"
#include "quillon/ui/din5480.h"
#include "spline_details_window.h"
#include "strength_page.h"

using namespace quillon::engine;

namespace quillon::ui {

WindowMenu::WindowMenu(DIN5480& window) : QObject(&window), window_(window) {
    menu_ = new QMenu(&window_);
    menu_->setObjectName(QStringLiteral("windowMenu"));
    menu_->setAccessibleName(QStringLiteral("菜单"));
    menu_->setAccessibleDescription(menu_->objectName());
    // An entry pressed by an assistive tool is triggered without the menu closing itself.
    connect(menu_, &QMenu::triggered, menu_, &QMenu::hide);
    menu_->addAction(QStringLiteral("齿形图…"), this, [this] { details().showProfilePage(); });
    menu_->addAction(QStringLiteral("检测尺寸…"), this, [this] { details().showInspectionPage(); });
    menu_->addAction(QStringLiteral("花键标记…"), this,
                     [this] { details().showDesignationPage(); });
    menu_->addAction(QStringLiteral("参数表…"), this, [this] { details().showDrawingDataPage(); });
    menu_->addAction(QStringLiteral("强度校核…"), this, [this] { details().showStrengthPage(); });
    // Fits and the second standard come from the tolerance tables, which the lite edition has
    // not: no entries there.
    if (window_.edition().rules.hasTolerances()) {
        menu_->addAction(QStringLiteral("配合…"), this, [this] { details().showConnectionPage(); });
        menu_->addSeparator();
        menu_->addAction(QStringLiteral("GB/T 3478.1 花键…"), this,
                         [this] { gbt3478().showAndRaise(); });
    }
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("复制结果"), this, &WindowMenu::copyResults);
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("关于 quillon…"), this,
                     [this] { showAboutBox(&window_, window_.edition().rules.hasTolerances()); });
}

void WindowMenu::popup(QPoint globalPosition) {
    menu_->popup(globalPosition);
}

SplineDetailsWindow& WindowMenu::details() {
    if (details_ == nullptr) {
        details_ = new SplineDetailsWindow(window_);
    }
    return *details_;
}

Gbt3478Window& WindowMenu::gbt3478() {
    if (gbt3478_ == nullptr) {
        gbt3478_ = new Gbt3478Window(window_);
    }
    return *gbt3478_;
}

QString WindowMenu::resultsText() const {
    const document::SplineDocument& spline = window_.document();
    const FormDesignation named = spline.designation();
    QString text = QString::fromStdString(named.designation ? printDesignation(*named.designation)
                                                            : "DIN 5480 —（" + named.reason + "）");
    text += QLatin1Char('\n');
    for (const std::string& line : spline.reportLines()) {
        text += QString::fromStdString(line) + QLatin1Char('\n');
    }
    // The strength check only where the page has been opened and given a load.
    if (details_ != nullptr) {
        for (const std::string& line : details_->strengthPage().resultLines()) {
            text += QString::fromStdString(line) + QLatin1Char('\n');
        }
    }
    return text;
}

void WindowMenu::copyResults() {
    QGuiApplication::clipboard()->setText(resultsText());
}

}  // namespace quillon::ui
