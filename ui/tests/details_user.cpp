#include "details_user.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <iterator>

#include "drawing_data_page.h"
#include "profile_page.h"
#include "quillon/strength/strength_tables.h"
#include "quillon/ui/din5480.h"
#include "random_user.h"

using namespace quillon::engine;

namespace quillon::ui::test {
namespace {

const QString kNotShown = QStringLiteral("—");
const QRegularExpression kNumber(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
// inf or nan as a word of its own, in any case: a number that overflowed, or none at all.
const QRegularExpression kNotANumber(QStringLiteral("(?<![A-Za-z])(inf|nan)(?![A-Za-z])"),
                                     QRegularExpression::CaseInsensitiveOption);
// What a strength message quotes of the user's own typing.
const QRegularExpression kQuoted(QStringLiteral("“[^”]*”"));

// The strength page's inputs, in the page's order.
const QStringList kStrengthInputs = {
    "strengthTorque",  "strengthPower",     "strengthSpeed",        "strengthLength",
    "strengthKA",      "strengthLoadShare", "strengthChamferShaft", "strengthChamferHub",
    "strengthAllowed", "strengthBore",      "strengthYield",        "strengthSafetyMin"};

// Designations of splines the program calculates ("×" reaches the field by pasting).
const QStringList kGoodDesignations = {"DIN 5480 - W 120 x 3 x 30 x 38 x 8f",
                                       "W 40 x 2 x 30 x 18",
                                       "N 40 x 2 x 30 x 19 x 9H",
                                       "w 120 × 3 × 30 × 38",
                                       "N 50x2x30x24",
                                       "W 10 x 0,8 x 30 x 11 x 7h",
                                       "W 65 x 2 x 30",
                                       "DIN 5480 - N 120 x 3 x 30 x 38 x 9H",
                                       "W 17 x 1.25 x 30 x 12",
                                       "W 45 x 2 x 30 x 21 x 7f"};

// Values the pages show as a number or "—"; the strength page's results are numbers too.
const QStringList kNumberFields = {"inspK", "inspW",  "inspM",   "inspA",
                                   "inspT", "inspTE", "inspRow", "profileMidFlankPin"};

// Values the inspection page repeats from the main window's inputs.
const QMap<QString, QList<Field>> kRepeatedFields = {
    {"inspDp", {Field::dp}}, {"inspTolerance", {Field::grade, Field::seriesLetter}}};

// Rows of the data table (by their symbol) that repeat a field of the main window as it stands.
const QMap<QString, Field> kRepeatedRows = {
    {"z", Field::z}, {"m", Field::m}, {"α", Field::alpha}, {"DM", Field::dp}};
// Rows that hold a number the page works out, bare or followed by its limits in brackets.
const QStringList kNumberRows = {"dB", "x", "x·m", "d", "db", "da", "df", "k", "W", "M"};

QString quoted(const QString& text) {
    constexpr qsizetype kShownLength = 60;
    return u'"' + text.left(kShownLength) +
           (text.size() > kShownLength ? QStringLiteral("…\"") : QStringLiteral("\""));
}

bool insidePage(const QWidget* widget, const char* page) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (widget->objectName() == QLatin1String(page)) {
            return true;
        }
    }
    return false;
}

QLineEdit* editorOf(QWidget* control) {
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        return list->lineEdit();
    }
    return qobject_cast<QLineEdit*>(control);
}

void setExportChooser(QWidget* page, PageSaveFileChooser chooser) {
    if (auto* profile = dynamic_cast<ProfilePage*>(page)) {
        profile->setSaveFileChooser(std::move(chooser));
    } else if (auto* table = dynamic_cast<DrawingDataPage*>(page)) {
        table->setSaveFileChooser(std::move(chooser));
    }
}

}  // namespace

DetailsUser::DetailsUser(RandomUser& user) : user_(user) {}

DetailsUser::~DetailsUser() {
    if (QWidget* details = window()) {
        for (const char* page : {"profilePage", "drawingDataPage"}) {
            setExportChooser(details->findChild<QWidget*>(QLatin1String(page)), {});
        }
    }
}

QWidget* DetailsUser::window() const {
    return user_.window_.findChild<QWidget*>(QStringLiteral("splineDetails"),
                                             Qt::FindDirectChildrenOnly);
}

template <typename T>
T* DetailsUser::control(const char* name) const {
    QWidget* details = window();
    T* found = details != nullptr ? details->findChild<T*>(QLatin1String(name)) : nullptr;
    if (found == nullptr) {
        qFatal("the details window has no %s of the expected kind", name);
    }
    return found;
}

// --- the actions -------------------------------------------------------------------------------

void DetailsUser::act() {
    QWidget* details = window();
    const auto way = user_.below(100);
    if (details == nullptr || !details->isVisible() || way < 15) {
        openFromMenu();
        return;
    }
    user_.keyWindow_ = details;
    user_.giveFocusBackToTheWindow();
    if (way < 22) {
        clickTab();
    } else if (way < 24) {
        closeWindow();
    } else {
        workPage(control<QTabWidget>("detailTabs")->currentWidget()->objectName());
    }
}

