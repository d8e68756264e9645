#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMetaObject>
#include <mutex>

#include "quillon/controls/group_frame.h"
#include "quillon/controls/xp_button.h"

namespace quillon {

namespace {

class XPButtonAccessible final : public QAccessibleWidget {
  public:
    explicit XPButtonAccessible(XPButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return button()->caption();
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isPressed();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            // Queued: a Click reaction that opens a modal message box must not block the client.
            QMetaObject::invokeMethod(button(), &XPButton::press, Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

  private:
    XPButton* button() const { return static_cast<XPButton*>(widget()); }
};

class GroupFrameAccessible final : public QAccessibleWidget {
  public:
    explicit GroupFrameAccessible(GroupFrame* frame)
        : QAccessibleWidget(frame, QAccessible::Grouping) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<GroupFrame*>(widget())->caption();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* controlsFactory(const QString& /*className*/, QObject* object) {
    if (auto* button = qobject_cast<XPButton*>(object)) {
        return new XPButtonAccessible(button);
    }
    if (auto* frame = qobject_cast<GroupFrame*>(object)) {
        return new GroupFrameAccessible(frame);
    }
    return nullptr;
}

}  // namespace

void installControlsAccessibility() {
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(controlsFactory); });
}

void notifyAccessibleNameChanged(QWidget* control) {
    if (QAccessible::isActive()) {
        QAccessibleEvent event(control, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace quillon
