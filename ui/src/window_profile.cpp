#include "window_profile.h"

#include "quillon/ui/din5480.h"

namespace quillon::ui {

WindowProfile profileOfWindow(const DIN5480& window) {
    WindowProfile profile;
    profile.input = ProfileInput::readFrom(window.form(), window.runState());
    // A calculation has run when the results hold a diameter; before it, or after a rejected
    // input cleared them, there is nothing to draw.
    profile.calculated = profile.input && (profile.input->d != 0 || profile.input->da != 0 ||
                                           profile.input->df != 0);
    if (!profile.calculated) {
        profile.design.problem = "尚未计算：请先在主窗口中按“更新数据”。";
        return profile;
    }
    profile.design = designToothForm(*profile.input);
    if (profile.design.form) {
        profile.check = checkMeasurements(*profile.design.form, *profile.input);
    }
    return profile;
}

}  // namespace quillon::ui