void DetailsUser::openFromMenu() {
    openMenu();
    if (qobject_cast<QMenu*>(QApplication::activePopupWidget()) == nullptr) {
        user_.fail(QStringLiteral("the window menu did not open"));
        return;
    }
    chooseMenuEntry();
    if (QWidget* details = window(); details != nullptr && details->isVisible()) {
        user_.keyWindow_ = details;
        user_.giveFocusBackToTheWindow();
    }
}

void DetailsUser::openMenu() {
    DIN5480& main = user_.window_;
    const auto way = user_.below(100);
    if (way < 25) {
        user_.pressKey(Qt::Key_Space, Qt::AltModifier);
        user_.note(QStringLiteral("menu by Alt+Space"));
    } else if (way < 45) {
        // A right click on the window's background.
        for (int attempt = 0; attempt < 30; ++attempt) {
            const QPoint at(static_cast<int>(user_.below(static_cast<std::uint64_t>(main.width()))),
                            30 + static_cast<int>(user_.below(
                                     static_cast<std::uint64_t>(std::max(1, main.height() - 30)))));
            if (main.childAt(at) == nullptr) {
                QTest::mouseClick(&main, Qt::RightButton, {}, at);
                user_.note(
                    QStringLiteral("menu by right click at (%1, %2)").arg(at.x()).arg(at.y()));
                break;
            }
        }
    }
    if (QApplication::activePopupWidget() == nullptr) {
        auto* icon = main.findChild<QWidget*>(QStringLiteral("Image2"));
        QTest::mouseClick(icon, Qt::LeftButton, {}, icon->rect().center());
        user_.note(QStringLiteral("menu by the icon"));
    }
    static_cast<void>(QTest::qWaitFor(
        [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; }, 1000));
}

void DetailsUser::chooseMenuEntry() {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QList<QAction*> entries;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            entries << action;
        }
    }
    // The pages first, then "copy the results", then "about".
    const auto pick = user_.below(100);
    const qsizetype pages = entries.size() - 2;
    qsizetype index = static_cast<qsizetype>(user_.below(static_cast<std::uint64_t>(pages)));
    if (pick < 6) {
        user_.pressKey(Qt::Key_Escape);
        user_.note(QStringLiteral("menu closed by Escape"));
        if (!user_.waitForPopupClosed()) {
            user_.fail(QStringLiteral("the window menu stayed open after Escape"));
        }
        return;
    }
    if (pick < 14) {
        index = pages;
    } else if (pick < 17) {
        index = pages + 1;
    }
    const bool byKeys = user_.chance(50);
    if (byKeys) {
        for (qsizetype i = 0; i <= index; ++i) {
            user_.pressKey(Qt::Key_Down);
        }
        user_.pressKey(Qt::Key_Return);
    } else {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entries[index]).center());
    }
    if (!user_.waitForPopupClosed()) {
        user_.fail(QStringLiteral("the window menu stayed open after entry %1").arg(index));
        return;
    }
    const QString how = byKeys ? QStringLiteral("keys") : QStringLiteral("mouse");
    if (entries[index]->text() == QStringLiteral("GB/T 3478.1 花键…")) {
        closeGbtWindow(how);  // a window of its own, not a page of the details window
        return;
    }
    if (index == pages) {
        const QString copied = QGuiApplication::clipboard()->text();
        user_.note(QStringLiteral("menu copy results (%1)").arg(how));
        if (copied.isEmpty()) {
            user_.fail(QStringLiteral("copy results put %1 on the clipboard").arg(quoted(copied)));
        }
        return;
    }
    if (index == pages + 1) {
        user_.note(QStringLiteral("menu about (%1)").arg(how));
        if (QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 500)) {
            QWidget* box = QApplication::activeModalWidget();
            if (box->objectName() != QStringLiteral("aboutBox")) {
                user_.fail(QStringLiteral("the about entry opened %1").arg(box->objectName()));
                box->close();
            } else {
                closeAboutBox(*box);
            }
        }
        return;
    }
    const QString page = control<QTabWidget>("detailTabs")->currentWidget()->objectName();
    ++pagesOpened_[page];
    user_.note(QStringLiteral("menu page %1 (%2)").arg(page, how));
}

void DetailsUser::closeGbtWindow(const QString& how) {
    user_.note(QStringLiteral("menu GB/T 3478.1 window (%1)").arg(how));
    QWidget* gbt = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QStringLiteral("gbt3478Window") && top->isVisible()) {
            gbt = top;
        }
    }
    if (gbt == nullptr) {
        user_.fail(QStringLiteral("the GB/T 3478.1 entry showed no window"));
        return;
    }
    gbt->close();
}

void DetailsUser::closeAboutBox(QWidget& box) {
    ++aboutBoxesClosed_;
    switch (user_.below(3)) {
        case 0:
            QTest::keyClick(&box, Qt::Key_Return);
            break;
        case 1:
            QTest::keyClick(&box, Qt::Key_Escape);
            break;
        default:
            box.close();
            break;
    }
    if (!QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 1000)) {
        user_.fail(QStringLiteral("the about box stayed open"));
    }
}

