#include "details_rows.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "event_guard.h"

namespace quillon::ui {

void nameControl(QWidget& control, const char* objectName, const QString& caption) {
    control.setObjectName(QString::fromUtf8(objectName));
    control.setAccessibleName(caption);
    control.setAccessibleDescription(control.objectName());
}

QLineEdit* addReadOnlyRow(QFormLayout& rows, const char* objectName, const QString& caption) {
    auto* field = new QLineEdit;
    field->setReadOnly(true);
    new EventGuard(*field, refuseInputMethod);
    nameControl(*field, objectName, caption);
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    rows.addRow(label, field);
    return field;
}

QString passStyle() {
    return QStringLiteral("color: #188018");
}

QString failStyle() {
    return QStringLiteral("color: #c01818");
}

QLabel* messageLabel(const char* objectName, bool warning) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromUtf8(objectName));
    label->setAccessibleDescription(label->objectName());
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (warning) {
        label->setStyleSheet(failStyle());
    }
    return label;
}

void showMessageLines(QLabel& label, const QStringList& lines) {
    label.setText(lines.join(u'\n'));
    label.setVisible(!lines.isEmpty());
}

QPushButton* namedButton(const char* objectName, const QString& caption) {
    auto* button = new QPushButton(caption);
    nameControl(*button, objectName, caption);
    return button;
}

void showCell(QTableWidget& table, int row, int column, const QString& text) {
    QTableWidgetItem* item = table.item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table.setItem(row, column, item);
    }
    if (item->text() != text) {
        item->setText(text);
    }
}

void showText(QLineEdit& field, const QString& text) {
    if (field.text() != text) {
        field.setText(text);
        field.setCursorPosition(0);
    }
}

}  // namespace quillon::ui
