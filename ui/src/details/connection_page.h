#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "details_rows.h"
#include "quillon/document/connection.h"
#include "quillon/document/measured_size.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace quillon::document {
class SplineDocument;
}

namespace quillon::ui {

class ZoneDiagramView;

// The page "配合" (edition with tolerances): the spline in the main window and its mate in the fit
// typed here, both parts' limits and the clearances as a table and as a zone diagram, and the
// check of a measured W or M of the window's own part. The fit follows the window's class until
// the user types one.
class ConnectionPage final : public QWidget {
  public:
    using MessageSink = PageMessageSink;
    // `showMessage` tells the user when the export cannot be written (the main window's box).
    ConnectionPage(const document::SplineDocument& document, MessageSink showMessage,
                   QWidget* parent = nullptr);

    void refresh();

    // The export's save dialog: returns the chosen file name, or an empty text on cancel. Tests
    // replace it; the default is the toolkit's save dialog titled "导出公差带图".
    using SaveFileChooser = PageSaveFileChooser;
    void setSaveFileChooser(SaveFileChooser chooser) { chooser_ = std::move(chooser); }

  private:
    QWidget* makeMeasurementRows();
    void calculate();
    void showConnection();
    void showMeasurement();
    QString measurementLine(document::MeasuredQuantity quantity, const QString& text,
                            bool& within) const;
    void copy();
    void exportSvg();

    const document::SplineDocument& document_;
    MessageSink showMessage_;
    QLineEdit* fit_;
    QLabel* status_;
    QTableWidget* table_;
    ZoneDiagramView* zones_;
    QLineEdit* measuredW_;
    QLineEdit* measuredM_;
    QLabel* measurementResult_;
    QPushButton* copy_;
    QPushButton* exportSvg_;
    bool fitTyped_ = false;  // the user's fit stays; else the fit follows the window's class
    std::optional<document::Connection> connection_;
    SaveFileChooser chooser_;
    QString lastFolder_;
};

}  // namespace quillon::ui
