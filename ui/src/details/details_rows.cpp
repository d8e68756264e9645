#include "details_rows.h"

#include <QHeaderView>

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "event_guard.h"

#include "quillon/document/drawing_data.h"

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

QString failColour() {
    return QStringLiteral("#c01818");
}

QString failStyle() {
    return QStringLiteral("color: ") + failColour();
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

QTableWidget* nameSymbolValueTable(const char* objectName, const QString& caption) {
    const auto& header = document::kTableHeader;
    auto* table = new QTableWidget(0, static_cast<int>(header.size()));
    nameControl(*table, objectName, caption);
    QStringList captions;
    for (const std::string_view column : header) {
        captions << QString::fromUtf8(column.data(), static_cast<qsizetype>(column.size()));
    }
    table->setHorizontalHeaderLabels(captions);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void showRows(QTableWidget& table, const std::vector<std::array<std::string, 3>>& rows) {
    table.setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < 3; ++column) {
            const std::string& cell = rows[static_cast<std::size_t>(row)][column];
            showCell(table, row, column,
                     QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size())));
        }
    }
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
