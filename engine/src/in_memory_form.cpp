#include "quillon/engine/in_memory_form.h"

namespace quillon {

InMemoryForm::InMemoryForm() {
    // The texts of a freshly started window: results "0", module 1.25, the default pin 1.25
    // * 1.732.
    for (Field field : kAllFields) {
        texts_[field] = "0";
    }
    texts_[Field::m] = "1.25";
    texts_[Field::alpha] = "30";
    texts_[Field::haStar] = "0.45";
    texts_[Field::cn] = "0.1";
    texts_[Field::dp] = "2.165";
    texts_[Field::grade] = "9";
    texts_[Field::seriesLetter] = "H";
}

std::string InMemoryForm::text(Field field) const {
    const auto it = texts_.find(field);
    return it == texts_.end() ? std::string() : it->second;
}

void InMemoryForm::setText(Field field, const std::string& text) {
    texts_[field] = text;
    writes_.emplace_back(field, text);
}

void InMemoryForm::forgetHistory() {
    messages_.clear();
    writes_.clear();
}

}  // namespace quillon