void DetailsUser::clickTab() {
    QTabBar* bar = control<QTabWidget>("detailTabs")->tabBar();
    const int tab = static_cast<int>(user_.below(static_cast<std::uint64_t>(bar->count())));
    if (user_.chance(70)) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
        user_.note(QStringLiteral("tab %1").arg(tab));
    } else {
        user_.pressKey(Qt::Key_Tab, Qt::ControlModifier);
        user_.note(QStringLiteral("tab by Ctrl+Tab"));
    }
}

void DetailsUser::closeWindow() {
    window()->close();  // the title bar's close button
    user_.keyWindow_ = &user_.window_;
    user_.note(QStringLiteral("details closed"));
}

void DetailsUser::workPage(const QString& page) {
    if (page == QStringLiteral("designationPage")) {
        workDesignation();
    } else if (page == QStringLiteral("strengthPage")) {
        workStrength();
    } else if (page == QStringLiteral("drawingDataPage")) {
        workDrawingData();
    } else if (page == QStringLiteral("profilePage")) {
        workProfile();
    } else {
        workInspection();
    }
    user_.closePopupIfOpen();
}

void DetailsUser::typeInto(QLineEdit& editor, const QString& text) {
    user_.focusByClick(editor);
    user_.placeCursor(editor);
    user_.enterText(text);
}

void DetailsUser::clickButton(const char* name) {
    auto* button = control(name);
    if (button != nullptr) {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        user_.note(QStringLiteral("click %1%2")
                       .arg(QLatin1String(name),
                            button->isEnabled() ? QString() : QStringLiteral(" (disabled)")));
    }
}

// --- the designation page ----------------------------------------------------------------------

void DetailsUser::workDesignation() {
    auto* list = control<QListWidget>("designationCandidates");
    if (list->isVisibleTo(window()) && list->count() > 0 && user_.chance(60)) {
        pickCandidate();
        return;
    }
    typeInto(*control<QLineEdit>("designationInput"), designationText());
    const auto way = user_.below(100);
    if (way < 50) {
        user_.pressKey(Qt::Key_Return);
        user_.note(QStringLiteral("designation applied by Return"));
    } else if (way < 90) {
        clickButton("applyDesignation");
    }
    if (list->isVisibleTo(window())) {
        ++candidatesOffered_;
    }
}

void DetailsUser::pickCandidate() {
    auto* list = control<QListWidget>("designationCandidates");
    const int row = static_cast<int>(user_.below(static_cast<std::uint64_t>(list->count())));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    if (user_.chance(60)) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    } else {
        user_.focusByClick(*list);
        user_.pressKey(user_.chance(50) ? Qt::Key_Down : Qt::Key_Up);
    }
    const auto way = user_.below(100);
    if (way < 60) {
        clickButton("applyCandidate");
    } else if (way < 80) {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        user_.note(QStringLiteral("candidate %1 double-clicked").arg(row));
    } else {
        user_.pressKey(Qt::Key_Return);
        user_.note(QStringLiteral("candidate %1, Return").arg(row));
    }
    ++designationsApplied_;
}

QString DetailsUser::designationText() {
    static const QStringList withoutTeeth = {"W 40 x 2",
                                             "N 40x2x30",
                                             "W 120 x 3",
                                             "W 10 x 0,8 x 30",
                                             "N 45 x 2 7H",
                                             "W 25 x 1.25",
                                             "DIN 5480 - W 40 x 2 x 30 x 8f",
                                             "W 30 x 0.6"};
    static const QStringList bad = {"",
                                    "DIN 5480",
                                    "W",
                                    "W 0 x 0",
                                    "W 40 x 0",
                                    "W -40 x 2",
                                    "W 1e308 x 2 x 30 x 10",
                                    "W 40 x 1e-400",
                                    "W 40 x 2 x 30 x 1e9",
                                    "W 1e300 x 1e-300",
                                    "W 1.7976931348623157e308 x 1.7976931348623157e308",
                                    "N 40 x 2 x 30 x 18 x 13Z",
                                    "W 40 x 2 x 45 x 18",
                                    "W 40 x 2 x 30 x 18.5",
                                    "W 40 x 2 x 30 x 0",
                                    "X 40 x 2",
                                    "W 40 x 2 x 30 x 18 x 9h x 1",
                                    "W 0.0004 x 0.0004",
                                    "W 9999999999 x 1",
                                    "W 40 x 2 x 30 x 2147483648",
                                    "W 40 x 2 x 30 x 18 x 4h",
                                    "W 40 x 2 x 30 x 18 x 99h",
                                    "W inf x nan",
                                    "W 2 x 1",
                                    "W 40 x 0.0005",
                                    "W 100000 x 0.0005"};
    const auto kind = user_.below(100);
    if (kind < 20) {
        return user_.oneOf(kGoodDesignations);
    }
    if (kind < 40) {
        // A size from z and m, its dB rounded to whole millimetres as the tables have it.
        const double m = user_.oneOf(QList<double>{0.5, 0.8, 1, 1.25, 2, 3, 5, 8});
        const auto z = 6 + user_.below(70);
        const double dB = std::round(m * static_cast<double>(z) + 1.1 * m);
        const QString teeth = user_.chance(30) ? QString() : QStringLiteral(" x 30 x %1").arg(z);
        return QStringLiteral("%1 %2 x %3%4")
            .arg(user_.chance(60) ? QStringLiteral("W") : QStringLiteral("N"))
            .arg(dB)
            .arg(m)
            .arg(teeth);
    }
    if (kind < 55) {
        return user_.oneOf(withoutTeeth);
    }
    if (kind < 80) {
        return user_.oneOf(bad);
    }
    if (kind < 90) {
        return QStringLiteral("W %1 x %2").arg(user_.numberLikeText(), user_.numberLikeText());
    }
    return user_.anyText(Field::z);
}

