#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "quillon/document/spline_document.h"
#include "quillon/engine/designation.h"
#include "quillon/engine/form.h"
#include "quillon/ui/window_controls.h"
#include "quillon/ui/window_edition.h"

class QPrinter;

namespace quillon::ui {

class WindowMenu;

// The calculator's one window. It is the data store of the program (the Form of the calculation):
// every input and result is the text of one of its fields, and every write into a field — by the
// user or by a calculation — is an ordinary change the window reacts to. It owns the spline's
// document, bound to itself as its form, and calculates through it. Both programs use this class;
// the WindowEdition gives the controls (a layout table) and the few behaviour differences.
//
// Life cycle: construct (builds the controls), startUp() (sizes and shapes the window, fills the
// lists, opens the tolerance database, proposes the pin diameter), then show().
//
// The controls are reached by role through controls(). What the window does when one of them is
// used is tied together in connectReactions(); the window's own events (its self-drawn frame)
// arrive in eventFilter().
class DIN5480 final : public QWidget, private engine::Form {
    Q_OBJECT

  public:
    explicit DIN5480(const WindowEdition& edition, QWidget* parent = nullptr);
    ~DIN5480() override;

    // The start-up sequence. Returns false when the program has to end without showing the window
    // (the tolerance database beside the program is missing or unusable; the user has been told).
    bool startUp(const std::filesystem::path& programDirectory);

    const WindowEdition& edition() const { return edition_; }
    const WindowControls& controls() const { return controls_; }

    // The spline: the fields as the calculation sees them, the run state, the deviations.
    document::SplineDocument& document() { return document_; }
    const document::SplineDocument& document() const { return document_; }

    // Every message of the program goes through here: a modal box titled "系统提示" with the
    // information icon and an OK button. A sink, when set, receives the text instead (tests).
    void showMessage(const QString& text);
    void setMessageSink(std::function<void(const QString&)> sink) {
        messageSink_ = std::move(sink);
    }

    // The report's save dialog: returns the chosen file name, or an empty text on cancel. Tests
    // replace it; the default is the toolkit's save dialog titled "计算报告输出".
    using SaveFileChooser = std::function<QString(const QString& initialName)>;
    void setSaveFileChooser(SaveFileChooser chooser) { saveFileChooser_ = std::move(chooser); }
    // The printed report's dialog (lite edition): true to print on the given printer.
    using PrintDialogRunner = std::function<bool(QPrinter& printer)>;
    void setPrintDialog(PrintDialogRunner runner) { printDialog_ = std::move(runner); }
    // The printer of the lite edition's printed report, made on first use (loading the print
    // system costs start-up time) and kept; nullptr in the tolerance edition.
    QPrinter* printer() const;

    // Writes a DIN 5480 designation into the fields as a user would, then calculates as
    // "更新数据" does; or, writing nothing, says why the document refuses it (see
    // SplineDocument::applyDesignation).
    std::optional<std::string> applyDesignation(const engine::SplineDesignation& designation);

    // The window menu (its icon, a right click on a free area, Alt+Space), made on first use.
    WindowMenu& windowMenu();
    void openWindowMenu(QPoint globalPosition);

  signals:
    // A field, the kind or, after a calculation, k and the deviations changed.
    void stateChanged();

  public slots:
    void calculate();    // cmd1 "更新数据"
    void clear();        // cmd2 "清除数据" on a mouse press; also the calculation's clearing
    void writeReport();  // cmd3: the file report
    void printReport();  // cmd4 (lite edition): the printed report

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // Form: the fields by quantity, the kind options and the message box.
    std::string text(engine::Field field) const override;
    void setText(engine::Field field, const std::string& text) override;
    std::optional<engine::SplineKind> selectedKind() const override;
    void selectKind(engine::SplineKind kind) override;
    void showMessage(const std::string& message) override;

    void connectReactions();
    bool titleStripEvent(QEvent& event);
    void openWindowMenuBelowIcon();

    const WindowEdition& edition_;
    WindowControls controls_;
    std::optional<QPoint> manualDragOffset_;  // while the title strip drags without the system
    bool minimisePressed_ = false;
    document::SplineDocument document_;
    mutable std::unique_ptr<QPrinter> printer_;  // made on first use, see printer()
    std::function<void(const QString&)> messageSink_;
    SaveFileChooser saveFileChooser_;
    PrintDialogRunner printDialog_;
    QString reportFileName_ = QStringLiteral("reporter.txt");
    WindowMenu* windowMenu_ = nullptr;  // made on first use
};

}  // namespace quillon::ui
