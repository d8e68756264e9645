#include "quillon/ui/din5480.h"

#include <QApplication>
#include <QBitmap>
#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QImageReader>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <cmath>

#include "glyph_circle.h"
#include "quillon/controls/group_frame.h"
#include "quillon/controls/xp_button.h"
#include "quillon/engine/calculation_run.h"
#include "quillon/engine/field_text.h"
#include "quillon/report/editor_settings.h"
#include "quillon/report/lite_report.h"
#include "quillon/report/printed_report.h"
#include "quillon/report/report_file.h"
#include "quillon/report/tolerance_report.h"
#include "quillon/tolerance/open_tolerance_database.h"
#include "quillon/tolerance/piancha.h"
#include "window_form.h"
#include "window_frame.h"

static void initialiseWindowPictures() {
    Q_INIT_RESOURCE(quillon);
}

namespace quillon::ui {
namespace {

// The default pin diameter is the module times a factor of the kind.
constexpr double kExternalPinFactor = 1.732;
constexpr double kInternalPinFactor = 1.44;

const QString kMessageTitle = QStringLiteral("系统提示");
const QString kReportDialogTitle = QStringLiteral("计算报告输出");
const QString kReportFilter = QStringLiteral("所有文件 (*.*);;文本文档 (*.txt)");

QFont fontOf(const LayoutFont& face) {
    QFont font(QString::fromUtf8(face.family));
    // Sizes are designed for 96 dpi, like the twips of the layout.
    font.setPixelSize(static_cast<int>(std::lround(face.points * 96.0 / 72.0)));
    font.setBold(face.bold);
    return font;
}

// The window's pictures are PNG files compiled into the program. Naming the format spares the
// image reader from loading every image format plugin to guess it.
QPixmap pngPicture(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The outline of the frameless window: a rounded rectangle whose corners are quarter ellipses.
QRegion roundedOutline(QSize size, int ellipse) {
    QBitmap bitmap(size);
    bitmap.fill(Qt::color0);
    QPainter painter(&bitmap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawRoundedRect(QRectF(0, 0, size.width(), size.height()), ellipse / 2.0,
                            ellipse / 2.0);
    painter.end();
    return QRegion(bitmap);
}

// Enter does nothing in the lists: a typed module is not a picked one.
class SwallowEnter final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            return key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        return false;
    }
};

// A read-only field takes no text from an input method. The toolkit tells the system's input
// method that a read-only line edit accepts input and then inserts what it commits (QTBUG-119182),
// so pinyin typed into a result field would replace the result.
class RefuseInputMethod final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::InputMethod) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::InputMethodQuery) {
            auto* query = static_cast<QInputMethodQueryEvent*>(event);
            if (query->queries().testFlag(Qt::ImEnabled)) {
                query->setValue(Qt::ImEnabled, false);
                query->accept();
                return true;
            }
        }
        return false;
    }
};

}  // namespace

DIN5480::DIN5480(const WindowEdition& edition, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), edition_(edition) {
    initialiseWindowPictures();
    setObjectName(QStringLiteral("DIN5480"));
    setWindowTitle(QString::fromUtf8(edition_.programTitle));
    setWindowIcon(QIcon(pngPicture(QStringLiteral(":/quillon/spline16.png"))));
    setAccessibleName(windowTitle());
    setAccessibleDescription(objectName());
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(background);
    setAutoFillBackground(true);
    // The designed size; the tolerance edition sets it once more at start-up.
    setFixedSize(twipsToPixels(7005), twipsToPixels(4200));

    buildControls();
    form_ = std::make_unique<WindowForm>(*this, edition_);
    frame_ = new WindowFrame(*this, findChild<QWidget*>(QStringLiteral("top")),
                             findChild<QWidget*>(QStringLiteral("Label22")),
                             findChild<QWidget*>(QStringLiteral("Label3")), [this] {
                                 close();
                                 if (edition_.closeGlyphEndsProgram) {
                                     QCoreApplication::exit(0);
                                 }
                             });
    applyFocusOrder();
    findChild<QRadioButton*>(QStringLiteral("Option1"))->setChecked(true);
    connectReactions();
}

