#include "quillon/ui/din5480.h"

#include <QApplication>
#include <QBitmap>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include "control_builder.h"
#include "layout_helpers.h"
#include "quillon/controls/group_frame.h"
#include "quillon/controls/xp_button.h"
#include "quillon/document/report_button_rule.h"
#include "quillon/engine/field_text.h"
#include "quillon/report/printed_report.h"
#include "quillon/report/report_commands.h"
#include "quillon/tolerance/open_tolerance_database.h"
#include "spline_details_window.h"
#include "window_menu.h"

using namespace quillon::engine;
using namespace quillon::tolerance;
using namespace quillon::controls;

static void initialiseWindowPictures() {
    Q_INIT_RESOURCE(quillon);
}

namespace quillon::ui {
namespace {

const QString kMessageTitle = QStringLiteral("系统提示");
const QString kReportDialogTitle = QStringLiteral("计算报告输出");
const QString kReportFilter = QStringLiteral("所有文件 (*.*);;文本文档 (*.txt)");
// The legend of clearance coefficients by making process.
const QString kClearanceLegend =
    QStringLiteral("插齿 cn=0.1\n滚齿 cn=0.15\n铣齿 cn=0.2\n冲压 cn=0.39");

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

}  // namespace

DIN5480::DIN5480(const WindowEdition& edition, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      edition_(edition),
      document_(edition.rules, static_cast<Form&>(*this)) {
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
    setFixedSize(layout::kWindowPlace.pixels().size());

    controls_ = buildControls(*this, edition_);
    for (QWidget* part : {controls_.titleStrip, controls_.minimiseGlyph, controls_.closeGlyph}) {
        part->installEventFilter(this);
    }
    controls_.external->setChecked(true);
    connectReactions();
}

DIN5480::~DIN5480() {
    // The reactions use members of this class: take the controls down while those still exist.
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

void DIN5480::connectReactions() {
    connect(controls_.calculate, &XPButton::Click, this, &DIN5480::calculate);
    // The reset acts on the press of any mouse button, before the release; Enter only raises
    // Click, which the reset does not listen to.
    connect(controls_.reset, &XPButton::MouseDown, this, &DIN5480::clear);
    connect(controls_.report, &XPButton::Click, this, &DIN5480::writeReport);
    if (controls_.print != nullptr) {
        connect(controls_.print, &XPButton::Click, this, &DIN5480::printReport);
    }

    // Picking a module (not typing one) or choosing a kind proposes the pin diameter.
    connect(controls_.moduleList, &QComboBox::activated, this,
            [this] { document_.proposePinDiameter(); });
    for (QRadioButton* kind : {controls_.external, controls_.internal}) {
        connect(kind, &QRadioButton::toggled, this, [this](bool selected) {
            if (selected) {
                document_.proposePinDiameter();
            }
        });
    }

    if (edition_.reportFollowsFields) {
        // Every change of z or d decides anew whether there is something to report.
        connect(controls_.field(Field::z), &QLineEdit::textChanged, this, [this](const QString& z) {
            controls_.report->setEnabled(document::reportOnForTeeth(z.toStdString()));
        });
        connect(controls_.field(Field::d), &QLineEdit::textChanged, this, [this](const QString& d) {
            controls_.report->setEnabled(document::reportOnForDiameter(d.toStdString()));
        });
    }
    // The window menu and, through it, the details window, which follows every field, the kind
    // and every calculation.
    connect(controls_.menuIcon, &QAbstractButton::clicked, this, &DIN5480::openWindowMenuBelowIcon);
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this), &QShortcut::activated, this,
            &DIN5480::openWindowMenuBelowIcon);
    for (QLineEdit* field : controls_.fields) {
        if (field != nullptr) {
            connect(field, &QLineEdit::textChanged, this, &DIN5480::stateChanged);
        }
    }
    connect(controls_.external, &QRadioButton::toggled, this, &DIN5480::stateChanged);

    if (QLineEdit* letter = controls_.field(Field::seriesLetter)) {
        // Stroke by stroke: a letter that names no series leaves the last column in force.
        connect(letter, &QLineEdit::textChanged, this,
                [this](const QString& text) { document_.seriesLetterChanged(text.toStdString()); });
    }
}

bool DIN5480::startUp(const std::filesystem::path& programDirectory) {
    setMask(roundedOutline(size(), edition_.cornerEllipse));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
    if (controls_.inputFrame != nullptr) {
        controls_.inputFrame->setCaption(QStringLiteral("已知参数::: "));
        controls_.resultFrame->setCaption(QStringLiteral("计算结果::: "));
    }

    // Filling a list must not change what its field shows.
    const auto fill = [](QComboBox& list, std::span<const char* const> entries) {
        const QString shown = list.currentText();
        for (const char* entry : entries) {
            list.addItem(QString::fromUtf8(entry));
        }
        // The arrow keys then move on from the entry shown, when the text is one of them.
        list.setCurrentIndex(list.findText(shown));
        list.setEditText(shown);
    };
    fill(*controls_.moduleList, edition_.moduleList);
    fill(*controls_.clearanceList, edition_.clearanceList);

    if (edition_.rules.hasTolerances()) {
        auto database = openToleranceDatabase(programDirectory);
        if (!database) {
            showMessage(QString::fromUtf8(kDatabaseConnectionErrorMessage));
            return false;
        }
        document_.setToleranceDatabase(
            std::make_shared<const ToleranceDatabase>(std::move(*database)));
    }

    document_.proposePinDiameter(true);
    if (edition_.reportFollowsFields) {
        controls_.report->setEnabled(
            document::reportOnAtStart(controls_.field(Field::z)->text().toStdString()));
    }
    controls_.clearanceLegend->setText(kClearanceLegend);
    return true;
}

std::string DIN5480::text(Field field) const {
    const QLineEdit* editor = controls_.field(field);
    return editor != nullptr ? editor->text().toStdString() : std::string();
}

void DIN5480::setText(Field field, const std::string& text) {
    if (QLineEdit* editor = controls_.field(field)) {
        editor->setText(QString::fromStdString(text));
    }
}

std::optional<SplineKind> DIN5480::selectedKind() const {
    if (controls_.external->isChecked()) {
        return SplineKind::External;
    }
    if (controls_.internal->isChecked()) {
        return SplineKind::Internal;
    }
    return std::nullopt;
}

void DIN5480::selectKind(SplineKind kind) {
    (kind == SplineKind::External ? controls_.external : controls_.internal)->click();
}

void DIN5480::showMessage(const std::string& message) {
    showMessage(QString::fromStdString(message));
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

QPrinter* DIN5480::printer() const {
    // Made on first use: loading the print system costs start-up time.
    if (!printer_ && !edition_.rules.hasTolerances()) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return printer_.get();
}

void DIN5480::calculate() {
    document_.calculate();
    emit stateChanged();  // k and the deviations are no fields
}

void DIN5480::clear() {
    document_.clear();
}

// The self-drawn frame: a press on the title strip moves the window, a click on "—" minimises it
// and a press on "X" closes it at once (whatever is being edited is dropped with the window).
bool DIN5480::eventFilter(QObject* watched, QEvent* event) {
    if (watched == controls_.titleStrip) {
        return titleStripEvent(*event);
    }
    if (watched == controls_.closeGlyph && event->type() == QEvent::MouseButtonPress) {
        close();
        if (edition_.closeGlyphEndsProgram) {
            QCoreApplication::exit(0);
        }
        return true;
    }
    if (watched == controls_.minimiseGlyph) {
        if (event->type() == QEvent::MouseButtonPress) {
            minimisePressed_ = true;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (std::exchange(minimisePressed_, false) &&
                controls_.minimiseGlyph->rect().contains(at)) {
                showMinimized();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool DIN5480::titleStripEvent(QEvent& event) {
    const auto pointer = [&event] {
        return static_cast<QMouseEvent&>(event).globalPosition().toPoint();
    };
    switch (event.type()) {
        case QEvent::MouseButtonPress:
            // The system's move loop when the window manager offers one; otherwise the window
            // follows the pointer until the button is released.
            if (windowHandle() == nullptr || !windowHandle()->startSystemMove()) {
                manualDragOffset_ = pointer() - pos();
            }
            return true;
        case QEvent::MouseMove:
            if (manualDragOffset_) {
                move(pointer() - *manualDragOffset_);
                return true;
            }
            return false;
        case QEvent::MouseButtonRelease:
            manualDragOffset_.reset();
            return true;
        default:
            return false;
    }
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
    const std::vector<std::string> lines = document_.reportLines();
    const std::optional<QString> failure = edition_.rules.hasTolerances()
                                               ? report::saveToleranceReport(chosen, lines)
                                               : report::saveLiteReport(chosen, lines);
    if (failure) {
        showMessage(*failure);
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
    if (accepted) {  // a cancelled print dialog prints nothing
        report::printLiteReport(*target, document_.form());
    }
}

std::optional<std::string> DIN5480::applyDesignation(const SplineDesignation& designation) {
    auto refusal = document_.applyDesignation(designation);
    if (!refusal) {
        emit stateChanged();
    }
    return refusal;
}

WindowMenu& DIN5480::windowMenu() {
    if (windowMenu_ == nullptr) {
        windowMenu_ = new WindowMenu(*this);
        connect(this, &DIN5480::stateChanged, windowMenu_, [this] {
            if (SplineDetailsWindow* details = windowMenu_->detailsIfMade()) {
                details->mainWindowChanged();
            }
        });
    }
    return *windowMenu_;
}

void DIN5480::openWindowMenu(QPoint globalPosition) {
    windowMenu().popup(globalPosition);
}

void DIN5480::openWindowMenuBelowIcon() {
    openWindowMenu(controls_.menuIcon->mapToGlobal(QPoint(0, controls_.menuIcon->height())));
}

// A right click on a free area (the background, a caption, a group) opens the window menu; not on
// a control (fields keep their edit menu) and not on the title strip, where every button drags.
void DIN5480::contextMenuEvent(QContextMenuEvent* event) {
    const QWidget* hit = childAt(event->pos());
    const bool titleStrip = hit == controls_.titleStrip || hit == controls_.menuIcon ||
                            hit == controls_.minimiseGlyph || hit == controls_.closeGlyph;
    const bool free = hit == nullptr || qobject_cast<const QLabel*>(hit) != nullptr ||
                      qobject_cast<const GroupFrame*>(hit) != nullptr ||
                      qobject_cast<const QGroupBox*>(hit) != nullptr;
    if (free && !titleStrip) {
        openWindowMenu(event->globalPos());
    }
}

}  // namespace quillon::ui
