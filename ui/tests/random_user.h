#pragma once

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <random>

#include "quillon/engine/field.h"

class QComboBox;
class QFileDialog;
class QLineEdit;
class QMessageBox;
class QPrinter;
class QWidget;
class QWindow;

namespace quillon::ui {
class DIN5480;
}

namespace quillon::ui::test {

class DetailsUser;

// A user who works a window at random, from a seed: types any text into the fields (by keys, by
// an input method, by pasting), edits with the keyboard, picks list entries, switches the kind,
// calculates, resets, and writes and prints reports into a folder with the dialogs answered or
// cancelled. Now and then the program's message boxes are real modal boxes the user closes in one
// of the usual ways. After every action it checks what must hold whatever the user did: the window
// is shown, every result field holds a number text, no box, dialog or drop-down is left open, each
// message is one the program has, and every report written reads back as GBK lines ended by CR LF
// with no other line break. Part of the actions go to the details window (see DetailsUser).
class RandomUser final {
  public:
    RandomUser(DIN5480& window, std::uint64_t seed, const QString& reportFolder);
    ~RandomUser();
    RandomUser(const RandomUser&) = delete;
    RandomUser& operator=(const RandomUser&) = delete;

    // Performs `count` actions. Returns a description of the first broken rule (with the actions
    // that led to it), or nothing.
    std::optional<QString> run(int count);

    // What the run did: actions by kind, messages by text, reports and prints.
    QString summary() const;

  private:
    enum class Action {
        TypeText,
        EditKeys,
        PickEntry,
        ListKeys,
        ClickKind,
        Calculate,
        Reset,
        WriteReport,
        PrintReport,
        TabAndPress,
        ClickAnywhere,
        FillForm,
        Details,
    };

    // Random choices; the generator's raw output keeps a seed's run the same on every library.
    std::uint64_t below(std::uint64_t bound);
    bool chance(int percent);
    template <typename T>
    const T& oneOf(const QList<T>& items) {
        return items[static_cast<qsizetype>(below(static_cast<std::uint64_t>(items.size())))];
    }

    Action nextAction();
    void perform(Action action);
    void typeText();
    void fillForm();
    void editKeys();
    void pickEntry();
    void listKeys();
    void clickKind();
    void calculate();
    void reset();
    void clickReportButton(const char* name);
    void tabAndPress();
    void clickAnywhere();

    // The text a user might enter into a field, and the ways it gets there.
    QString anyText(engine::Field field);
    QString plausibleText(engine::Field field);
    QString numberLikeText();
    QString longText();
    void enterText(const QString& text);
    void placeCursor(QLineEdit& editor);
    void focusByClick(QWidget& target);
    void pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    QWindow* keyboardWindow();
    void giveFocusBackToTheWindow();
    void closePopupIfOpen();
    bool waitForPopupClosed();

    // The dialogs the window opens, answered at random.
    QString chooseReportFile(const QString& initialName);
    bool answerPrintDialog(QPrinter& printer);
    void answerOpenDialog();
    void answer(QWidget& modal);
    void answerSaveDialog(QFileDialog& dialog);

    // A real save dialog is about to open; `exportSuffix` names the export it is for (none: the
    // report). Answered by the box watcher until doneWithRealSaveDialog().
    void expectRealSaveDialog(std::optional<QString> exportSuffix = std::nullopt);
    void doneWithRealSaveDialog();

    // The rules checked after every action; the first broken one is kept in fault_.
    void checkAfterAction();
    void checkResultFields();
    void checkNoOpenWindows();
    void checkReportFile(const QString& path);
    void checkPrintedFile(const QString& path);
    void fail(const QString& what);
    void note(const QString& what);

    friend class DetailsUser;

    DIN5480& window_;
    QWidget* keyWindow_;  // the window the keyboard types into: the main one or the details one
    std::uint64_t seed_;
    std::mt19937_64 random_;
    QString folder_;
    QList<engine::Field>
        allFields_;  // in the window's order: a seed must choose the same every run
    QList<engine::Field> editableFields_;
    QList<engine::Field> resultFields_;
    QHash<engine::Field, QWidget*> controls_;
    QStringList programMessages_;

    // What a dialog answered during the current action, checked once the action is over.
    std::optional<QString> reportWritten_;
    std::optional<QString> reportRefused_;  // a name that cannot be written: a message is due
    QString refusedFileKind_;               // what the message calls the file (报告文件, ...)
    std::optional<QString> exportDialogSuffix_;  // the real save dialog is for an export
    QString lastDialogExport_;
    std::optional<QString> printed_;
    QString lastDialogReport_;
    int messagesBeforeAction_ = 0;
    bool realMessageBoxes_ = false;
    QTimer boxWatcher_;
    int boxWatcherTicks_ = 0;
    bool answerPending_ = false;

    std::deque<QString> recentActions_;
    int actionNumber_ = 0;
    std::optional<QString> fault_;

    QStringList messages_;
    QMap<QString, int> messageCounts_;
    QMap<QString, int> actionCounts_;
    int reportsWritten_ = 0;
    int reportsCancelled_ = 0;
    int reportsRefused_ = 0;
    int reportsWithBreaksInFields_ = 0;
    int pagesPrinted_ = 0;
    int printsCancelled_ = 0;
    int realBoxesClosed_ = 0;
    int calculationsWithResults_ = 0;

    std::unique_ptr<DetailsUser> details_;  // last: it uses the rest while it lives
};

}  // namespace quillon::ui::test
