#pragma once

#include <array>

#include "quillon/engine/field.h"

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace quillon::controls {
class GroupFrame;
class XPButton;
}  // namespace quillon::controls

namespace quillon::ui {

// The window's controls that take part in its behaviour, each under the role it plays. Filled once
// while the layout table is built; a control the edition does not have stays nullptr.
struct WindowControls {
    // The text line of each field by the quantity it holds (for a list, the list's edit line).
    std::array<QLineEdit*, engine::kAllFields.size()> fields{};
    QLineEdit* field(engine::Field quantity) const {
        return fields[static_cast<std::size_t>(quantity)];
    }

    QComboBox* moduleList = nullptr;          // Combo1
    QComboBox* clearanceList = nullptr;       // Combo2
    QRadioButton* external = nullptr;         // Option1, "外花键"
    QRadioButton* internal = nullptr;         // Option2, "内花键"
    controls::XPButton* calculate = nullptr;  // cmd1, "更新数据"
    controls::XPButton* reset = nullptr;      // cmd2, "清除数据"
    controls::XPButton* report = nullptr;     // cmd3, the file report
    controls::XPButton* print = nullptr;      // cmd4, the printed report (lite edition)
    QLabel* clearanceLegend = nullptr;        // Label2
    controls::GroupFrame* inputFrame =
        nullptr;  // Frame1 of the tolerance edition (its header is set)
    controls::GroupFrame* resultFrame = nullptr;  // Frame2 of the tolerance edition
    QWidget* titleStrip = nullptr;                // top, the drag handle
    QWidget* minimiseGlyph = nullptr;             // Label22, "—"
    QWidget* closeGlyph = nullptr;                // Label3, "X"
    QAbstractButton* menuIcon = nullptr;          // Image2, opens the window menu
};

}  // namespace quillon::ui