// --- the strength page -------------------------------------------------------------------------

void DetailsUser::workStrength() {
    const auto way = user_.below(100);
    if (way < 12) {
        designThenLoad();
    } else if (way < 45) {
        typeStrengthInput();
    } else if (way < 60) {
        fillStrengthLoad();
    } else if (way < 75) {
        const char* lists[] = {"strengthJoint", "strengthConditions", "strengthKA"};
        pickFromList(*control<QComboBox>(lists[user_.below(std::size(lists))]));
    } else if (way < 83) {
        auto* hardened = control<QCheckBox>("strengthHardened");
        if (user_.chance(70)) {
            QTest::mouseClick(hardened, Qt::LeftButton, {}, QPoint(6, hardened->height() / 2));
        } else {
            hardened->setFocus(Qt::TabFocusReason);
            user_.pressKey(Qt::Key_Space);
        }
        user_.note(QStringLiteral("strength hardened %1").arg(hardened->isChecked()));
    } else if (way < 93) {
        chooseNoTableValue();
    } else {
        // Keys in an input: undo, deletion, the arrows (which step a list).
        const QString name = user_.oneOf(kStrengthInputs);
        user_.focusByClick(*editorOf(control(qPrintable(name))));
        static const QList<QPair<int, Qt::KeyboardModifiers>> keys = {
            {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Backspace, Qt::NoModifier},
            {Qt::Key_Delete, Qt::NoModifier}, {Qt::Key_Up, Qt::NoModifier},
            {Qt::Key_Down, Qt::NoModifier},   {Qt::Key_V, Qt::ControlModifier},
            {Qt::Key_Y, Qt::ControlModifier}, {Qt::Key_Return, Qt::NoModifier}};
        const auto count = 1 + user_.below(5);
        for (std::uint64_t i = 0; i < count; ++i) {
            const auto& key = user_.oneOf(keys);
            user_.pressKey(key.first, key.second);
        }
        user_.note(QStringLiteral("strength keys in %1").arg(name));
    }
}

// What an engineer does first: the spline from its designation, then the load on it.
void DetailsUser::designThenLoad() {
    auto* tabs = control<QTabWidget>("detailTabs");
    QTabBar* bar = tabs->tabBar();
    const auto clickTabOf = [this, tabs, bar](const char* page) {
        const int index = tabs->indexOf(control(page));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    };
    clickTabOf("designationPage");
    QLineEdit* input = control<QLineEdit>("designationInput");
    const QString designation = user_.oneOf(kGoodDesignations);
    user_.focusByClick(*input);
    user_.pressKey(Qt::Key_A, Qt::ControlModifier);
    user_.enterText(designation);
    user_.pressKey(Qt::Key_Return);
    clickTabOf("strengthPage");
    fillStrengthLoad();
}

void DetailsUser::typeStrengthInput() {
    const QString name = user_.oneOf(kStrengthInputs);
    QLineEdit* editor = editorOf(control(qPrintable(name)));
    typeInto(*editor, strengthText(name));
}

// A load as an engineer enters it: a torque, or a power and a speed, and an engaged length.
void DetailsUser::fillStrengthLoad() {
    QStringList entered;
    const auto set = [this, &entered](const char* name, const QString& text) {
        QLineEdit* editor = editorOf(control(name));
        user_.focusByClick(*editor);
        user_.pressKey(Qt::Key_A, Qt::ControlModifier);
        user_.pressKey(Qt::Key_Delete);
        QTest::keyClicks(editor, text);
        entered << QStringLiteral("%1=%2").arg(QLatin1String(name), text);
    };
    if (user_.chance(70)) {
        set("strengthTorque", user_.oneOf(QStringList{"100", "250", "500", "1200", "30", "5000"}));
        set("strengthPower", {});
        set("strengthSpeed", {});
    } else {
        set("strengthTorque", {});
        set("strengthPower", user_.oneOf(QStringList{"7.5", "15", "75", "200"}));
        set("strengthSpeed", user_.oneOf(QStringList{"960", "1450", "2900", "300"}));
    }
    set("strengthLength", user_.oneOf(QStringList{"20", "30", "45", "60", "12.5"}));
    if (user_.chance(40)) {
        set("strengthYield", user_.oneOf(QStringList{"", "355", "600", "800"}));
    }
    if (user_.chance(60)) {
        // The rest as the page offers it, or near that.
        set("strengthKA", user_.oneOf(QStringList{"1", "1.25", "1.5"}));
        set("strengthLoadShare", user_.oneOf(QStringList{"0.75", "0.75", "0.5", "1"}));
        set("strengthChamferShaft", user_.oneOf(QStringList{"0", "0", "0.2"}));
        set("strengthChamferHub", user_.oneOf(QStringList{"0", "0", "0.2"}));
        set("strengthAllowed", user_.oneOf(QStringList{"", "", "120"}));
        set("strengthBore", user_.oneOf(QStringList{"0", "0", "5"}));
        set("strengthSafetyMin", QStringLiteral("1.5"));
    }
    user_.note(QStringLiteral("strength load %1").arg(entered.join(u' ')));
}

