#include "random_user.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "details_user.h"
#include "quillon/engine/field_text.h"
#include "quillon/engine/run_messages.h"
#include "quillon/report/report_messages.h"
#include "quillon/ui/din5480.h"

using namespace quillon::engine;

namespace quillon::ui::test {
namespace {

constexpr int kRecentActionsKept = 25;
constexpr int kTitleStripHeight = 22;  // the strip with the close and minimise glyphs

const QRegularExpression kNumberText(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
const QRegularExpression kWholeNumberText(QStringLiteral("^-?[0-9]*$"));

bool isResult(Field field) {
    switch (field) {
        case Field::d:
        case Field::da:
        case Field::df:
        case Field::db:
        case Field::ha:
        case Field::hf:
        case Field::h:
        case Field::W:
        case Field::M:
        case Field::xm:
            return true;
        default:
            return false;
    }
}

// A text as the log shows it: control characters escaped, long texts cut.
QString shown(const QString& text) {
    constexpr qsizetype kShownLength = 48;
    QString out;
    for (const QChar c : text.left(kShownLength)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.isSurrogate() ||
            c.category() == QChar::Other_Format || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph) {
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    if (text.size() > kShownLength) {
        out += QStringLiteral("…(%1 chars)").arg(text.size());
    }
    return u'"' + out + u'"';
}

bool typableOnAKeyboard(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
}

bool hasControlCharacters(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Format;
    });
}

// The name of a control as the log shows it: its own, or its class and its parent's.
QString nameOf(const QWidget* widget) {
    if (widget == nullptr) {
        return QStringLiteral("nothing");
    }
    if (!widget->objectName().isEmpty()) {
        return widget->objectName();
    }
    return QStringLiteral("%1 in %2")
        .arg(QString::fromLatin1(widget->metaObject()->className()),
             nameOf(widget->parentWidget()));
}

QLineEdit* editorOf(QWidget* control) {
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        return list->lineEdit();
    }
    return qobject_cast<QLineEdit*>(control);
}

}  // namespace

RandomUser::RandomUser(DIN5480& window, std::uint64_t seed, const QString& reportFolder)
    : window_(window),
      keyWindow_(&window),
      seed_(seed),
      random_(seed),
      folder_(reportFolder),
      refusedFileKind_(QString::fromUtf8(report::messages::kReportFile)) {
    for (const Field field : kAllFields) {
        QLineEdit* editor = window_.controls().field(field);
        if (editor == nullptr) {
            continue;
        }
        // A list's edit line belongs to the list.
        auto* list = qobject_cast<QComboBox*>(editor->parentWidget());
        controls_.insert(field, list != nullptr ? static_cast<QWidget*>(list) : editor);
        allFields_ << field;
        if (isResult(field)) {
            resultFields_ << field;
        }
        if (!editor->isReadOnly()) {
            editableFields_ << field;
        }
    }
    programMessages_ = {run_messages::kToothCountTooSmall, run_messages::kHelixAngleInvalid,
                        run_messages::kPressureAngleInvalidShaft,
                        run_messages::kPressureAngleInvalidHub,
                        run_messages::kProfileShiftOutsideDin5480};

    window_.setMessageSink([this](const QString& text) { messages_ << text; });
    window_.setSaveFileChooser(
        [this](const QString& initial) { return chooseReportFile(initial); });
    window_.setPrintDialog([this](QPrinter& printer) { return answerPrintDialog(printer); });
    boxWatcher_.setInterval(1);
    QObject::connect(&boxWatcher_, &QTimer::timeout, [this] { answerOpenDialog(); });

    window_.activateWindow();
    // Keys go to the focused window; without activation they still reach the window's focus.
    static_cast<void>(QTest::qWaitForWindowActive(&window_));
    details_ = std::make_unique<DetailsUser>(*this);
}

RandomUser::~RandomUser() {
    details_.reset();
    window_.setMessageSink({});
    window_.setSaveFileChooser({});
    window_.setPrintDialog({});
}

std::uint64_t RandomUser::below(std::uint64_t bound) {
    return bound == 0 ? 0 : random_() % bound;
}

bool RandomUser::chance(int percent) {
    return below(100) < static_cast<std::uint64_t>(percent);
}

std::optional<QString> RandomUser::run(int count) {
    for (int i = 0; i < count && !fault_; ++i) {
        actionNumber_ = i + 1;
        perform(nextAction());
    }
    return fault_;
}

RandomUser::Action RandomUser::nextAction() {
    const bool canPrint = window_.printer() != nullptr;
    struct Weighted {
        Action action;
        int weight;
    };
    const Weighted weights[] = {
        {Action::TypeText, 32},
        {Action::EditKeys, 10},
        {Action::PickEntry, 9},
        {Action::ListKeys, 4},
        {Action::ClickKind, 7},
        {Action::Calculate, 16},
        {Action::Reset, 6},
        {Action::WriteReport, 6},
        {Action::PrintReport, canPrint ? 2 : 0},
        {Action::TabAndPress, 5},
        {Action::ClickAnywhere, 3},
        {Action::FillForm, 8},
        {Action::Details, 30},
    };
    int total = 0;
    for (const Weighted& w : weights) {
        total += w.weight;
    }
    auto pick = static_cast<int>(below(static_cast<std::uint64_t>(total)));
    for (const Weighted& w : weights) {
        if (pick < w.weight) {
            return w.action;
        }
        pick -= w.weight;
    }
    return Action::Calculate;
}

