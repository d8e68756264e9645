#include "window_form.h"

#include <QLineEdit>
#include <QRadioButton>

#include "quillon/ui/din5480.h"

namespace quillon::ui {

WindowForm::WindowForm(DIN5480& window, const WindowControls& controls)
    : window_(window), controls_(controls) {}

std::string WindowForm::text(Field field) const {
    const QLineEdit* editor = controls_.field(field);
    return editor != nullptr ? editor->text().toStdString() : std::string();
}

void WindowForm::setText(Field field, const std::string& text) {
    if (QLineEdit* editor = controls_.field(field)) {
        editor->setText(QString::fromStdString(text));
    }
}

std::optional<SplineKind> WindowForm::selectedKind() const {
    if (controls_.external->isChecked()) {
        return SplineKind::External;
    }
    if (controls_.internal->isChecked()) {
        return SplineKind::Internal;
    }
    return std::nullopt;
}

void WindowForm::showMessage(const std::string& message) {
    window_.showMessage(QString::fromStdString(message));
}

}  // namespace quillon::ui