void DetailsUser::pickFromList(QComboBox& list) {
    const auto way = user_.below(3);
    if (way == 0) {
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(list.width() - 6, list.height() / 2));
    } else {
        user_.focusByClick(list.isEditable() ? static_cast<QWidget&>(*list.lineEdit())
                                             : static_cast<QWidget&>(list));
        if (QApplication::activePopupWidget() == nullptr) {
            user_.pressKey(way == 1 ? Qt::Key_F4 : Qt::Key_Down,
                           way == 1 ? Qt::NoModifier : Qt::AltModifier);
        }
    }
    if (!QTest::qWaitFor([&list] { return list.view()->isVisible(); }, 1000)) {
        user_.fail(QStringLiteral("the drop-down of %1 did not open (way %2)")
                       .arg(list.objectName())
                       .arg(way));
        return;
    }
    const auto moves = user_.below(5);
    for (std::uint64_t i = 0; i < moves; ++i) {
        user_.pressKey(
            user_.oneOf(QList<int>{Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home}));
    }
    const bool escape = user_.chance(20);
    user_.pressKey(escape ? Qt::Key_Escape : Qt::Key_Return);
    user_.note(QStringLiteral("strength list %1 (way %2, %3 moves, %4): %5")
                   .arg(list.objectName())
                   .arg(way)
                   .arg(moves)
                   .arg(escape ? QStringLiteral("Escape") : QStringLiteral("Return"),
                        quoted(list.currentText())));
    if (!user_.waitForPopupClosed()) {
        user_.fail(QStringLiteral("the drop-down of %1 stayed open").arg(list.objectName()));
    }
}

// Unhardened flanks sliding under load: the table has "—", so [p] must be typed or is missing.
void DetailsUser::chooseNoTableValue() {
    auto* joint = control<QComboBox>("strengthJoint");
    user_.focusByClick(*joint);
    if (QApplication::activePopupWidget() != nullptr) {
        user_.pressKey(Qt::Key_Escape);
        static_cast<void>(user_.waitForPopupClosed());
    }
    const auto slidingLoaded =
        std::distance(std::begin(strength::kJoints),
                      std::find(std::begin(strength::kJoints), std::end(strength::kJoints),
                                strength::Joint::SlidingLoaded));
    joint->setFocus(Qt::TabFocusReason);
    user_.pressKey(Qt::Key_Home);
    for (std::ptrdiff_t i = 0; i < slidingLoaded; ++i) {
        user_.pressKey(Qt::Key_Down);
    }
    auto* hardened = control<QCheckBox>("strengthHardened");
    if (hardened->isChecked()) {
        QTest::mouseClick(hardened, Qt::LeftButton, {}, QPoint(6, hardened->height() / 2));
    }
    const QString allowed =
        user_.oneOf(QStringList{"", "", "8", "12.5", "0", "-5", "1e308", "abc"});
    QLineEdit* pAllowed = control<QLineEdit>("strengthAllowed");
    user_.focusByClick(*pAllowed);
    user_.pressKey(Qt::Key_A, Qt::ControlModifier);
    user_.pressKey(Qt::Key_Delete);
    QTest::keyClicks(pAllowed, allowed);
    user_.note(QStringLiteral("strength no table value: joint %1, hardened %2, [p] %3")
                   .arg(joint->currentIndex())
                   .arg(hardened->isChecked())
                   .arg(quoted(allowed)));
}

QString DetailsUser::strengthText(const QString& input) {
    static const QMap<QString, QStringList> plausible = {
        {"strengthTorque", {"100", "500", "2000", "0.5", "1e5", "", "0"}},
        {"strengthPower", {"", "7.5", "75", "0.37", "1000"}},
        {"strengthSpeed", {"", "1450", "2900", "1", "100000"}},
        {"strengthLength", {"20", "30", "45", "0.1", "500", ""}},
        {"strengthKA", {"1", "1.25", "1.5", "2.8", "0", "", "3"}},
        {"strengthLoadShare", {"0.75", "0.5", "1", "0.9", "0.4", "1.1", ""}},
        {"strengthChamferShaft", {"0", "0.2", "0.5", "1", "3", "10", ""}},
        {"strengthChamferHub", {"0", "0.2", "0.5", "1", "3", "10", ""}},
        {"strengthAllowed", {"", "100", "250", "0", "5"}},
        {"strengthBore", {"0", "10", "20", "30", "100", ""}},
        {"strengthYield", {"", "355", "600", "1"}},
        {"strengthSafetyMin", {"1.5", "1", "2", "0", "", "100"}},
    };
    static const QStringList absurd = {"1e308",
                                       "-1e308",
                                       "1.7976931348623157e308",
                                       "-1.7976931348623157e308",
                                       "1e307",
                                       "-0",
                                       "-0.0",
                                       "+0",
                                       "1e-400",
                                       "-1e-400",
                                       "4.9e-324",
                                       "2.2250738585072014e-308",
                                       "1e-300",
                                       "1e300",
                                       "1e999",
                                       "inf",
                                       "-inf",
                                       "nan",
                                       "0x10",
                                       "12abc",
                                       "1,5",
                                       "一百",
                                       "１００",
                                       "  ",
                                       "+-1",
                                       "--5",
                                       "1e",
                                       ".",
                                       "1.2.3",
                                       " 20 ",
                                       "\t30\t",
                                       "20\n"};
    const auto kind = user_.below(100);
    if (kind < 45) {
        return user_.oneOf(plausible.value(input));
    }
    if (kind < 70) {
        return user_.oneOf(absurd);
    }
    if (kind < 75) {
        // Huge: hundreds of digits, whole or after the point.
        const QString digits(static_cast<qsizetype>(300 + user_.below(400)), u'9');
        return user_.chance(50) ? digits : QStringLiteral("0.") + digits;
    }
    if (kind < 90) {
        return user_.numberLikeText();
    }
    return user_.anyText(Field::z);
}

