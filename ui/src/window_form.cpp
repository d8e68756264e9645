#include "window_form.h"

#include "quillon/ui/din5480.h"

namespace quillon::ui {

WindowForm::WindowForm(DIN5480& window, const WindowEdition& edition) : window_(window) {
    for (const FieldBinding& binding : edition.fields) {
        const QString name = QString::fromUtf8(binding.controlName);
        if (auto* field = window.findChild<QLineEdit*>(name)) {
            textFields_[binding.field] = field;
        } else if (auto* list = window.findChild<QComboBox*>(name)) {
            lists_[binding.field] = list;
        }
    }
    external_ = window.findChild<QRadioButton*>(QStringLiteral("Option1"));
    internal_ = window.findChild<QRadioButton*>(QStringLiteral("Option2"));
}

std::string WindowForm::text(Field field) const {
    if (const auto found = textFields_.find(field); found != textFields_.end()) {
        return found->second->text().toStdString();
    }
    if (const auto found = lists_.find(field); found != lists_.end()) {
        return found->second->currentText().toStdString();
    }
    return {};
}

void WindowForm::setText(Field field, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (const auto found = textFields_.find(field); found != textFields_.end()) {
        found->second->setText(value);
    } else if (const auto list = lists_.find(field); list != lists_.end()) {
        list->second->setEditText(value);
    }
}

std::optional<SplineKind> WindowForm::selectedKind() const {
    if (external_ != nullptr && external_->isChecked()) {
        return SplineKind::External;
    }
    if (internal_ != nullptr && internal_->isChecked()) {
        return SplineKind::Internal;
    }
    return std::nullopt;
}

void WindowForm::showMessage(const std::string& message) {
    window_.showMessage(QString::fromStdString(message));
}

}  // namespace quillon::ui
