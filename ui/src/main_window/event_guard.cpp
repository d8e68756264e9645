#include "event_guard.h"

#include <QInputMethodQueryEvent>
#include <QWidget>

namespace quillon::ui {

EventGuard::EventGuard(QWidget& control, std::function<bool(QEvent&)> swallows)
    : QObject(&control), swallows_(std::move(swallows)) {
    control.installEventFilter(this);
}

bool EventGuard::eventFilter(QObject* /*watched*/, QEvent* event) {
    return swallows_(*event);
}

bool refuseInputMethod(QEvent& event) {
    if (event.type() == QEvent::InputMethod) {
        event.ignore();
        return true;
    }
    if (event.type() == QEvent::InputMethodQuery) {
        auto& query = static_cast<QInputMethodQueryEvent&>(event);
        if (query.queries().testFlag(Qt::ImEnabled)) {
            query.setValue(Qt::ImEnabled, false);
            query.accept();
            return true;
        }
    }
    return false;
}

}  // namespace quillon::ui