// --- the data table, the profile and the inspection values -------------------------------------

void DetailsUser::workDrawingData() {
    const auto way = user_.below(100);
    if (way < 35) {
        clickButton("copyDrawingData");
        tableCopied_ = true;
    } else if (way < 80) {
        exportWith("drawingDataPage", "exportDrawingDataCsv", QStringLiteral("csv"),
                   QStringLiteral("参数表文件"));
    } else {
        // Cells selected with the mouse and copied with the keys.
        auto* table = control<QTableWidget>("drawingDataTable");
        if (table->rowCount() == 0) {
            return;
        }
        const auto cell = [this, table] {
            const int row =
                static_cast<int>(user_.below(static_cast<std::uint64_t>(table->rowCount())));
            const int column = static_cast<int>(user_.below(3));
            return table->visualRect(table->model()->index(row, column)).center();
        };
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell());
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ShiftModifier, cell());
        user_.pressKey(Qt::Key_C, Qt::ControlModifier);
        user_.note(QStringLiteral("table cells copied"));
    }
}

void DetailsUser::workProfile() {
    const auto way = user_.below(100);
    if (way < 35) {
        exportWith("profilePage", "exportDxf", QStringLiteral("dxf"), QStringLiteral("齿形文件"));
    } else if (way < 70) {
        exportWith("profilePage", "exportSvg", QStringLiteral("svg"), QStringLiteral("齿形文件"));
    } else if (way < 80) {
        clickButton("fitView");
    } else {
        // The wheel zooms about the pointer, a drag pans.
        QWidget* area = control<QAbstractScrollArea>("profileView")->viewport();
        const QPoint at(static_cast<int>(user_.below(static_cast<std::uint64_t>(area->width()))),
                        static_cast<int>(user_.below(static_cast<std::uint64_t>(area->height()))));
        const int steps = static_cast<int>(user_.below(21)) - 10;
        QWheelEvent wheel(at, area->mapToGlobal(at), {}, QPoint(0, 120 * steps), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(area, &wheel);
        QTest::mousePress(area, Qt::LeftButton, {}, at);
        QTest::mouseMove(area, at + QPoint(40, -25));
        QTest::mouseRelease(area, Qt::LeftButton, {}, at + QPoint(40, -25));
        user_.note(QStringLiteral("profile zoom %1 and drag").arg(steps));
    }
}

void DetailsUser::workInspection() {
    QList<QLineEdit*> fields = control<QWidget>("inspectionPage")->findChildren<QLineEdit*>();
    if (fields.isEmpty()) {
        return;
    }
    QLineEdit* field = user_.oneOf(fields);
    user_.focusByClick(*field);
    user_.pressKey(Qt::Key_A, Qt::ControlModifier);
    user_.pressKey(Qt::Key_C, Qt::ControlModifier);
    // Typing into a value shown is refused.
    user_.pressKey(Qt::Key_Delete);
    user_.note(QStringLiteral("inspection %1 selected and copied").arg(field->objectName()));
}

void DetailsUser::exportWith(const char* page, const char* button, const QString& suffix,
                             const QString& fileKind) {
    QWidget* pageWidget = control(page);
    const bool realDialog = user_.chance(15);
    if (realDialog) {
        setExportChooser(pageWidget, {});
        user_.expectRealSaveDialog(suffix);
    } else {
        setExportChooser(pageWidget,
                         [this, suffix, fileKind](const QString& initial, const QString&) {
                             return chooseExportFile(initial, suffix, fileKind);
                         });
    }
    clickButton(button);
    if (realDialog) {
        user_.doneWithRealSaveDialog();
    }
    setExportChooser(pageWidget, {});
}

QString DetailsUser::chooseExportFile(const QString& initialName, const QString& suffix,
                                      const QString& fileKind) {
    const QDir folder(user_.folder_);
    const int number = user_.actionNumber_;
    const auto answer = user_.below(100);
    QString path;
    bool refused = false;
    if (answer < 30) {
        ++exportsCancelled_;
        user_.note(QStringLiteral("export dialog cancelled"));
        return {};
    }
    if (answer < 60) {
        path = folder.filePath(QStringLiteral("export_%1.%2").arg(number).arg(suffix));
    } else if (answer < 75) {
        path = folder.filePath(QStringLiteral("导出 %1.%2").arg(number).arg(suffix));
    } else if (answer < 87) {
        // Save pressed on the name offered: in the folder chosen last, which may be gone.
        path = QFileInfo(initialName).isAbsolute() ? QDir::cleanPath(initialName)
                                                   : folder.filePath(initialName);
        refused = !QFileInfo(path).absoluteDir().exists() || QFileInfo(path).isDir();
    } else if (answer < 94) {
        path = folder.filePath(QStringLiteral("missing/%1/export.%2").arg(number).arg(suffix));
        refused = true;
    } else {
        path = folder.path();
        refused = true;
    }
    if (refused) {
        user_.reportRefused_ = path;
        user_.refusedFileKind_ = fileKind;
    } else {
        exportWritten_ = path;
    }
    user_.note(
        QStringLiteral("export dialog answered %1").arg(quoted(path.mid(folder.path().size()))));
    return path;
}

// --- the rules ---------------------------------------------------------------------------------

void DetailsUser::check() {
    if (exportWritten_) {
        ++exportsWritten_;
        checkExportFile(*exportWritten_);
        exportWritten_.reset();
    }
    QWidget* details = window();
    if (details == nullptr || !details->isVisible()) {
        tableCopied_ = false;
        return;  // a hidden window shows nothing, and catches up when it is shown again
    }
    if (control<QTabWidget>("detailTabs")->currentWidget()->objectName() == "strengthPage" &&
        control<QLabel>("strengthVerdict")->text() != kNotShown) {
        ++strengthResults_;  // how often the run saw a result (the page's own "—" is none)
    }
    checkFields();
    checkMessages();
    checkDrawingTable();
    if (tableCopied_) {
        checkCopiedTable();
        tableCopied_ = false;
    }
}

void DetailsUser::checkFields() {
    const Form& form = user_.window_.document().form();
    for (const QLineEdit* field : window()->findChildren<QLineEdit*>()) {
        if (!field->isReadOnly()) {
            continue;
        }
        const QString name = field->objectName();
        const QString text = field->text();
        const bool number = kNumberFields.contains(name) ||
                            (insidePage(field, "strengthPage") && name != "strengthTauSafety");
        QString wrong;
        if (kRepeatedFields.contains(name)) {
            // The user's own input: shown as typed, or "—" while there is none.
            QString typed;
            for (const Field repeated : kRepeatedFields.value(name)) {
                typed += QString::fromStdString(form.text(repeated));
            }
            if (text != (typed.isEmpty() ? kNotShown : typed)) {
                wrong = QStringLiteral("not the main window's %1").arg(quoted(typed));
            }
        } else if (text.isEmpty() || kNotANumber.match(text).hasMatch()) {
            wrong = QStringLiteral("no value");
        } else if (number && text != kNotShown && !kNumber.match(text).hasMatch()) {
            wrong = QStringLiteral("not a number");
        }
        if (!wrong.isEmpty()) {
            user_.fail(QStringLiteral("%1 shows %2: %3").arg(name, quoted(text), wrong));
        }
    }
}

// The messages the pages work out themselves (what they quote of the user's typing aside).
void DetailsUser::checkMessages() {
    for (const QLabel* label : window()->findChildren<QLabel*>()) {
        const QString name = label->objectName();
        const bool worked = (insidePage(label, "strengthPage") && !name.isEmpty()) ||
                            name == QStringLiteral("designationNotes") ||
                            name == QStringLiteral("designationReason") ||
                            name == QStringLiteral("inspWarnings") ||
                            name == QStringLiteral("profileWarnings");
        if (!worked) {
            continue;
        }
        QString text = label->text();
        text.remove(kQuoted);
        if (kNotANumber.match(text).hasMatch()) {
            user_.fail(QStringLiteral("%1 says %2").arg(name, quoted(label->text())));
        }
    }
}

void DetailsUser::checkDrawingTable() {
    const Form& form = user_.window_.document().form();
    auto* table = control<QTableWidget>("drawingDataTable");
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem* symbolItem = table->item(row, 1);
        const QTableWidgetItem* valueItem = table->item(row, 2);
        const QString symbol = symbolItem != nullptr ? symbolItem->text() : QString();
        const QString value = valueItem != nullptr ? valueItem->text() : QString();
        QString wrong;
        if (value.isEmpty()) {
            wrong = QStringLiteral("an empty cell");
        } else if (kRepeatedRows.contains(symbol)) {
            const QString typed = QString::fromStdString(form.text(kRepeatedRows.value(symbol)));
            if (value != kNotShown && value != typed) {
                wrong = QStringLiteral("not the main window's %1").arg(quoted(typed));
            }
        } else if (symbol != kNotShown && kNotANumber.match(value).hasMatch()) {
            // (Rows without a symbol are words: the designation, the tolerance as typed, a note.)
            wrong = QStringLiteral("no value");
        } else if (kNumberRows.contains(symbol) && value != kNotShown &&
                   !kNumber.match(value.section(u' ', 0, 0)).hasMatch()) {
            wrong = QStringLiteral("not a number");
        }
        if (!wrong.isEmpty()) {
            user_.fail(QStringLiteral("data table row %1 (%2) shows %3: %4")
                           .arg(row)
                           .arg(symbol, quoted(value), wrong));
        }
    }
}