void RandomUser::perform(Action action) {
    messagesBeforeAction_ = static_cast<int>(messages_.size());
    realMessageBoxes_ = chance(12);
    if (realMessageBoxes_) {
        window_.setMessageSink({});
        boxWatcherTicks_ = 0;
        boxWatcher_.start();
    }
    keyWindow_ = &window_;
    giveFocusBackToTheWindow();
    switch (action) {
        case Action::TypeText:
            typeText();
            break;
        case Action::EditKeys:
            editKeys();
            break;
        case Action::PickEntry:
            pickEntry();
            break;
        case Action::ListKeys:
            listKeys();
            break;
        case Action::ClickKind:
            clickKind();
            break;
        case Action::Calculate:
            calculate();
            break;
        case Action::Reset:
            reset();
            break;
        case Action::WriteReport:
            clickReportButton("cmd3");
            break;
        case Action::PrintReport:
            clickReportButton("cmd4");
            break;
        case Action::TabAndPress:
            tabAndPress();
            break;
        case Action::ClickAnywhere:
            clickAnywhere();
            break;
        case Action::FillForm:
            fillForm();
            break;
        case Action::Details:
            details_->act();
            break;
    }
    if (realMessageBoxes_) {
        boxWatcher_.stop();
        window_.setMessageSink([this](const QString& text) { messages_ << text; });
    }
    // Lets the windows repaint what changed: drawing odd texts is part of surviving them. A few
    // rounds, since what one round handles may post more: a field that loses the focus when the
    // other window is activated changes the main window, whose details window follows later.
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::processEvents();
    }
    checkAfterAction();
}

// --- the actions -------------------------------------------------------------------------------

void RandomUser::typeText() {
    // Now and then the user tries a field that takes no typing.
    const Field field = chance(90) ? oneOf(editableFields_) : oneOf(allFields_);
    QLineEdit* editor = editorOf(controls_.value(field));
    focusByClick(*editor);
    placeCursor(*editor);
    enterText(anyText(field));
}

void RandomUser::fillForm() {
    // A spline as an engineer enters it: several fields in a row, each with a usual value.
    QStringList entered;
    const auto count = 2 + below(6);
    for (std::uint64_t i = 0; i < count; ++i) {
        // Most begin with the number of teeth.
        const Field field = i == 0 && chance(70) ? Field::z : oneOf(editableFields_);
        QLineEdit* editor = editorOf(controls_.value(field));
        focusByClick(*editor);
        pressKey(Qt::Key_A, Qt::ControlModifier);
        const QString text = plausibleText(field);
        for (const QChar c : text) {
            QTest::keyClick(keyboardWindow(), c.toLatin1());
        }
        if (text.isEmpty()) {
            pressKey(Qt::Key_Delete);
        }
        entered << QStringLiteral("%1=%2").arg(controls_.value(field)->objectName(), text);
    }
    note(QStringLiteral("fill %1").arg(entered.join(u' ')));
}

