#pragma once

#include <QWidget>
#include <array>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "quillon/strength/strength_check.h"
#include "quillon/strength/strength_quantities.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace quillon::document {
class SplineDocument;
}

namespace quillon::ui {

// The strength check of the spline in the main window: the load and the joint typed here, the
// geometry from the calculation. Every edit checks anew; a bad input is named beside its field
// and then no result is shown.
class StrengthPage final : public QWidget {
  public:
    explicit StrengthPage(const document::SplineDocument& document, QWidget* parent = nullptr);

    void refresh();

    // The result as text lines for "复制结果", checked now with the page's inputs; none while
    // there is no load or no result.
    std::vector<std::string> resultLines() const;

  private:
    // What the page shows for one state of the inputs and the main window.
    struct Evaluation {
        std::vector<strength::InputProblem> problems;
        std::optional<std::string> notChecked;
        std::optional<strength::StrengthResult> result;  // only without problems
        bool loadGiven = false;
    };

    // An input with its message beside it.
    struct InputRow {
        QWidget* control = nullptr;
        QLabel* message = nullptr;
    };

    void addInputs(QFormLayout& rows);
    void addResults(QFormLayout& rows);
    QLineEdit* addNumberRow(QFormLayout& rows, strength::InputField field, const char* name);
    void addRow(QFormLayout& rows, strength::InputField field, QWidget* control, const char* name,
                const QString& caption);
    std::string textOf(strength::InputField field) const;
    Evaluation evaluate() const;
    void showPermissiblePressure(bool pAllowedNamed);
    void showProblems(const Evaluation& shown);
    void showResult(const std::optional<strength::StrengthResult>& result);

    const document::SplineDocument& document_;
    std::array<InputRow, std::size(strength::kInputFields)> inputs_{};
    QComboBox* ka_;
    QComboBox* joint_;
    QComboBox* conditions_;
    QCheckBox* hardened_;
    QLineEdit* pAllowed_;
    QLabel* pAllowedNote_;
    QLabel* message_;
    // One field per result but the verdict (a label); in the order of ResultField.
    std::array<QLineEdit*, std::size(strength::kResultFields)> results_{};
    QLabel* verdict_;
};

}  // namespace quillon::ui
