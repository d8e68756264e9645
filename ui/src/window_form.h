#pragma once

#include "quillon/engine/form.h"
#include "quillon/ui/window_controls.h"

namespace quillon::ui {

class DIN5480;

// The window's fields as the engine and the reports see them. Reads take the text the control
// shows; writes go through the control, so the window reacts to them as to the user's typing.
class WindowForm final : public Form {
  public:
    WindowForm(DIN5480& window, const WindowControls& controls);

    std::string text(Field field) const override;
    void setText(Field field, const std::string& text) override;
    std::optional<SplineKind> selectedKind() const override;
    void showMessage(const std::string& message) override;

  private:
    DIN5480& window_;
    const WindowControls& controls_;
};

}  // namespace quillon::ui
