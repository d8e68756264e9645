#include "window_frame.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace quillon::ui {

WindowFrame::WindowFrame(QWidget& window, QWidget* titleStrip, QWidget* minimiseGlyph,
                         QWidget* closeGlyph, std::function<void()> close)
    : QObject(&window),
      window_(window),
      titleStrip_(titleStrip),
      minimiseGlyph_(minimiseGlyph),
      closeGlyph_(closeGlyph),
      close_(std::move(close)) {
    for (QWidget* part : {titleStrip_, minimiseGlyph_, closeGlyph_}) {
        if (part != nullptr) {
            part->installEventFilter(this);
        }
    }
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == titleStrip_) {
        return titleStripEvent(event);
    }
    if (watched == closeGlyph_ && event->type() == QEvent::MouseButtonPress) {
        // Any button, at once: whatever is being edited is dropped with the window.
        close_();
        return true;
    }
    if (watched == minimiseGlyph_) {
        if (event->type() == QEvent::MouseButtonPress) {
            minimisePressed_ = true;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool inside = minimiseGlyph_->rect().contains(mouse->position().toPoint());
            if (std::exchange(minimisePressed_, false) && inside) {
                window_.showMinimized();
            }
            return true;
        }
    }
    return false;
}

bool WindowFrame::titleStripEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            // The system's move loop when the window manager offers one; otherwise the window
            // follows the pointer until the button is released.
            QWindow* handle = window_.windowHandle();
            if (handle != nullptr && handle->startSystemMove()) {
                return true;
            }
            const auto* mouse = static_cast<QMouseEvent*>(event);
            manualDragOffset_ = mouse->globalPosition().toPoint() - window_.pos();
            return true;
        }
        case QEvent::MouseMove:
            if (manualDragOffset_) {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                window_.move(mouse->globalPosition().toPoint() - *manualDragOffset_);
                return true;
            }
            return false;
        case QEvent::MouseButtonRelease:
            manualDragOffset_.reset();
            return true;
        default:
            return false;
    }
}

}  // namespace quillon::ui
