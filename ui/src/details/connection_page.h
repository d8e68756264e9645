#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "details_rows.h"
#include "quillon/document/connection.h"
#include "quillon/document/measured_size.h"

class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTableWidget;

namespace quillon::document {
class SplineDocument;
}

namespace quillon::ui {

class ZoneDiagramView;

// The page "配合" (edition with tolerances): the spline in the main window and its mate in the fit
// typed here, both parts' limits and the clearances as a table and as a zone diagram, and the
// check of a measured W or M of the window's own part, and the connection's report printed with
// its zone diagram. The fit follows the window's class until the user types one.
class ConnectionPage final : public QWidget {
  public:
    using MessageSink = PageMessageSink;
    // `showMessage` tells the user when the export cannot be written (the main window's box).
    ConnectionPage(const document::SplineDocument& document, MessageSink showMessage,
                   QWidget* parent = nullptr);
    ~ConnectionPage() override;

    void refresh();

    // The export's save dialog: returns the chosen file name, or an empty text on cancel. Tests
    // replace it; the default is the toolkit's save dialog titled "导出公差带图".
    using SaveFileChooser = PageSaveFileChooser;
    void setSaveFileChooser(SaveFileChooser chooser) { chooser_ = std::move(chooser); }
    // The print dialog: true to print. Tests replace it; the default is the toolkit's.
    using PrintDialogRunner = PagePrintDialog;
    void setPrintDialog(PrintDialogRunner runner) { printDialog_ = std::move(runner); }

  private:
    QWidget* makeMeasurementRows();
    void calculate();
    void showConnection();
    void showMeasurement();
    QString measurementLine(document::MeasuredQuantity quantity, const QString& text,
                            bool& within) const;
    void copy();
    void exportSvg();
    void print();

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
    QPushButton* print_;
    bool fitTyped_ = false;  // the user's fit stays; else the fit follows the window's class
    std::optional<document::Connection> connection_;
    SaveFileChooser chooser_;
    PrintDialogRunner printDialog_;
    std::unique_ptr<QPrinter> printer_;  // made on first print and kept, with the user's choices
    QString lastFolder_;
};

}  // namespace quillon::ui