void RandomUser::editKeys() {
    if (chance(80)) {
        focusByClick(*editorOf(controls_.value(oneOf(allFields_))));
    }
    struct Stroke {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    };
    static const QList<Stroke> strokes = {
        {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
        {Qt::Key_Delete, Qt::NoModifier, "Delete"},
        {Qt::Key_Left, Qt::NoModifier, "Left"},
        {Qt::Key_Right, Qt::NoModifier, "Right"},
        {Qt::Key_Home, Qt::NoModifier, "Home"},
        {Qt::Key_End, Qt::NoModifier, "End"},
        {Qt::Key_Left, Qt::ShiftModifier, "Shift+Left"},
        {Qt::Key_End, Qt::ShiftModifier, "Shift+End"},
        {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
        {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
        {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"},
        {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
        {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
        {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
        {Qt::Key_Insert, Qt::ShiftModifier, "Shift+Insert"},
        {Qt::Key_Backspace, Qt::ControlModifier, "Ctrl+Backspace"},
        {Qt::Key_Escape, Qt::NoModifier, "Escape"},
        {Qt::Key_Return, Qt::NoModifier, "Return"},
        {Qt::Key_Enter, Qt::KeypadModifier, "Enter"},
        {Qt::Key_Up, Qt::NoModifier, "Up"},
        {Qt::Key_Down, Qt::NoModifier, "Down"},
    };
    QStringList names;
    const auto count = 1 + below(6);
    for (std::uint64_t i = 0; i < count; ++i) {
        const Stroke& stroke = oneOf(strokes);
        names << QString::fromLatin1(stroke.name);
        pressKey(stroke.key, stroke.modifiers);
    }
    note(QStringLiteral("keys %1").arg(names.join(u' ')));
    closePopupIfOpen();
}

void RandomUser::pickEntry() {
    auto* list = qobject_cast<QComboBox*>(controls_.value(chance(60) ? Field::m : Field::cn));
    const auto way = below(3);
    if (way == 0) {
        // A click on the arrow at the right end of the list.
        QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(list->width() - 6, list->height() / 2));
    } else {
        focusByClick(*list->lineEdit());
        pressKey(way == 1 ? Qt::Key_F4 : Qt::Key_Down, way == 1 ? Qt::NoModifier : Qt::AltModifier);
    }
    QAbstractItemView* view = list->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }, 1000)) {
        fail(QStringLiteral("the drop-down of %1 did not open (way %2)")
                 .arg(list->objectName())
                 .arg(way));
        return;
    }
    QStringList names;
    const auto moves = below(5);
    for (std::uint64_t i = 0; i < moves; ++i) {
        static const QList<QPair<int, const char*>> keys = {
            {Qt::Key_Down, "Down"},     {Qt::Key_Up, "Up"},     {Qt::Key_PageDown, "PageDown"},
            {Qt::Key_PageUp, "PageUp"}, {Qt::Key_Home, "Home"}, {Qt::Key_End, "End"}};
        const auto& key = oneOf(keys);
        names << QString::fromLatin1(key.second);
        pressKey(key.first);
    }
    const auto ending = below(100);
    const int closingKey =
        ending < 70 ? Qt::Key_Return : (ending < 85 ? Qt::Key_Escape : Qt::Key_Enter);
    names << (ending < 70 ? "Return" : (ending < 85 ? "Escape" : "Enter"));
    pressKey(closingKey, closingKey == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    note(QStringLiteral("drop-down %1 (way %2): %3")
             .arg(list->objectName())
             .arg(way)
             .arg(names.join(u' ')));
    if (!waitForPopupClosed()) {
        fail(QStringLiteral("the drop-down of %1 stayed open").arg(list->objectName()));
    }
}

void RandomUser::listKeys() {
    auto* list = qobject_cast<QComboBox*>(controls_.value(chance(60) ? Field::m : Field::cn));
    focusByClick(*list->lineEdit());
    static const QList<QPair<int, const char*>> keys = {
        {Qt::Key_Down, "Down"},     {Qt::Key_Up, "Up"},     {Qt::Key_PageDown, "PageDown"},
        {Qt::Key_PageUp, "PageUp"}, {Qt::Key_Home, "Home"}, {Qt::Key_End, "End"}};
    QStringList names;
    const auto count = 1 + below(4);
    for (std::uint64_t i = 0; i < count; ++i) {
        const auto& key = oneOf(keys);
        names << QString::fromLatin1(key.second);
        pressKey(key.first);
    }
    note(QStringLiteral("list keys %1: %2").arg(list->objectName(), names.join(u' ')));
    closePopupIfOpen();
}

void RandomUser::clickKind() {
    const char* name = chance(50) ? "Option1" : "Option2";
    auto* option = window_.findChild<QRadioButton*>(QString::fromLatin1(name));
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    if (chance(20)) {
        // The arrow keys move the selection within the pair.
        const int key = chance(50) ? Qt::Key_Down : Qt::Key_Up;
        pressKey(key);
        note(QStringLiteral("click %1, arrow key").arg(QString::fromLatin1(name)));
    } else {
        note(QStringLiteral("click %1").arg(QString::fromLatin1(name)));
    }
}

void RandomUser::calculate() {
    auto* button = window_.findChild<QWidget*>(QStringLiteral("cmd1"));
    const QPoint inside(static_cast<int>(below(static_cast<std::uint64_t>(button->width()))),
                        static_cast<int>(below(static_cast<std::uint64_t>(button->height()))));
    const auto way = below(100);
    if (way < 80) {
        QTest::mouseClick(button, Qt::LeftButton, {}, inside);
        note(QStringLiteral("calculate (click)"));
    } else if (way < 90) {
        QTest::mouseDClick(button, Qt::LeftButton, {}, inside);
        note(QStringLiteral("calculate (double click)"));
    } else {
        // Pressed, then released away from the button: no click.
        QTest::mousePress(button, Qt::LeftButton, {}, inside);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-20, button->height() + 30));
        note(QStringLiteral("calculate (press, released outside)"));
    }
    if (static_cast<int>(messages_.size()) == messagesBeforeAction_ &&
        QString::fromStdString(window_.document().form().text(Field::d)) != QStringLiteral("0")) {
        ++calculationsWithResults_;
    }
}

void RandomUser::reset() {
    auto* button = window_.findChild<QWidget*>(QStringLiteral("cmd2"));
    static const QList<Qt::MouseButton> buttons = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                                   Qt::MiddleButton};
    const Qt::MouseButton pressed = oneOf(buttons);
    const QPoint inside(static_cast<int>(below(static_cast<std::uint64_t>(button->width()))),
                        static_cast<int>(below(static_cast<std::uint64_t>(button->height()))));
    QTest::mousePress(button, pressed, {}, inside);
    QTest::mouseRelease(button, pressed, {}, chance(80) ? inside : QPoint(button->width() + 40, 5));
    note(QStringLiteral("reset (button %1)").arg(static_cast<int>(pressed)));
}

void RandomUser::clickReportButton(const char* name) {
    auto* button = window_.findChild<QWidget*>(QString::fromLatin1(name));
    // Now and then the toolkit's own save dialog, answered by hand.
    const bool realSaveDialog = qstrcmp(name, "cmd3") == 0 && chance(15);
    if (realSaveDialog) {
        window_.setSaveFileChooser({});
        expectRealSaveDialog();
    }
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    if (realSaveDialog) {
        window_.setSaveFileChooser(
            [this](const QString& initial) { return chooseReportFile(initial); });
        doneWithRealSaveDialog();
    }
    note(QStringLiteral("click %1%2")
             .arg(QString::fromLatin1(name),
                  button->isEnabled() ? QString() : QStringLiteral(" (disabled)")));
}

void RandomUser::tabAndPress() {
    QStringList names;
    const auto count = 1 + below(8);
    for (std::uint64_t i = 0; i < count; ++i) {
        const bool back = chance(25);
        names << (back ? "Shift+Tab" : "Tab");
        pressKey(back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    }
    const QWidget* focused = QApplication::focusWidget();
    names << QStringLiteral("to %1").arg(nameOf(focused));
    if (chance(60)) {
        const bool space = chance(50);
        names << (space ? "Space" : "Return");
        pressKey(space ? Qt::Key_Space : Qt::Key_Return);
    }
    note(QStringLiteral("keys %1").arg(names.join(u' ')));
    closePopupIfOpen();
}

void RandomUser::clickAnywhere() {
    const QPoint at(static_cast<int>(below(static_cast<std::uint64_t>(window_.width()))),
                    kTitleStripHeight + static_cast<int>(below(static_cast<std::uint64_t>(
                                            window_.height() - kTitleStripHeight))));
    QWidget* target = window_.childAt(at);
    if (target == nullptr) {
        target = &window_;
    }
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window_, at));
    note(QStringLiteral("click at (%1, %2) on %3")
             .arg(at.x())
             .arg(at.y())
             .arg(target->objectName().isEmpty()
                      ? QString::fromLatin1(target->metaObject()->className())
                      : target->objectName()));
    closePopupIfOpen();
}

