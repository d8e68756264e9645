#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "window_profile.h"

class QGraphicsScene;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillon::ui {

class DIN5480;
class ProfileView;

// The page "齿形": the drawing of the spline in the main window with its measurements, what the
// geometry says about them, and the export of the contour as DXF or SVG.
class ProfilePage final : public QWidget {
  public:
    explicit ProfilePage(DIN5480& window, QWidget* parent = nullptr);

    void refresh();

    // The export's save dialog: returns the chosen file name, or an empty text on cancel. Tests
    // replace it; the default is the toolkit's save dialog titled "导出齿形".
    using SaveFileChooser =
        std::function<QString(const QString& initialName, const QString& filter)>;
    void setSaveFileChooser(SaveFileChooser chooser) { chooser_ = std::move(chooser); }

  private:
    enum class Format { Dxf, Svg };
    void exportDrawing(Format format);

    DIN5480& window_;
    QGraphicsScene* scene_;
    ProfileView* view_;
    QLabel* warnings_;
    QLineEdit* midFlankPin_;
    QPushButton* exportDxf_;
    QPushButton* exportSvg_;
    WindowProfile profile_;
    SaveFileChooser chooser_;
    QString lastFolder_;
};

}  // namespace quillon::ui
