#pragma once

#include <QWidget>

class QTabWidget;

namespace quillon::ui {

class ConnectionPage;
class DIN5480;
class DesignationPage;
class DrawingDataPage;
class InspectionPage;
class ProfilePage;
class StrengthPage;

// The companion window "花键详情" of one main window: a tab per page, each showing the main
// window's current state. Made on first use from the window menu; a child window of the main
// window, so it closes with the program.
//
// A page is a widget with refresh(); to add one, create it in the constructor, insert it into
// the tabs and call its refresh() in refresh().
class SplineDetailsWindow final : public QWidget {
  public:
    explicit SplineDetailsWindow(DIN5480& window);

    void showProfilePage();
    void showInspectionPage();
    void showDesignationPage();
    void showDrawingDataPage();
    void showStrengthPage();
    // The edition with tolerances only; the lite edition has no fits.
    void showConnectionPage();

    const StrengthPage& strengthPage() const { return *strength_; }

    // Call on every change of the main window; the pages follow once the current event is done,
    // so that a calculation writing many fields refreshes them once.
    void mainWindowChanged();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showPage(QWidget* page);
    void growTo(QSize wanted);
    void refresh();

    DIN5480& window_;
    QTabWidget* tabs_;
    ProfilePage* profile_;
    InspectionPage* inspection_;
    DesignationPage* designation_;
    DrawingDataPage* drawingData_;
    StrengthPage* strength_;
    ConnectionPage* connection_ = nullptr;
    bool refreshPending_ = false;
    bool placed_ = false;
};

}  // namespace quillon::ui
