#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "quillon/engine/form.h"

namespace quillon::engine {

// A Form without a window: field texts in an array, messages collected in a list. It starts with
// the texts a freshly started window shows. Used by tests, benchmarks and fuzz targets.
class InMemoryForm final : public Form {
  public:
    InMemoryForm();

    std::string text(Field field) const override;
    void setText(Field field, const std::string& text) override;
    std::optional<SplineKind> selectedKind() const override { return kind_; }
    void showMessage(const std::string& message) override { messages_.push_back(message); }

    void selectKind(SplineKind kind) override { kind_ = kind; }
    void selectKind(std::optional<SplineKind> kind) { kind_ = kind; }
    const std::vector<std::string>& messages() const { return messages_; }
    // Every write since the history was last forgotten, in order, as (field, text): the window
    // reacts to each of them.
    std::span<const std::pair<Field, std::string>> writes() const {
        return {writes_.data(), writeCount_};
    }
    void forgetHistory();

  private:
    std::array<std::string, kAllFields.size()> texts_;
    std::optional<SplineKind> kind_ = SplineKind::External;
    std::vector<std::string> messages_;
    // Entries past writeCount_ are kept only to reuse their storage.
    std::vector<std::pair<Field, std::string>> writes_;
    std::size_t writeCount_ = 0;
};

}  // namespace quillon::engine