// --- how text gets into a field ----------------------------------------------------------------

void RandomUser::focusByClick(QWidget& target) {
    const QPoint at(2 + static_cast<int>(below(static_cast<std::uint64_t>(target.width() - 4))),
                    target.height() / 2);
    QTest::mouseClick(&target, Qt::LeftButton, {}, at);
}

void RandomUser::placeCursor(QLineEdit& editor) {
    const auto way = below(100);
    if (way < 40) {
        pressKey(Qt::Key_A, Qt::ControlModifier);
    } else if (way < 60) {
        // Where the click put it.
    } else if (way < 75) {
        pressKey(Qt::Key_End);
    } else if (way < 85) {
        pressKey(Qt::Key_Home);
    } else if (way < 95) {
        QTest::mouseDClick(&editor, Qt::LeftButton, {}, editor.rect().center());
    } else {
        pressKey(Qt::Key_A, Qt::ControlModifier);
        pressKey(Qt::Key_Backspace);
    }
}

void RandomUser::enterText(const QString& text) {
    QWidget* focused = QApplication::focusWidget();
    const QString where = nameOf(focused);
    if (typableOnAKeyboard(text) && text.size() <= 40 && chance(75)) {
        for (const QChar c : text) {
            QTest::keyClick(keyboardWindow(), c.toLatin1());
        }
        note(QStringLiteral("type into %1: %2").arg(where, shown(text)));
    } else if (!hasControlCharacters(text) && text.size() <= 200 && chance(50) &&
               focused != nullptr) {
        // What an input method commits: Chinese, full-width forms, any script. The system's input
        // method only serves a control that says it takes input (not a read-only field).
        QInputMethodQueryEvent query(Qt::ImEnabled);
        QCoreApplication::sendEvent(focused, &query);
        if (!query.value(Qt::ImEnabled).toBool()) {
            note(QStringLiteral("input method unavailable in %1").arg(where));
            return;
        }
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(focused, &commit);
        note(QStringLiteral("input method into %1: %2").arg(where, shown(text)));
    } else {
        QGuiApplication::clipboard()->setText(text);
        const bool shiftInsert = chance(20);
        pressKey(shiftInsert ? Qt::Key_Insert : Qt::Key_V,
                 shiftInsert ? Qt::ShiftModifier : Qt::ControlModifier);
        note(QStringLiteral("paste into %1: %2").arg(where, shown(text)));
    }
}

void RandomUser::pressKey(int key, Qt::KeyboardModifiers modifiers) {
    // Through the window system, as a keyboard does: the focused control (or the open drop-down)
    // receives it, after the shortcut handling and the event filters.
    QTest::keyClick(keyboardWindow(), static_cast<Qt::Key>(key), modifiers);
}

QWindow* RandomUser::keyboardWindow() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        return popup->windowHandle();
    }
    return keyWindow_->windowHandle();
}

void RandomUser::giveFocusBackToTheWindow() {
    // A window manager activates the window again when its drop-down or box closes; the offscreen
    // platform leaves the closed one active, so the test does what the window manager would.
    if (QApplication::activePopupWidget() == nullptr &&
        QApplication::activeModalWidget() == nullptr &&
        QGuiApplication::focusWindow() != keyWindow_->windowHandle()) {
        keyWindow_->activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(keyWindow_, 500));
    }
}

void RandomUser::closePopupIfOpen() {
    if (QApplication::activePopupWidget() == nullptr) {
        return;
    }
    pressKey(Qt::Key_Escape);
    if (!waitForPopupClosed()) {
        fail(QStringLiteral("a drop-down stayed open after Escape"));
    }
}

