#include "gbt3478_window.h"

#include <QVBoxLayout>

#include "gbt3478_page.h"
#include "quillon/ui/din5480.h"
#include "window_placement.h"

namespace quillon::ui {
namespace {

// The inputs beside the drawing over the table, on a screen 1280 × 800.
constexpr QSize kSize(1200, 740);

}  // namespace

Gbt3478Window::Gbt3478Window(DIN5480& window) : QWidget(&window, Qt::Window), window_(window) {
    setObjectName(QStringLiteral("gbt3478Window"));
    setWindowTitle(QStringLiteral("GB/T 3478.1 渐开线花键"));
    setAccessibleName(windowTitle());
    setAccessibleDescription(objectName());
    page_ = new Gbt3478Page([this](const QString& text) { window_.showMessage(text); },
                            window_.document().drawingCreator());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page_);
    resize(kSize);
}

void Gbt3478Window::showAndRaise() {
    showBesideMainWindow(*this, window_, placed_);
    page_->setFocus();
}

}  // namespace quillon::ui
