#include "quillon/engine/in_memory_form.h"

namespace quillon {
InMemoryForm::InMemoryForm() {
    // The texts of a freshly started window: results "0", module 1.25, the default pin 1.25
    // * 1.732.
    texts_.fill("0");
    texts_[fieldIndex(Field::m)] = "1.25";
    texts_[fieldIndex(Field::alpha)] = "30";
    texts_[fieldIndex(Field::haStar)] = "0.45";
    texts_[fieldIndex(Field::cn)] = "0.1";
    texts_[fieldIndex(Field::dp)] = "2.165";
    texts_[fieldIndex(Field::grade)] = "9";
    texts_[fieldIndex(Field::seriesLetter)] = "H";
}

std::string InMemoryForm::text(Field field) const {
    return texts_[fieldIndex(field)];
}

void InMemoryForm::setText(Field field, const std::string& text) {
    texts_[fieldIndex(field)] = text;
    if (writeCount_ < writes_.size()) {
        writes_[writeCount_].first = field;
        writes_[writeCount_].second = text;
    } else {
        writes_.emplace_back(field, text);
    }
    ++writeCount_;
}

void InMemoryForm::forgetHistory() {
    messages_.clear();
    writeCount_ = 0;
}

}  // namespace quillon
