#pragma once

#include <QString>
#include <QWidget>

#include "details_rows.h"

class QPushButton;
class QTableWidget;

namespace quillon::document {
class SplineDocument;
}

namespace quillon::ui {

// The page "参数表": the spline's data table for the drawing (see document::drawingData), copied
// to the clipboard as tab-separated lines or exported as a CSV file.
class DrawingDataPage final : public QWidget {
  public:
    using MessageSink = PageMessageSink;
    // `showMessage` tells the user when the export cannot be written (the main window's box).
    DrawingDataPage(const document::SplineDocument& document, MessageSink showMessage,
                    QWidget* parent = nullptr);

    void refresh();

    // The export's save dialog: returns the chosen file name, or an empty text on cancel. Tests
    // replace it; the default is the toolkit's save dialog titled "导出参数表".
    using SaveFileChooser = PageSaveFileChooser;
    void setSaveFileChooser(SaveFileChooser chooser) { chooser_ = std::move(chooser); }

  private:
    void copy();
    void exportCsv();

    const document::SplineDocument& document_;
    MessageSink showMessage_;
    QTableWidget* table_;
    SaveFileChooser chooser_;
    QString lastFolder_;
};

}  // namespace quillon::ui
