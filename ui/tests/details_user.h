#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

class QComboBox;
class QLineEdit;
class QWidget;

namespace quillon::ui::test {

class RandomUser;

// The random user's hands on the details window "花键详情". It opens the pages from the window
// menu (its icon, Alt+Space or a right click; an entry by the keys or the mouse, or none), and
// works the page in front: designations good, bad and without z with a pick among the sizes; the
// strength inputs with any text, the lists and the table's empty cells; the data table's copy and
// its export; the profile's exports and zoom; the inspection values selected and copied. The save
// dialogs are answered like the report's, into the run's folder.
//
// After every action it checks what the pages show: every value a number or the page's "—"
// (never inf, nan or nothing), a value the page repeats from the main window as the main window
// has it, the strength messages without inf or nan, and every exported file read back as its kind.
class DetailsUser final {
  public:
    explicit DetailsUser(RandomUser& user);
    ~DetailsUser();
    DetailsUser(const DetailsUser&) = delete;
    DetailsUser& operator=(const DetailsUser&) = delete;

    void act();
    void check();

    // The details window once the menu has made it, else nullptr.
    QWidget* window() const;
    // The about box the menu opened, closed in one of the usual ways.
    void closeAboutBox(QWidget& box);
    void closeGbtWindow(const QString& how);

    QString describe() const;  // the strength inputs, for a fault's description
    QString summary() const;

  private:
    friend class RandomUser;

    void openFromMenu();
    void openMenu();
    void chooseMenuEntry();
    void clickTab();
    void closeWindow();
    void workPage(const QString& page);

    void workDesignation();
    void pickCandidate();
    void workStrength();
    void typeStrengthInput();
    void designThenLoad();
    void fillStrengthLoad();
    void pickFromList(QComboBox& list);
    void chooseNoTableValue();
    void workDrawingData();
    void workProfile();
    void workInspection();
    void clickButton(const char* name);
    void exportWith(const char* page, const char* button, const QString& suffix,
                    const QString& fileKind);

    QString designationText();
    QString strengthText(const QString& input);
    QString chooseExportFile(const QString& initialName, const QString& suffix,
                             const QString& fileKind);
    void typeInto(QLineEdit& editor, const QString& text);

    void checkFields();
    void checkMessages();
    void checkDrawingTable();
    void checkExportFile(const QString& path);
    void checkCopiedTable();

    template <typename T = QWidget>
    T* control(const char* name) const;

    RandomUser& user_;
    std::optional<QString> exportWritten_;  // the file an export wrote during this action
    bool tableCopied_ = false;
    QMap<QString, int> pagesOpened_;
    int exportsWritten_ = 0;
    int exportsCancelled_ = 0;
    int exportsRefused_ = 0;
    int designationsApplied_ = 0;
    int candidatesOffered_ = 0;
    int strengthResults_ = 0;
    int aboutBoxesClosed_ = 0;
};

}  // namespace quillon::ui::test
