#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillon::ui {

class DIN5480;

// The DIN 5480 designation of the spline in the main window, and a field where a designation from
// a drawing is typed and applied to the main window.
class DesignationPage final : public QWidget {
  public:
    explicit DesignationPage(DIN5480& window, QWidget* parent = nullptr);

    void refresh();
    // Applies the typed designation, or says in the status what was not understood.
    void apply();

  private:
    void setStatus(const QString& text);

    DIN5480& window_;
    QLineEdit* designation_;
    QLabel* reason_;
    QLineEdit* input_;
    QPushButton* apply_;
    QLabel* status_;
};

}  // namespace quillon::ui