bool RandomUser::waitForPopupClosed() {
    const bool closed =
        QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 2000);
    giveFocusBackToTheWindow();
    return closed;
}

// --- texts -------------------------------------------------------------------------------------

QString RandomUser::anyText(Field field) {
    const auto kind = below(100);
    if (kind < 35) {
        return plausibleText(field);
    }
    if (kind < 55) {
        return numberLikeText();
    }
    if (kind < 63) {
        static const QString letters = QStringLiteral(
            "abcdefghijklmnopqrstuvwxyzABCDEFXYZ!@#$%^&*()_+-=[]{};':\",./<>?`~|\\ ");
        QString text;
        const auto length = 1 + below(16);
        for (std::uint64_t i = 0; i < length; ++i) {
            text +=
                letters[static_cast<qsizetype>(below(static_cast<std::uint64_t>(letters.size())))];
        }
        return text;
    }
    if (kind < 72) {
        static const QStringList scripts = {
            "齿数",        "模数",     "外花键",   "内花键",   "二十", "十二点五", "壹贰叁",
            "系统提示",    "20齿",     "齿20",     "１２．５", "２０", "١٢٣",      "½",
            "²",           "e\u0301",  "😀",        "𠀀𠀁",     "שלום", "ไทย",      "\u00a020",
            "\u300020",    "20\u200b", "\u202e02", "Ωμέγα",    "–5",   "−5",       "５e3",
            "花键DIN5480", "？",       "。",       "，"};
        QString text;
        const auto parts = 1 + below(3);
        for (std::uint64_t i = 0; i < parts; ++i) {
            text += oneOf(scripts);
        }
        return text;
    }
    if (kind < 79) {
        static const QStringList controls = {
            "\t", "\n", "\r", "\r\n",   QString(QChar(0)), "\x1b",   "\x07",  "\x7f",
            "\b", "\f", "\v", "\u2028", "\u2029",          "\u0085", "\ufeff"};
        static const QStringList around = {"", "20", "2", "0.1", "-", "1e", "齿", " "};
        return oneOf(around) + oneOf(controls) + oneOf(around) +
               (chance(30) ? oneOf(controls) : QString());
    }
    if (kind < 85) {
        return longText();
    }
    if (kind < 92) {
        return QString();
    }
    static const QStringList blanks = {" ", "   ", "\t", " 20 ", "  0.5", "1 2", "\t-1"};
    return oneOf(blanks);
}

QString RandomUser::plausibleText(Field field) {
    switch (field) {
        case Field::z:
            return chance(70) ? QString::number(4 + below(80))
                              : oneOf(QStringList{"3", "3.5", "2", "4", "100", "500"});
        case Field::m:
            if (chance(60)) {
                return QString::fromUtf8(window_.edition().moduleList[static_cast<std::size_t>(
                    below(window_.edition().moduleList.size()))]);
            }
            return oneOf(QStringList{"2", "1.5", "0.8", "12", "0.25", "0", "-2", "25"});
        case Field::alpha:
            return oneOf(QStringList{"30", "30", "37.5", "45", "20", "60", "0", "61", "-30"});
        case Field::haStar:
            return oneOf(QStringList{"0.45", "0.5", "0.3", "0.6", "0", "-0.45"});
        case Field::beta:
            return oneOf(QStringList{"0", "0", "5", "10", "15", "20", "30", "30.5", "-1", "89.9"});
        case Field::x:
            return oneOf(QStringList{"0", "0", "0.1", "0.2", "0.3", "-0.05", "-0.07", "0.07",
                                     "0.45", "0.47", "0.77", "0.879", "-0.879", "0.5", "-0.2"});
        case Field::cn:
            if (chance(70)) {
                return QString::fromUtf8(window_.edition().clearanceList[static_cast<std::size_t>(
                    below(window_.edition().clearanceList.size()))]);
            }
            return oneOf(QStringList{"0.12", "0", "1", "-0.1"});
        case Field::dp:
            return oneOf(QStringList{"3.5", "2.165", "1.8", "3.464", "4", "0", "10", "-3"});
        case Field::grade:
            return QString::number(3 + below(12));
        case Field::seriesLetter:
            return oneOf(QStringList{"H", "H", "f", "g", "h", "e", "d", "F", "D", "k", "X", "Hh"});
        default:
            return QString::number(below(1000));
    }
}