DIN5480::~DIN5480() {
    // The reactions use members of this class: take the controls down while those still exist.
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

void DIN5480::buildControls() {
    QLabel* lastLabel = nullptr;
    for (const ControlLayout& row : edition_.layout) {
        QWidget* parent = this;
        if (*row.parent != '\0') {
            parent = findChild<QWidget*>(QString::fromUtf8(row.parent));
            Q_ASSERT(parent != nullptr);
        }
        QWidget* control = createControl(row, parent);
        control->setObjectName(QString::fromUtf8(row.name));
        control->setGeometry(row.pixelRect());
        const QString accessibleName = QString::fromUtf8(row.accessibleName);
        if (!accessibleName.isEmpty()) {
            control->setAccessibleName(accessibleName);
        }
        control->setAccessibleDescription(control->objectName());
        // A field is labelled by the caption just before it on its row: assistive tools read the
        // label relation (and, for lists on Linux, the name of the list's edit field).
        if (auto* label = qobject_cast<QLabel*>(control)) {
            lastLabel = label;
        } else if (lastLabel != nullptr && lastLabel->parentWidget() == parent &&
                   lastLabel->text() == accessibleName) {
            lastLabel->setBuddy(control);
            if (auto* list = qobject_cast<QComboBox*>(control)) {
                list->lineEdit()->setAccessibleName(accessibleName);
                list->lineEdit()->setAccessibleDescription(control->objectName());
            }
        }
    }
    // The two kind options form one exclusive pair.
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(findChild<QRadioButton*>(QStringLiteral("Option1")));
    kinds->addButton(findChild<QRadioButton*>(QStringLiteral("Option2")));
}

QWidget* DIN5480::createControl(const ControlLayout& row, QWidget* parent) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
        case ControlKind::Picture: {
            auto* picture = new QLabel(parent);
            picture->setPixmap(pngPicture(text));
            picture->setScaledContents(true);
            return picture;
        }
        case ControlKind::Circle:
            return new GlyphCircle(QColor::fromRgb(*row.background), parent);
        case ControlKind::Label: {
            auto* label = new QLabel(text, parent);
            label->setFont(fontOf(row.font));
            label->setAlignment((row.captionAlignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft) |
                                Qt::AlignTop);
            if (row.foreground) {
                QPalette colours = label->palette();
                colours.setColor(QPalette::WindowText, QColor::fromRgb(*row.foreground));
                label->setPalette(colours);
            }
            return label;
        }
        case ControlKind::TextField: {
            auto* field = new QLineEdit(text, parent);
            field->setFont(fontOf(row.font));
            field->setAlignment(Qt::AlignCenter);
            field->setReadOnly(!row.editable);
            if (!row.editable) {
                field->installEventFilter(new RefuseInputMethod(field));
            }
            if (row.background) {
                QPalette colours = field->palette();
                colours.setColor(QPalette::Base, QColor::fromRgb(*row.background));
                field->setPalette(colours);
            }
            return field;
        }
        case ControlKind::DropDownList: {
            auto* list = new QComboBox(parent);
            list->setEditable(true);
            list->setInsertPolicy(QComboBox::NoInsert);
            list->setCompleter(nullptr);  // the typed text stays exactly as typed
            list->setFont(fontOf(row.font));
            list->setEditText(text);
            list->installEventFilter(new SwallowEnter(list));
            return list;
        }
        case ControlKind::OptionButton: {
            auto* option = new QRadioButton(text, parent);
            option->setFont(fontOf(row.font));
            return option;
        }
        case ControlKind::CommandButton: {
            auto* button = new XPButton(parent);
            button->setCaption(text);
            button->setCaptionAlignment(row.captionAlignment);
            button->setIconAlignment(XPButton::kIconRight);
            // Tahoma has no Chinese glyphs; as on a Chinese desktop they come from the Song face.
            QFont face = button->fontType();
            face.setFamilies({face.family(), QStringLiteral("宋体")});
            button->setFontType(face);
            if (*row.icon != '\0') {
                button->setIcon(pngPicture(QString::fromUtf8(row.icon)));
            }
            if (*row.iconMask != '\0') {
                button->setIconMask(pngPicture(QString::fromUtf8(row.iconMask)));
            }
            return button;
        }
        case ControlKind::GroupFrame: {
            auto* group = new GroupFrame(parent);
            group->setStyle(5);  // first: the style brings its own colours
            group->setFrameColor(QColor(192, 192, 192));
            group->setTextBoxColor(QColor::fromRgb(*row.background));
            group->setTextColor(QColor::fromRgb(*row.foreground));
            group->setAlignment(GroupFrame::kLeft);
            group->setHeaderStyle(1);
            group->setCaptionFont(fontOf(row.font));
            group->setAccessibleName(text);
            return group;
        }
        case ControlKind::GroupBox: {
            auto* group = new QGroupBox(text, parent);
            group->setFont(fontOf(row.font));
            group->setAccessibleName(text);
            return group;
        }
    }
    return new QWidget(parent);
}

