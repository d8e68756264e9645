#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <memory>

class QAccessibleInterface;
class QMenu;
class QWidget;

namespace quillon::ui {
class DIN5480;
}

namespace quillon::ui::test {

class WindowDriver;

// Checks shared by both editions' windows.
void checkFocusOrder(const DIN5480& window, const QStringList& expected);
void checkAccessibleNames(const DIN5480& window);
// Renders the window and compares the colour at each point (window pixels) with the expected one.
struct ColourAt {
    const char* what;
    QPoint at;
    QColor colour;
};
void checkColours(DIN5480& window, const QList<ColourAt>& expected);

// The accessibility interface of a control, its press action, the menu shown now (or nullptr),
// and a menu entry chosen as a screen reader does: press the window's icon, then the entry.
QAccessibleInterface* accessible(QObject* object);
void press(QAccessibleInterface* control);
QMenu* shownMenu();
void chooseFromMenu(WindowDriver& w, const QString& entry);

class ToleranceWindowTest final : public QObject {
    Q_OBJECT

  public:
    ToleranceWindowTest();
    ~ToleranceWindowTest() override;

  private slots:
    void init();
    void cleanup();
    void startsWithTheDesignedState();
    void hasARoundedOutline();
    void drawsTheDesignedColours();
    void followsTheFocusOrder();
    void namesEveryControlForAssistiveTools();
    void calculatesTheWorkedExamples_data();
    void calculatesTheWorkedExamples();
    void rejectsInputsWithTheirMessages_data();
    void rejectsInputsWithTheirMessages();
    void reportButtonFollowsZAndD_data();
    void reportButtonFollowsZAndD();
    void resetsOnAnyMouseButtonButNotOnEnter();
    void resetsOnTheAccessiblePressAction();
    void proposesThePinDiameter();
    void runsTheDeviationCalculationAfterEveryCalculate();
    void writesTheReportThroughTheSaveDialog();
    void closeGlyphEndsAtOnceEvenWhileEditing();
    void titleStripDragsGlyphMinimises();
    void endsWithoutTheDatabase();

  private:
    std::unique_ptr<WindowDriver> driver_;
};

class LiteWindowTest final : public QObject {
    Q_OBJECT

  public:
    LiteWindowTest();
    ~LiteWindowTest() override;

  private slots:
    void init();
    void cleanup();
    void startsWithoutADatabase();
    void hasARoundedOutline();
    void drawsTheDesignedColours();
    void followsTheFocusOrder();
    void namesEveryControlForAssistiveTools();
    void appliesTheLiteRules_data();
    void appliesTheLiteRules();
    void writesTheProfileShiftAmountBeforeTheChecks();
    void proposesThePlainPinDiameter();
    void resetKeepsModuleClearanceHaAndPin();
    void keepsBothReportButtonsEnabled();
    void writesTheFileReport();
    void printsTheReport();
    void closeGlyphUnloadsTheWindow();

  private:
    std::unique_ptr<WindowDriver> driver_;
};

class DetailsWindowTest final : public QObject {
    Q_OBJECT

  public:
    DetailsWindowTest();
    ~DetailsWindowTest() override;

  private slots:
    void cleanup();
    void appliesADesignationThroughTheAccessibilityInterface();
    void appliesDesignationsInBothEditions_data();
    void appliesDesignationsInBothEditions();
    void offersBothSizesWhenTheDesignationGivesNoTeeth();
    void showsTheDrawingDataLiveAndCopiesIt();
    void followsTheMainWindowLive();
    void copiesTheReportHeadedByTheDesignation_data();
    void copiesTheReportHeadedByTheDesignation();
    void checksTheStrengthOfTheExample();
    void showsTheConnectionOfTheWorkedFit();
    void printsTheConnectionWithItsZoneDiagram();

  private:
    std::unique_ptr<WindowDriver> driver_;
};

class ProfilePageTest final : public QObject {
    Q_OBJECT

  public:
    ProfilePageTest();
    ~ProfilePageTest() override;

  private slots:
    void cleanup();
    void warnsAndExportsTheHubOfTheExample();
    void drawsAHelicalSplineWithoutMeasurements();
    void zoomsAboutThePointerAndFitsAgain();

  private:
    std::unique_ptr<WindowDriver> driver_;
};

class Gbt3478PageTest final : public QObject {
    Q_OBJECT

  public:
    Gbt3478PageTest();
    ~Gbt3478PageTest() override;

  private slots:
    void init();
    void cleanup();
    void showsTheWorkedShaftAndExportsIt();
    void refusesAFlatRootAt45Degrees();

  private:
    std::unique_ptr<WindowDriver> driver_;
    QWidget* window_ = nullptr;
};

class CommandLineWindowTest final : public QObject {
    Q_OBJECT

  private slots:
    void givesTheWindowsTextsAndReport();
};

}  // namespace quillon::ui::test