QString RandomUser::numberLikeText() {
    static const QStringList odd = {"inf",
                                    "-inf",
                                    "nan",
                                    "NaN",
                                    "1e309",
                                    "-1e309",
                                    "1e-400",
                                    "0x1A",
                                    "1,5",
                                    ".5",
                                    "5.",
                                    "-",
                                    ".",
                                    "+",
                                    "e5",
                                    "1e",
                                    "1e+",
                                    "--1",
                                    "+-1",
                                    "1.2.3",
                                    "1..2",
                                    "-0",
                                    "-0.0",
                                    "9999999999999999999999",
                                    "4.9e-324",
                                    "1.7976931348623157e308",
                                    "2.2250738585072014e-308",
                                    "-0.879000",
                                    "1d5",
                                    "1E5",
                                    "1e0x",
                                    "0.00000000000000001",
                                    "123456789012345678901234567890",
                                    "1e22",
                                    "-1e22",
                                    "1e15",
                                    "1e16",
                                    "1e300",
                                    "+20"};
    if (chance(40)) {
        return oneOf(odd);
    }
    QString text;
    if (chance(30)) {
        text += chance(70) ? u'-' : u'+';
    }
    const auto digits = below(20);
    for (std::uint64_t i = 0; i < digits; ++i) {
        text += QChar(u'0' + static_cast<char16_t>(below(10)));
    }
    if (chance(50)) {
        text += u'.';
        const auto decimals = below(12);
        for (std::uint64_t i = 0; i < decimals; ++i) {
            text += QChar(u'0' + static_cast<char16_t>(below(10)));
        }
    }
    if (chance(20)) {
        text += chance(50) ? u'e' : u'E';
        if (chance(50)) {
            text += chance(50) ? u'-' : u'+';
        }
        text += QString::number(below(420));
    }
    return text;
}

QString RandomUser::longText() {
    static const QStringList units = {"1", "9", "0",  "12.5", "齿",   "abc ",
                                      "-", " ", "0.", "e9",   "花键", "\t"};
    const auto length = 300 + below(6000);
    QString text;
    if (chance(30)) {
        text = chance(50) ? QStringLiteral("0.") : QStringLiteral("20");
    }
    const QString unit = oneOf(units);
    const bool mixed = chance(40);
    while (static_cast<std::uint64_t>(text.size()) < length) {
        text += mixed ? oneOf(units) : unit;
    }
    return text;
}

// --- dialogs -----------------------------------------------------------------------------------

void RandomUser::expectRealSaveDialog(std::optional<QString> exportSuffix) {
    exportDialogSuffix_ = std::move(exportSuffix);
    boxWatcherTicks_ = 0;
    boxWatcher_.start();
}

void RandomUser::doneWithRealSaveDialog() {
    exportDialogSuffix_.reset();
    if (!realMessageBoxes_) {
        boxWatcher_.stop();
    }
}

QString RandomUser::chooseReportFile(const QString& initialName) {
    const auto answer = below(100);
    const int number = actionNumber_;
    QString path;
    if (answer < 30) {
        ++reportsCancelled_;
        note(QStringLiteral("save dialog cancelled"));
        return {};
    }
    if (answer < 60) {
        path = QDir(folder_).filePath(QStringLiteral("report_%1.txt").arg(number));
    } else if (answer < 75) {
        path = QDir(folder_).filePath(QStringLiteral("计算报告 %1.txt").arg(number));
    } else if (answer < 88) {
        // Save pressed on the name offered: the last one chosen, or the default name.
        path =
            QFileInfo(initialName).isAbsolute() ? initialName : QDir(folder_).filePath(initialName);
        if (!QFileInfo(path).absoluteDir().exists() || QFileInfo(path).isDir()) {
            // The name chosen last time: a folder, or a name in a folder that does not exist.
            reportRefused_ = path;
            note(QStringLiteral("save dialog answered %1").arg(shown(path)));
            return path;
        }
    } else if (answer < 94) {
        path = QDir(folder_).filePath(QStringLiteral("missing/%1/report.txt").arg(number));
        reportRefused_ = path;
        note(QStringLiteral("save dialog answered %1").arg(shown(path)));
        return path;
    } else {
        reportRefused_ = folder_;
        note(QStringLiteral("save dialog answered the folder"));
        return folder_;
    }
    reportWritten_ = path;
    note(QStringLiteral("save dialog answered %1").arg(shown(QFileInfo(path).fileName())));
    return path;
}

bool RandomUser::answerPrintDialog(QPrinter& printer) {
    if (chance(50)) {
        ++printsCancelled_;
        note(QStringLiteral("print dialog cancelled"));
        return false;
    }
    const QString path =
        QDir(folder_).filePath(QStringLiteral("printed_%1.pdf").arg(actionNumber_));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printed_ = path;
    note(QStringLiteral("print dialog answered"));
    return true;
}

void RandomUser::answerOpenDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        return;
    }
    // Give the box a moment to appear, as a user's hand needs one; then answer it.
    if (++boxWatcherTicks_ < 2 || !modal->isVisible()) {
        return;
    }
    boxWatcherTicks_ = 0;
    if (answerPending_) {
        return;
    }
    // Answered from the event loop, not from inside this timer: the answer may open the next box
    // (the save dialog asks before replacing a file), and a timer does not fire again while its
    // own handler runs.
    answerPending_ = true;
    QTimer::singleShot(0, &boxWatcher_, [this, modal = QPointer<QWidget>(modal)] {
        answerPending_ = false;
        if (modal != nullptr && modal == QApplication::activeModalWidget()) {
            answer(*modal);
        }
    });
}

