#pragma once

#include <QString>

class QFormLayout;
class QLineEdit;
class QWidget;

// The details pages are tables of caption and field rows. Their controls are named for assistive
// tools as the main window's are: objectName, accessible description = objectName, accessible
// name = caption.
namespace quillon::ui {

void nameControl(QWidget& control, const char* objectName, const QString& caption);

// A read-only field with its caption as one row of `rows`.
QLineEdit* addReadOnlyRow(QFormLayout& rows, const char* objectName, const QString& caption);

// Sets a field's text only when it differs, so that a refresh keeps a selection the user made.
void showText(QLineEdit& field, const QString& text);

}  // namespace quillon::ui