void DIN5480::applyFocusOrder() {
    QWidget* previous = nullptr;
    for (const char* name : edition_.focusOrder) {
        auto* control = findChild<QWidget*>(QString::fromUtf8(name));
        if (control == nullptr) {
            continue;
        }
        if (previous != nullptr) {
            setTabOrder(previous, control);
        } else {
            control->setFocus();  // the window opens with the first control of the order focused
        }
        previous = control;
    }
}

void DIN5480::connectReactions() {
    auto* cmd1 = findChild<XPButton*>(QStringLiteral("cmd1"));
    auto* cmd2 = findChild<XPButton*>(QStringLiteral("cmd2"));
    auto* cmd3 = findChild<XPButton*>(QStringLiteral("cmd3"));
    auto* cmd4 = findChild<XPButton*>(QStringLiteral("cmd4"));
    connect(cmd1, &XPButton::Click, this, &DIN5480::calculate);
    // The reset acts on the press of any mouse button, before the release; Enter only raises
    // Click, which the reset does not listen to.
    connect(cmd2, &XPButton::MouseDown, this, &DIN5480::reset);
    connect(cmd3, &XPButton::Click, this, &DIN5480::writeReport);
    if (cmd4 != nullptr) {
        connect(cmd4, &XPButton::Click, this, &DIN5480::printReport);
    }

    // Picking a module (not typing one) or choosing a kind proposes the pin diameter.
    const bool formatted = edition_.formatsProposedPinDiameter;
    auto* external = findChild<QRadioButton*>(QStringLiteral("Option1"));
    connect(findChild<QComboBox*>(QStringLiteral("Combo1")), &QComboBox::activated, this,
            [this, external, formatted] {
                proposePinDiameter(external->isChecked() ? kExternalPinFactor : kInternalPinFactor,
                                   formatted);
            });
    connect(external, &QRadioButton::toggled, this, [this, formatted](bool selected) {
        if (selected) {
            proposePinDiameter(kExternalPinFactor, formatted);
        }
    });
    connect(findChild<QRadioButton*>(QStringLiteral("Option2")), &QRadioButton::toggled, this,
            [this, formatted](bool selected) {
                if (selected) {
                    proposePinDiameter(kInternalPinFactor, formatted);
                }
            });

    if (edition_.reportFollowsFields) {
        connect(findChild<QLineEdit*>(QStringLiteral("Text1")), &QLineEdit::textChanged, this,
                &DIN5480::followZ);
        connect(findChild<QLineEdit*>(QStringLiteral("Text5")), &QLineEdit::textChanged, this,
                &DIN5480::followD);
    }
    if (auto* letter = findChild<QLineEdit*>(QStringLiteral("Text17"))) {
        // Stroke by stroke: a letter that names no series leaves the last column in force.
        connect(letter, &QLineEdit::textChanged, this,
                [this](const QString& text) { seriesColumn_.letterChanged(text.toStdString()); });
    }
}

