#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "quillon/ui/din5480.h"
#include "tests.h"
#include "window_driver.h"

namespace quillon::ui::test {

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    Q_ASSERT(found != nullptr);
    return found;
}

void press(QAccessibleInterface* control) {
    QVERIFY(control->actionInterface() != nullptr);
    QVERIFY(control->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

QMenu* shownMenu() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Presses the window's icon as a screen reader does, then the menu entry named `entry`.
void chooseFromMenu(WindowDriver& w, const QString& entry) {
    press(accessible(w.control("Image2")));
    QTRY_VERIFY(shownMenu() != nullptr);
    QAccessibleInterface* menu = accessible(shownMenu());
    for (int i = 0; i < menu->childCount(); ++i) {
        if (menu->child(i)->text(QAccessible::Name) == entry) {
            press(menu->child(i));
            QTRY_VERIFY(shownMenu() == nullptr);
            return;
        }
    }
    QFAIL(qPrintable(entry));
}

// The focus chain of the window, from its first control. The unselected kind option stays in the
// chain but Tab passes it by: Tab enters an exclusive pair at its selected option.
void checkFocusOrder(const DIN5480& window, const QStringList& expected) {
    QStringList order;
    QWidget* first = window.findChild<QWidget*>(expected.first());
    QVERIFY(first != nullptr);
    QWidget* current = first;
    do {
        if (current->focusPolicy() != Qt::NoFocus && !current->objectName().isEmpty() &&
            current->objectName() != "DIN5480") {
            order << current->objectName();
        }
        current = current->nextInFocusChain();
    } while (current != first && order.size() <= expected.size());
    QCOMPARE(order.join(u','), expected.join(u','));
}

// Assistive tools find a field by the caption of the label beside it: every field's accessible
// name must be the text of the label on its row, and every control's description its name.
void checkAccessibleNames(const DIN5480& window) {
    for (const ControlLayout& row : window.edition().layout) {
        for (const char* name : {row.name, row.label ? row.label->name : row.name}) {
            const auto* control = window.findChild<QWidget*>(QString::fromUtf8(name));
            QVERIFY2(control != nullptr, name);
            QCOMPARE(control->accessibleDescription(), QString::fromUtf8(name));
        }
    }
    for (QLineEdit* editor : window.controls().fields) {
        if (editor == nullptr) {
            continue;
        }
        // A list is named as its edit line is.
        QWidget* field =
            editor->parentWidget()->inherits("QComboBox") ? editor->parentWidget() : editor;
        QStringList captionsOnRow;
        for (const QLabel* label :
             field->parentWidget()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
            const int middle = label->geometry().top() + 8;
            if (label->geometry().right() < field->geometry().left() &&
                middle >= field->geometry().top() - 4 && middle <= field->geometry().bottom()) {
                captionsOnRow << label->text();
            }
        }
        QVERIFY2(!captionsOnRow.isEmpty(), qPrintable(field->objectName()));
        // The nearest label to the left of the field names it.
        QCOMPARE(field->accessibleName(), captionsOnRow.last());
        QCOMPARE(editor->accessibleName(), captionsOnRow.last());
    }
}

void checkColours(DIN5480& window, const QList<ColourAt>& expected) {
    const QImage picture = window.grab().toImage();
    for (const ColourAt& point : expected) {
        const QColor shown = picture.pixelColor(point.at);
        const int distance = std::abs(shown.red() - point.colour.red()) +
                             std::abs(shown.green() - point.colour.green()) +
                             std::abs(shown.blue() - point.colour.blue());
        QVERIFY2(distance <= 24, qPrintable(QStringLiteral("%1 at (%2, %3) is %4, expected %5")
                                                .arg(point.what)
                                                .arg(point.at.x())
                                                .arg(point.at.y())
                                                .arg(shown.name(), point.colour.name())));
    }
}

}  // namespace quillon::ui::test