// The clipboard holds the table as the page shows it, as tab-separated lines.
void DetailsUser::checkCopiedTable() {
    auto* table = control<QTableWidget>("drawingDataTable");
    QString expected;
    for (int column = 0; column < table->columnCount(); ++column) {
        expected += table->horizontalHeaderItem(column)->text() +
                    (column + 1 < table->columnCount() ? u'\t' : u'\n');
    }
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            expected += table->item(row, column)->text() +
                        (column + 1 < table->columnCount() ? u'\t' : u'\n');
        }
    }
    const QString copied = QGuiApplication::clipboard()->text();
    if (copied != expected) {
        user_.fail(QStringLiteral("the table copied is %1, the page shows %2")
                       .arg(quoted(copied), quoted(expected)));
    }
}

void DetailsUser::checkExportFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        user_.fail(QStringLiteral("the export %1 was not written").arg(quoted(path)));
        return;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    QString wrong;
    if (utf8.hasError()) {
        wrong = QStringLiteral("not UTF-8");
    } else if (path.endsWith(QStringLiteral(".csv"))) {
        if (!bytes.startsWith("\xEF\xBB\xBF") ||
            !text.startsWith(QStringLiteral("名称,代号,数值\r\n")) || !text.endsWith(u"\r\n")) {
            wrong = QStringLiteral("not the table's CSV");
        }
    } else if (path.endsWith(QStringLiteral(".svg"))) {
        static const QRegularExpression attribute(QStringLiteral("=\"([^\"]*)\""));
        if (!text.contains(QStringLiteral("<svg")) || !text.trimmed().endsWith(u"</svg>")) {
            wrong = QStringLiteral("not an SVG drawing");
        }
        for (const QRegularExpressionMatch& match : attribute.globalMatch(text)) {
            if (kNotANumber.match(match.captured(1)).hasMatch()) {
                wrong = QStringLiteral("a drawing with %1").arg(match.captured(0));
                break;
            }
        }
    } else {
        // DXF: group code and value lines in turn; the codes 10 to 59 carry real numbers.
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i + 1 < lines.size() && wrong.isEmpty(); i += 2) {
            bool isCode = false;
            const int code = lines[i].trimmed().toInt(&isCode);
            bool isNumber = false;
            const double value = lines[i + 1].trimmed().toDouble(&isNumber);
            if (!isCode) {
                wrong = QStringLiteral("line %1 is no group code").arg(i + 1);
            } else if (code >= 10 && code <= 59 && !(isNumber && std::isfinite(value))) {
                wrong = QStringLiteral("line %1 holds %2").arg(i + 2).arg(quoted(lines[i + 1]));
            }
        }
        if (wrong.isEmpty() && !text.trimmed().endsWith(u"EOF")) {
            wrong = QStringLiteral("no end");
        }
    }
    if (!wrong.isEmpty()) {
        user_.fail(
            QStringLiteral("the export %1 is %2").arg(quoted(QFileInfo(path).fileName()), wrong));
    }
}

