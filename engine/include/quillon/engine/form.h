#pragma once

#include <optional>
#include <string>

#include "quillon/engine/field.h"
#include "quillon/engine/spline_kind.h"

namespace quillon::engine {

// What the calculation needs of a window: the window is the data store, every value is the text of
// a field, and every write is an ordinary change the window reacts to (the report button follows
// the d field, for example). Texts are UTF-8.
class Form {
  public:
    virtual ~Form() = default;

    virtual std::string text(Field field) const = 0;
    virtual void setText(Field field, const std::string& text) = 0;

    // The selected option of the kind pair; none when neither option is selected.
    virtual std::optional<SplineKind> selectedKind() const = 0;

    // Selects the option of `kind` as a click on it does; the window reacts as to the user's click.
    virtual void selectKind(SplineKind kind) = 0;

    // A modal message box titled "系统提示" with the information icon and an OK button only;
    // returns when the user has closed it.
    virtual void showMessage(const std::string& message) = 0;
};

}  // namespace quillon::engine