void RandomUser::answer(QWidget& modal) {
    if (auto* dialog = qobject_cast<QFileDialog*>(&modal)) {
        answerSaveDialog(*dialog);
        return;
    }
    if (modal.objectName() == QStringLiteral("aboutBox")) {
        details_->closeAboutBox(modal);
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(&modal);
    if (box == nullptr) {
        fail(QStringLiteral("an unexpected modal window: %1")
                 .arg(QString::fromLatin1(modal.metaObject()->className())));
        modal.close();
        return;
    }
    if (qobject_cast<QFileDialog*>(box->parentWidget()) != nullptr) {
        // The save dialog asks before it replaces a file: yes.
        note(QStringLiteral("save dialog: replace the file"));
        QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
        return;
    }
    messages_ << box->text();
    if (box->windowTitle() != QStringLiteral("系统提示") ||
        box->icon() != QMessageBox::Information || box->buttons().size() != 1) {
        fail(QStringLiteral("a message box that is not the program's: %1 / %2")
                 .arg(box->windowTitle(), box->text()));
    }
    ++realBoxesClosed_;
    switch (below(5)) {
        case 0:
            QTest::keyClick(box, Qt::Key_Return);
            break;
        case 1:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        case 2:
            QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case 3:
            QTest::mouseClick(box->buttons().constFirst(), Qt::LeftButton);
            break;
        default:
            box->close();  // the title bar's close button
            break;
    }
}

void RandomUser::answerSaveDialog(QFileDialog& dialog) {
    const auto answer = below(100);
    if (answer < 40) {
        ++(exportDialogSuffix_ ? details_->exportsCancelled_ : reportsCancelled_);
        note(QStringLiteral("real save dialog cancelled"));
        if (answer < 25) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else {
            dialog.reject();  // the Cancel button or the title bar's close button
        }
        return;
    }
    auto* nameField = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (nameField == nullptr) {
        fail(QStringLiteral("the save dialog has no file name field"));
        dialog.reject();
        return;
    }
    // A new name, or (then the dialog asks first) the one written last.
    const QString suffix = exportDialogSuffix_.value_or(QStringLiteral("txt"));
    QString& last = exportDialogSuffix_ ? lastDialogExport_ : lastDialogReport_;
    const QString path =
        answer < 80 || !last.endsWith(u'.' + suffix)
            ? QDir(folder_).filePath(QStringLiteral("dialog_%1.%2").arg(actionNumber_).arg(suffix))
            : last;
    nameField->setFocus();
    nameField->selectAll();
    QTest::keyClicks(nameField, path);
    if (QWidget* completions = QApplication::activePopupWidget()) {
        QTest::keyClick(completions, Qt::Key_Escape);
    }
    QTest::keyClick(nameField, Qt::Key_Return);
    last = path;
    if (exportDialogSuffix_) {
        details_->exportWritten_ = path;
    } else {
        reportWritten_ = path;
    }
    note(QStringLiteral("real save dialog answered %1").arg(shown(QFileInfo(path).fileName())));
}

// --- the rules ---------------------------------------------------------------------------------

void RandomUser::checkAfterAction() {
    if (!window_.isVisible() || window_.isMinimized()) {
        fail(QStringLiteral("the window is no longer shown"));
    }
    checkResultFields();
    checkNoOpenWindows();
    details_->check();

    const QStringList fresh = messages_.mid(messagesBeforeAction_);
    for (const QString& message : fresh) {
        const bool known = programMessages_.contains(message);
        ++messageCounts_[known ? message : QStringLiteral("报告文件…无法写入")];
        const bool namesRefusedFile =
            reportRefused_ && message.startsWith(report::messages::fileNotWritten(
                                  *reportRefused_, {}, refusedFileKind_));
        if (!known && !namesRefusedFile) {
            fail(QStringLiteral("an unexpected message: %1").arg(shown(message)));
        }
    }
    if (reportRefused_) {
        ++(refusedFileKind_ == QString::fromUtf8(report::messages::kReportFile)
               ? reportsRefused_
               : details_->exportsRefused_);
        if (fresh.isEmpty()) {
            fail(QStringLiteral("no message for a report that could not be written to %1")
                     .arg(shown(*reportRefused_)));
        }
    }
    if (reportWritten_) {
        ++reportsWritten_;
        checkReportFile(*reportWritten_);
    }
    if (printed_) {
        ++pagesPrinted_;
        checkPrintedFile(*printed_);
    }
    reportWritten_.reset();
    reportRefused_.reset();
    refusedFileKind_ = QString::fromUtf8(report::messages::kReportFile);
    printed_.reset();

    if (!kWholeNumberText.match(QString::fromStdString(window_.document().runState().k))
             .hasMatch()) {
        fail(QStringLiteral("k is %1").arg(
            shown(QString::fromStdString(window_.document().runState().k))));
    }
    if (!std::isfinite(window_.document().deviation().nearDeviation) ||
        !std::isfinite(window_.document().deviation().farDeviation)) {
        fail(QStringLiteral("a deviation is not a finite number"));
    }
}

void RandomUser::checkResultFields() {
    for (const Field field : resultFields_) {
        const std::string text = window_.document().form().text(field);
        const QString shownText = QString::fromStdString(text);
        if (!kNumberText.match(shownText).hasMatch() || !std::isfinite(readNumber(text))) {
            fail(QStringLiteral("result field %1 (%2) holds %3")
                     .arg(controls_.value(field)->objectName(),
                          QString::fromLatin1(fieldName(field).data(),
                                              static_cast<qsizetype>(fieldName(field).size())),
                          shown(shownText)));
        }
    }
}

void RandomUser::checkNoOpenWindows() {
    if (QApplication::activeModalWidget() != nullptr) {
        fail(QStringLiteral("a modal window is left open: %1")
                 .arg(QString::fromLatin1(
                     QApplication::activeModalWidget()->metaObject()->className())));
    }
    if (QApplication::activePopupWidget() != nullptr) {
        fail(QStringLiteral("a drop-down or menu is left open"));
    }
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        if (top != &window_ && top != details_->window() && top->isVisible() &&
            top->windowType() != Qt::ToolTip) {
            fail(QStringLiteral("another window is shown: %1 %2")
                     .arg(QString::fromLatin1(top->metaObject()->className()), top->windowTitle()));
        }
    }
}

