#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QFormLayout;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTableWidget;
class QWidget;

// The details pages are tables of caption and field rows. Their controls are named for assistive
// tools as the main window's are: objectName, accessible description = objectName, accessible
// name = caption.
namespace quillon::ui {

// What a page calls to tell the user something (the main window's message box).
using PageMessageSink = std::function<void(const QString&)>;
// A page's save dialog: the chosen file name, or an empty text on cancel. Tests replace it.
using PageSaveFileChooser =
    std::function<QString(const QString& initialName, const QString& filter)>;
// A page's print dialog: true to print on the given printer. Tests replace it.
using PagePrintDialog = std::function<bool(QPrinter& printer)>;

void nameControl(QWidget& control, const char* objectName, const QString& caption);

// A read-only field with its caption as one row of `rows`.
QLineEdit* addReadOnlyRow(QFormLayout& rows, const char* objectName, const QString& caption);

// The colours of a verdict (a style sheet); the text beside them always says the same in words.
QString passStyle();
QString failStyle();
// The failure's colour alone, for a word of it in rich text.
QString failColour();

// A label that shows a message (a status, a reason, the measurement warnings): word-wrapped, red
// when `warning`, and named only by objectName and description, so that assistive tools read the
// message itself as its name and hear it change.
QLabel* messageLabel(const char* objectName, bool warning);

// Shows `lines` one under another, and the label only while there is something to say.
void showMessageLines(QLabel& label, const QStringList& lines);

// A push button named for assistive tools by its caption.
QPushButton* namedButton(const char* objectName, const QString& caption);

// A read-only table of names, symbols and values (名称 / 代号 / 数值), rows as high as their text,
// the last column taking what room is left; its rows are shown with showCell.
QTableWidget* nameSymbolValueTable(const char* objectName, const QString& caption);

// Shows `rows` in such a table, cell by cell with showCell.
void showRows(QTableWidget& table, const std::vector<std::array<std::string, 3>>& rows);

// Sets a read-only cell's text, only when it differs so that a refresh keeps the user's selection.
void showCell(QTableWidget& table, int row, int column, const QString& text);

// Sets a field's text only when it differs, so that a refresh keeps a selection the user made.
void showText(QLineEdit& field, const QString& text);

}  // namespace quillon::ui
