#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "quillon/engine/designation.h"

class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quillon::document {
class SplineDocument;
}

namespace quillon::ui {

// The DIN 5480 designation of the spline in the main window with what sets it apart from the
// standard sizes, and a field where a designation from a drawing is typed and applied to the main
// window. A designation without z ("W 40 x 2") gives z from the standard sizes; where two fit,
// the page lists both for the user to pick.
class DesignationPage final : public QWidget {
  public:
    // `apply` writes a designation into the main window and calculates.
    // Applies a designation; says why when the document refuses it.
    using Apply = std::function<std::optional<std::string>(const engine::SplineDesignation&)>;
    DesignationPage(const document::SplineDocument& document, Apply apply,
                    QWidget* parent = nullptr);

    void refresh();
    // Applies the typed designation, or says in the status what was not understood.
    void apply();
    // Applies the size picked from the candidates.
    void applyCandidate();

  private:
    // Applies `designation`; `how` follows the status (which z was chosen, say).
    void applyDesignation(engine::SplineDesignation designation, const QString& how);
    void showCandidates(std::vector<engine::SplineDesignation> candidates);
    void setStatus(const QString& text);

    const document::SplineDocument& document_;
    Apply apply_;
    QFormLayout* rows_;
    QLineEdit* designation_;
    QLabel* reason_;
    QLabel* notes_;
    QLineEdit* input_;
    QPushButton* applyButton_;
    QLabel* status_;
    QListWidget* candidateList_;
    QPushButton* applyCandidateButton_;
    QWidget* candidateRow_;
    std::vector<engine::SplineDesignation> candidates_;
};

}  // namespace quillon::ui
