#pragma once

#include <string>
#include <vector>

#include "quillon/engine/form.h"

namespace quillon::document {

// The document's form seen through a log: every call goes to the form, and each message shown is
// also kept, so that a document tells what its calculation said whether a window showed it in a
// box or a form of its own collected it.
class MessageLogForm final : public engine::Form {
  public:
    MessageLogForm(engine::Form& form, std::vector<std::string>& log) : form_(form), log_(log) {}

    std::string text(engine::Field field) const override { return form_.text(field); }
    void setText(engine::Field field, const std::string& text) override {
        form_.setText(field, text);
    }
    std::optional<engine::SplineKind> selectedKind() const override { return form_.selectedKind(); }
    void selectKind(engine::SplineKind kind) override { form_.selectKind(kind); }
    void showMessage(const std::string& message) override {
        log_.push_back(message);
        form_.showMessage(message);
    }

  private:
    engine::Form& form_;
    std::vector<std::string>& log_;
};

}  // namespace quillon::document
