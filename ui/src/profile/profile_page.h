#pragma once

#include <QString>
#include <QWidget>

#include "details_rows.h"

#include "quillon/document/profile_drawing.h"
#include "quillon/document/spline_profile.h"

class QGraphicsScene;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillon::document {
class SplineDocument;
}

namespace quillon::ui {

class ProfileView;

// The page "齿形": the drawing of the spline in the main window with its measurements, what the
// geometry says about them, and the export of the contour as DXF or SVG.
class ProfilePage final : public QWidget {
  public:
    using MessageSink = PageMessageSink;
    // `showMessage` tells the user when an export cannot be written (the main window's box).
    ProfilePage(const document::SplineDocument& document, MessageSink showMessage,
                QWidget* parent = nullptr);

    void refresh();

    // The export's save dialog: returns the chosen file name, or an empty text on cancel. Tests
    // replace it; the default is the toolkit's save dialog titled "导出齿形".
    using SaveFileChooser = PageSaveFileChooser;
    void setSaveFileChooser(SaveFileChooser chooser) { chooser_ = std::move(chooser); }

  private:
    void exportDrawing(document::DrawingFormat format);

    const document::SplineDocument& document_;
    MessageSink showMessage_;
    QGraphicsScene* scene_;
    ProfileView* view_;
    QLabel* warnings_;
    QLineEdit* midFlankPin_;
    QPushButton* exportDxf_;
    QPushButton* exportSvg_;
    document::SplineProfile profile_;
    SaveFileChooser chooser_;
    QString lastFolder_;
};

}  // namespace quillon::ui