void RandomUser::checkReportFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("the report %1 was not written").arg(shown(path)));
        return;
    }
    const QByteArray bytes = file.readAll();
    const qsizetype expectedLines = window_.edition().rules.hasTolerances() ? 24 : 22;
    // Every line ends with CR LF and nothing else breaks a line: a line break pasted into a field
    // reaches the report as a blank. Reports written with such fields are counted for the summary.
    qsizetype breaksInFields = 0;
    for (const Field field : allFields_) {
        const std::string text = window_.document().form().text(field);
        breaksInFields +=
            std::count(text.begin(), text.end(), '\r') + std::count(text.begin(), text.end(), '\n');
    }
    const qsizetype crLf = bytes.count("\r\n");
    const qsizetype loneCr = bytes.count('\r') - crLf;
    const qsizetype loneLf = bytes.count('\n') - crLf;
    if (!bytes.endsWith("\r\n") || crLf != expectedLines || loneCr != 0 || loneLf != 0) {
        fail(QStringLiteral("the report %1 is not %2 lines ended by CR LF (%3 CR LF, %4 lone CR, "
                            "%5 lone LF, %6 line breaks in the fields)")
                 .arg(shown(QFileInfo(path).fileName()))
                 .arg(expectedLines)
                 .arg(crLf)
                 .arg(loneCr)
                 .arg(loneLf)
                 .arg(breaksInFields));
        return;
    }
    if (breaksInFields > 0) {
        ++reportsWithBreaksInFields_;
    }
    QStringDecoder gbk("GBK");
    const QString text = gbk.decode(bytes);
    if (gbk.hasError()) {
        fail(QStringLiteral("the report %1 does not read back as GBK").arg(shown(path)));
    } else if (!text.startsWith(QStringLiteral("DIN"))) {
        fail(QStringLiteral("the report %1 begins with %2").arg(shown(path), shown(text.left(20))));
    }
}

void RandomUser::checkPrintedFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.read(5).startsWith("%PDF-") || file.size() < 500) {
        fail(QStringLiteral("the printed report %1 is not a PDF file").arg(shown(path)));
        return;
    }
    file.close();
    file.remove();
}

void RandomUser::note(const QString& what) {
    static const bool trace = qEnvironmentVariableIsSet("QUILLON_ROBUSTNESS_TRACE");
    if (trace) {
        std::fprintf(stderr, "#%d %s\n", actionNumber_, qPrintable(what));
    }
    recentActions_.push_back(QStringLiteral("#%1%2 %3")
                                 .arg(actionNumber_)
                                 .arg(realMessageBoxes_ ? QStringLiteral(" [boxes]") : QString())
                                 .arg(what));
    ++actionCounts_[what.section(u' ', 0, 0)];
    while (recentActions_.size() > kRecentActionsKept) {
        recentActions_.pop_front();
    }
}

void RandomUser::fail(const QString& what) {
    if (fault_) {
        return;
    }
    QString text = QStringLiteral("seed %1, action %2: %3\nthe last actions:")
                       .arg(seed_)
                       .arg(actionNumber_)
                       .arg(what);
    for (const QString& action : recentActions_) {
        text += QStringLiteral("\n  ") + action;
    }
    text += details_->describe();
    text += u"\nfields:";
    for (const Field field : allFields_) {
        text += QStringLiteral("\n  %1 = %2")
                    .arg(controls_.value(field)->objectName(),
                         shown(QString::fromStdString(window_.document().form().text(field))));
    }
    fault_ = text;
}

QString RandomUser::summary() const {
    QStringList actions;
    for (auto it = actionCounts_.begin(); it != actionCounts_.end(); ++it) {
        actions << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    }
    QStringList messages;
    for (auto it = messageCounts_.begin(); it != messageCounts_.end(); ++it) {
        messages << QStringLiteral("%1 ×%2").arg(shown(it.key().left(40))).arg(it.value());
    }
    return QStringLiteral(
               "actions by first word: %1\nmessages: %2\nreports written %3, cancelled %4, "
               "refused %5 (with line breaks from the fields %10); printed %6, print cancelled %7; "
               "real message boxes closed %8; "
               "calculations without a message and with a diameter %9")
               .arg(actions.join(QStringLiteral(", ")), messages.join(QStringLiteral(", ")))
               .arg(reportsWritten_)
               .arg(reportsCancelled_)
               .arg(reportsRefused_)
               .arg(pagesPrinted_)
               .arg(printsCancelled_)
               .arg(realBoxesClosed_)
               .arg(calculationsWithResults_)
               .arg(reportsWithBreaksInFields_) +
           details_->summary();
}

}  // namespace quillon::ui::test
