#pragma once

#include <QWidget>
#include <functional>

#include "quillon/engine/designation.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillon::document {
class SplineDocument;
}

namespace quillon::ui {

// The DIN 5480 designation of the spline in the main window, and a field where a designation from
// a drawing is typed and applied to the main window.
class DesignationPage final : public QWidget {
  public:
    // `apply` writes a designation into the main window and calculates.
    using Apply = std::function<void(const engine::SplineDesignation&)>;
    DesignationPage(const document::SplineDocument& document, Apply apply,
                    QWidget* parent = nullptr);

    void refresh();
    // Applies the typed designation, or says in the status what was not understood.
    void apply();

  private:
    void setStatus(const QString& text);

    const document::SplineDocument& document_;
    Apply apply_;
    QLineEdit* designation_;
    QLabel* reason_;
    QLineEdit* input_;
    QPushButton* applyButton_;
    QLabel* status_;
};

}  // namespace quillon::ui
