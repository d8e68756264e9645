#include "quillon/engine/in_memory_form.h"

#include "quillon/engine/start_values.h"

namespace quillon::engine {
InMemoryForm::InMemoryForm() {
    for (Field field : kAllFields) {
        texts_[fieldIndex(field)] = startText(field);
    }
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

}  // namespace quillon::engine
