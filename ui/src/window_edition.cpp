#include "quillon/ui/window_edition.h"

#include <algorithm>

namespace quillon::ui {

const ControlLayout* WindowEdition::find(std::string_view name) const {
    const auto found = std::ranges::find_if(
        layout, [name](const ControlLayout& row) { return std::string_view(row.name) == name; });
    return found == layout.end() ? nullptr : &*found;
}

const char* WindowEdition::controlFor(Field field) const {
    const auto found = std::ranges::find_if(
        fields, [field](const FieldBinding& binding) { return binding.field == field; });
    return found == fields.end() ? nullptr : found->controlName;
}

}  // namespace quillon::ui
