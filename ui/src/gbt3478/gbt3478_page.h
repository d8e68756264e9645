#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "details_rows.h"
#include "quillon/document/gbt_spline.h"

class QComboBox;
class QFormLayout;
class QGraphicsScene;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace quillon::ui {

class ProfileView;

// The page of one GB/T 3478.1 spline: its inputs, the designation read and written, what the
// calculation says, the results as a table (copied as tab-separated lines, exported with the
// tooth profile as DXF) and the tooth drawn with its root. Every edit calculates anew, through
// the spline holder the command line reads too, so both show the same numbers.
class Gbt3478Page final : public QWidget {
  public:
    // `showMessage` tells the user when the export cannot be written; `creator` (program and
    // version) heads the exported drawing.
    Gbt3478Page(PageMessageSink showMessage, std::string creator, QWidget* parent = nullptr);

    void refresh();
    // Applies the typed designation to the inputs, or says in the status what was not understood.
    void applyDesignation();

    // The export's save dialog: returns the chosen file name, or an empty text on cancel. Tests
    // replace it; the default is the toolkit's save dialog titled "导出齿形".
    void setSaveFileChooser(PageSaveFileChooser chooser) { chooser_ = std::move(chooser); }

  private:
    void addInputs(QFormLayout& rows);
    QComboBox* addList(QFormLayout& rows, const char* name, const QString& caption);
    QLineEdit* addField(QFormLayout& rows, const char* name, const QString& caption);
    void nameRoots();
    void fillFitLetters();
    gbt3478::SplineKind kind() const;
    void writeTexts();
    void readTexts();
    void showStatus(const QStringList& problems, const QStringList& plain);
    const gbt3478::SplineResult* result() const;
    void showTable();
    void showDrawing();
    void copy();
    void exportDxf();

    PageMessageSink showMessage_;
    std::string creator_;
    QComboBox* kind_;
    QLineEdit* z_;
    QComboBox* module_;
    QComboBox* angle_;
    QComboBox* root_;
    QComboBox* class_;
    QComboBox* fit_;
    QLineEdit* length_;
    QLineEdit* pin_;
    QLineEdit* designation_;
    QLabel* status_;
    QTableWidget* table_;
    QGraphicsScene* scene_;
    ProfileView* view_;
    QPushButton* copy_;
    QPushButton* exportDxf_;
    document::GbtSpline spline_;
    document::GbtRun run_;
    geometry::DrawingTable data_;  // as the table shows it
    bool settingInputs_ = false;   // while a designation writes the inputs: one refresh after
    PageSaveFileChooser chooser_;
    QString lastFolder_;
};

}  // namespace quillon::ui