bool DIN5480::startUp(const std::filesystem::path& programDirectory) {
    const QSize designed(twipsToPixels(7005), twipsToPixels(4200));
    if (edition_.resizesAtStartUp) {
        setFixedSize(designed);
    }
    setMask(roundedOutline(size(), edition_.cornerEllipse));
    if (edition_.preparesPrinter) {
        // Set up once: every printed report uses these settings and one printer, made by
        // printer() on first use so that the print system loads only when it is needed.
        printStyle_.fontFamily = QStringLiteral("宋体");
        printStyle_.pointSize = 10;
        printStyle_.color = QColor(0, 0, 255);
        printStyle_.startXTwips = 0;
        printStyle_.extraLineSpacingTwips = 50;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
    if (edition_.setsGroupHeaders) {
        findChild<GroupFrame*>(QStringLiteral("Frame1"))
            ->setCaption(QStringLiteral("已知参数::: "));
        findChild<GroupFrame*>(QStringLiteral("Frame2"))
            ->setCaption(QStringLiteral("计算结果::: "));
    }

    // Filling a list must not change what its field shows.
    const auto fill = [this](const char* name, std::span<const char* const> entries) {
        auto* list = findChild<QComboBox*>(QString::fromUtf8(name));
        const QString shown = list->currentText();
        for (const char* entry : entries) {
            list->addItem(QString::fromUtf8(entry));
        }
        // The arrow keys then move on from the entry shown, when the text is one of them.
        list->setCurrentIndex(list->findText(shown));
        list->setEditText(shown);
    };
    fill("Combo1", edition_.moduleList);
    fill("Combo2", edition_.clearanceList);

    if (edition_.opensToleranceDatabase) {
        database_ = openToleranceDatabase(programDirectory);
        if (!database_) {
            showMessage(
                QString::fromUtf8(kDatabaseConnectionErrorMessage.data(),
                                  static_cast<qsizetype>(kDatabaseConnectionErrorMessage.size())));
            return false;
        }
    }

    // Unlike the later proposals, the start value is written as plain number text ("2.165").
    const double pin = readNumber(form_->text(Field::m)) * kExternalPinFactor;
    if (std::isfinite(pin)) {
        form_->setText(Field::dp, writeNumber(pin));
    }
    if (edition_.reportFollowsFields) {
        findChild<XPButton*>(QStringLiteral("cmd3"))
            ->setEnabled(findChild<QLineEdit*>(QStringLiteral("Text1"))->text() != u"0");
    }
    findChild<QLabel*>(QStringLiteral("Label2"))->setText(QString::fromUtf8(kClearanceLegend));
    return true;
}

Form& DIN5480::form() {
    return *form_;
}

const Form& DIN5480::form() const {
    return *form_;
}

void DIN5480::useToleranceDatabase(ToleranceDatabase database) {
    database_ = std::move(database);
}

void DIN5480::showMessage(const QString& text) {
    if (messageSink_) {
        messageSink_(text);
        return;
    }
    QMessageBox box(QMessageBox::Information, kMessageTitle, text, QMessageBox::Ok,
                    isVisible() ? this : nullptr);
    box.exec();
}

void DIN5480::setMessageSink(std::function<void(const QString&)> sink) {
    messageSink_ = std::move(sink);
}

void DIN5480::setSaveFileChooser(SaveFileChooser chooser) {
    saveFileChooser_ = std::move(chooser);
}

void DIN5480::setPrintDialog(PrintDialogRunner runner) {
    printDialog_ = std::move(runner);
}

QPrinter* DIN5480::printer() const {
    if (!printer_ && edition_.preparesPrinter) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return printer_.get();
}

void DIN5480::calculate() {
    quillon::calculate(*form_, runState_, edition_.rules, [this] { runHandOff(); });
}

void DIN5480::runHandOff() {
    // The tables stand on their first row whenever the deviation calculation starts.
    if (!database_) {
        return;
    }
    database_->positionAllOnFirstRow();
    piancha(*form_, *database_, seriesColumn_.name(), deviation_);
}

void DIN5480::reset() {
    clear();
}

void DIN5480::clear() {
    quillon::clear(*form_, edition_.rules);
}

void DIN5480::proposePinDiameter(double factor, bool formatted) {
    const double pin = readNumber(form_->text(Field::m)) * factor;
    if (!std::isfinite(pin)) {
        return;  // an arithmetic failure writes nothing
    }
    form_->setText(Field::dp, formatted ? formatNumber(pin, 3) : writeNumber(pin));
}

void DIN5480::followZ(const QString& text) {
    findChild<XPButton*>(QStringLiteral("cmd3"))->setEnabled(readNumber(text.toStdString()) > 3);
}

void DIN5480::followD(const QString& text) {
    findChild<XPButton*>(QStringLiteral("cmd3"))->setEnabled(readNumber(text.toStdString()) > 0);
}

void DIN5480::writeReport() {
    const QString chosen = saveFileChooser_
                               ? saveFileChooser_(reportFileName_)
                               : QFileDialog::getSaveFileName(this, kReportDialogTitle,
                                                              reportFileName_, kReportFilter);
    if (chosen.isEmpty()) {
        return;  // a cancelled dialog writes nothing
    }
    reportFileName_ = chosen;
    const std::vector<std::string> lines =
        edition_.reportLayout == ReportLayout::Tolerance
            ? report::toleranceReportLines(*form_, runState_.k, deviation_.nearDeviation,
                                           deviation_.farDeviation)
            : report::liteFileReportLines(*form_, runState_.k);
    if (const auto failure = report::writeReportFile(chosen, lines)) {
        showMessage(*failure);
        return;
    }
    const auto settingsFailure = edition_.reportLayout == ReportLayout::Tolerance
                                     ? report::writeToleranceEditorSettings()
                                     : report::writeLiteEditorSettings();
    if (settingsFailure) {
        showMessage(*settingsFailure);
    }
}

void DIN5480::printReport() {
    QPrinter* const target = printer();
    if (target == nullptr) {
        return;
    }
    const bool accepted = printDialog_ ? printDialog_(*target) : [this, target] {
        QPrintDialog dialog(target, this);
        return dialog.exec() == QDialog::Accepted;
    }();
    if (!accepted) {
        return;  // a cancelled print dialog prints nothing
    }
    report::printReport(*target, report::litePrintedReportLines(*form_), printStyle_);
}

}  // namespace quillon::ui
