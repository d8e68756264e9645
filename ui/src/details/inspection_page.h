#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace quillon::document {
class SplineDocument;
}

namespace quillon::ui {

// The inspection dimensions of the spline in the main window: k, W, dp and M, and in the tolerance
// edition the tolerance, the limits of W and M exactly as the report writes them, and the table
// values they come from. A value that cannot be shown yet reads "—".
class InspectionPage final : public QWidget {
  public:
    explicit InspectionPage(const document::SplineDocument& document, QWidget* parent = nullptr);

    void refresh();

  private:
    const document::SplineDocument& document_;
    QLineEdit* k_;
    QLineEdit* w_;
    QLineEdit* dp_;
    QLineEdit* m_;
    QLabel* warnings_;
    // Tolerance edition only; the lite edition has none of them.
    QLineEdit* tolerance_ = nullptr;
    QLineEdit* wLimits_ = nullptr;
    QLineEdit* mLimits_ = nullptr;
    QLineEdit* mLimitsExact_ = nullptr;
    QLineEdit* seriesDeviation_ = nullptr;
    QLineEdit* totalTolerance_ = nullptr;
    QLineEdit* actualTolerance_ = nullptr;
    QLineEdit* row_ = nullptr;
};

}  // namespace quillon::ui