// --- the log -----------------------------------------------------------------------------------

QString DetailsUser::describe() const {
    QWidget* details = window();
    if (details == nullptr) {
        return {};
    }
    QString text =
        QStringLiteral("\ndetails window %1, page %2; strength inputs:")
            .arg(details->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"))
            .arg(details->findChild<QTabWidget*>(QStringLiteral("detailTabs"))
                     ->currentWidget()
                     ->objectName());
    for (const QString& name : kStrengthInputs) {
        if (QLineEdit* editor = editorOf(details->findChild<QWidget*>(name))) {
            text += QStringLiteral(" %1=%2").arg(name.mid(8), quoted(editor->text()));
        }
    }
    for (const char* name : {"strengthJoint", "strengthConditions"}) {
        text += QStringLiteral(" %1=%2")
                    .arg(QLatin1String(name + 8))
                    .arg(details->findChild<QComboBox*>(QLatin1String(name))->currentIndex());
    }
    text +=
        QStringLiteral(" Hardened=%1")
            .arg(details->findChild<QCheckBox*>(QStringLiteral("strengthHardened"))->isChecked());
    return text;
}

QString DetailsUser::summary() const {
    QStringList pages;
    for (auto it = pagesOpened_.begin(); it != pagesOpened_.end(); ++it) {
        pages << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    }
    return QStringLiteral(
               "\ndetails: pages opened from the menu: %1; exports written %2, cancelled %3, "
               "refused %4; candidate lists %5, candidates applied %6; actions with a strength "
               "result shown %7; "
               "about boxes closed %8")
        .arg(pages.join(QStringLiteral(", ")))
        .arg(exportsWritten_)
        .arg(exportsCancelled_)
        .arg(exportsRefused_)
        .arg(candidatesOffered_)
        .arg(designationsApplied_)
        .arg(strengthResults_)
        .arg(aboutBoxesClosed_);
}

}  // namespace quillon::ui::test
