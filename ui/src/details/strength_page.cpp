#include "strength_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "details_rows.h"
#include "quillon/document/spline_strength.h"
#include "quillon/engine/field_text.h"
#include "quillon/strength/strength_quantities.h"
#include "quillon/strength/strength_tables.h"
#include "quillon/strength/strength_text.h"
#include "strength_input_texts.h"

using namespace quillon::strength;

namespace quillon::ui {
namespace {

const QString kNotShown = QStringLiteral("—");
const QString kPassColour = passStyle();
const QString kFailColour = failStyle();
const QString kNoteColour = QStringLiteral("color: #606060");

// The check's formulas, under the results for whoever wants to follow a number.
const QString kFormulas = QStringLiteral(
    "Ft = 2000·T/dm\n"
    "p = KA·Ft/(z·h'·l·φ)\n"
    "S = [p]/p\n"
    "T_max = [p]·z·h'·l·φ·dm/(2000·KA)\n"
    "l_min = 2000·KA·T/(dm·z·h'·φ·[p])\n"
    "τ = 16000·KA·T·df1/(π·(df1⁴ − di⁴))\n"
    "S_τ = Re/(√3·τ)\n"
    "dm = (da1 + da2)/2，h' = (da1 − da2)/2 − c1 − c2");

QString text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString captionOf(InputField field) {
    return QString::fromStdString(textio::captionWithUnit(inputQuantity(field)));
}

// The page's name of each result's field, in the order of ResultField.
constexpr const char* kResultNames[] = {
    "strengthTorqueUsed", "strengthDm",          "strengthHeight",    "strengthForce",
    "strengthPressure",   "strengthAllowedUsed", "strengthSafety",    "strengthTorqueMax",
    "strengthLengthMin",  "strengthTau",         "strengthTauSafety", "strengthVerdict",
};
static_assert(std::size(kResultNames) == std::size(kResultFields));

std::size_t indexOf(InputField field) {
    return static_cast<std::size_t>(field);
}

// A grey note in a smaller type.
QLabel* noteLabel(const char* objectName, const QString& text) {
    QLabel* label = messageLabel(objectName, false);
    label->setText(text);
    label->setStyleSheet(kNoteColour);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    label->setFont(font);
    return label;
}

}  // namespace

StrengthPage::StrengthPage(const document::SplineDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
    setObjectName(QStringLiteral("strengthPage"));
    auto* content = new QWidget;
    auto* page = new QVBoxLayout(content);
    auto* method = messageLabel("strengthMethod", false);
    method->setText(QStringLiteral("计算方法：") + text(kMethod));
    page->addWidget(method);

    // Inputs on the left, what they give on the right, so that both are seen at once.
    auto* columns = new QHBoxLayout;
    page->addLayout(columns, 1);
    auto* inputBox = new QGroupBox(QStringLiteral("输入"));
    auto* inputRows = new QFormLayout(inputBox);
    addInputs(*inputRows);
    columns->addWidget(inputBox, 1, Qt::AlignTop);

    auto* right = new QVBoxLayout;
    columns->addLayout(right, 1);
    message_ = messageLabel("strengthMessage", false);
    right->addWidget(message_);
    auto* resultBox = new QGroupBox(QStringLiteral("结果"));
    auto* resultRows = new QFormLayout(resultBox);
    addResults(*resultRows);
    right->addWidget(resultBox);
    right->addWidget(noteLabel("strengthFormulas", kFormulas));
    right->addStretch();

    // The page is taller than the window is wanted to be.
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("strengthScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    setFocusProxy(inputs_[indexOf(InputField::Torque)].control);
    refresh();
}

void StrengthPage::addInputs(QFormLayout& rows) {
    addNumberRow(rows, InputField::Torque, "strengthTorque")
        ->setPlaceholderText(QStringLiteral("或给出功率 P 和转速 n"));
    addNumberRow(rows, InputField::Power, "strengthPower");
    addNumberRow(rows, InputField::Speed, "strengthSpeed");
    addNumberRow(rows, InputField::Length, "strengthLength");

    // The table's entries, or a value the user types.
    ka_ = new QComboBox;
    ka_->setEditable(true);
    ka_->setInsertPolicy(QComboBox::NoInsert);
    for (const ApplicationFactorChoice& choice : applicationFactorChoices()) {
        ka_->addItem(QString::fromStdString(choice.label));
    }
    addRow(rows, InputField::Ka, ka_, "strengthKA", captionOf(InputField::Ka));
    connect(ka_, &QComboBox::editTextChanged, this, &StrengthPage::refresh);

    addNumberRow(rows, InputField::LoadShare, "strengthLoadShare");
    addNumberRow(rows, InputField::ChamferShaft, "strengthChamferShaft");
    addNumberRow(rows, InputField::ChamferHub, "strengthChamferHub");

    joint_ = new QComboBox;
    for (Joint joint : kJoints) {
        joint_->addItem(text(jointLabel(joint)));
    }
    addRow(rows, InputField::Joint, joint_, "strengthJoint", captionOf(InputField::Joint));
    conditions_ = new QComboBox;
    for (Conditions conditions : kConditions) {
        conditions_->addItem(text(conditionsLabel(conditions)));
    }
    conditions_->setCurrentIndex(static_cast<int>(Conditions::Medium));
    conditions_->setToolTip(text(kPoorConditionsNote));
    addRow(rows, InputField::Conditions, conditions_, "strengthConditions",
           captionOf(InputField::Conditions));
    hardened_ = new QCheckBox(captionOf(InputField::Hardened));
    addRow(rows, InputField::Hardened, hardened_, "strengthHardened", hardened_->text());
    for (QComboBox* list : {joint_, conditions_}) {
        connect(list, &QComboBox::currentIndexChanged, this, &StrengthPage::refresh);
    }
    connect(hardened_, &QCheckBox::toggled, this, &StrengthPage::refresh);

    pAllowed_ = addNumberRow(rows, InputField::PAllowed, "strengthAllowed");
    pAllowedNote_ = noteLabel("strengthAllowedNote", text(kNoPermissiblePressureNote));
    rows.addRow(nullptr, pAllowedNote_);
    addNumberRow(rows, InputField::Bore, "strengthBore");
    addNumberRow(rows, InputField::Yield, "strengthYield")
        ->setPlaceholderText(QStringLiteral("不填则不校核扭转"));
    addNumberRow(rows, InputField::SafetyMin, "strengthSafetyMin");
}

void StrengthPage::addResults(QFormLayout& rows) {
    for (ResultField field : kResultFields) {
        const std::size_t i = static_cast<std::size_t>(field);
        const textio::Quantity& quantity = resultQuantity(field);
        if (field == ResultField::Ok) {
            verdict_ = messageLabel(kResultNames[i], false);
            rows.addRow(text(quantity.caption), verdict_);
        } else {
            results_[i] = addReadOnlyRow(rows, kResultNames[i],
                                         QString::fromStdString(textio::captionWithUnit(quantity)));
        }
    }
}

QLineEdit* StrengthPage::addNumberRow(QFormLayout& rows, InputField field, const char* name) {
    auto* edit = new QLineEdit(text(inputQuantity(field).defaultText));
    addRow(rows, field, edit, name, captionOf(field));
    connect(edit, &QLineEdit::textChanged, this, &StrengthPage::refresh);
    return edit;
}

// The message takes the row under its control, in the field column: it stands beside the field it
// is about. (A row of its own rather than a box in the field's cell, so that the form gives a
// wrapped message its full height.)
void StrengthPage::addRow(QFormLayout& rows, InputField field, QWidget* control, const char* name,
                          const QString& caption) {
    nameControl(*control, name, caption);
    if (qobject_cast<QCheckBox*>(control) != nullptr) {
        rows.addRow(nullptr, control);  // the box says its caption itself
    } else {
        auto* label = new QLabel(caption);
        label->setBuddy(control);
        rows.addRow(label, control);
    }
    QLabel* message = messageLabel((QByteArray(name) + "Message").constData(), true);
    message->setAlignment(Qt::AlignLeft |
                          Qt::AlignTop);  // against its field, whatever the row's height
    message->hide();
    rows.addRow(nullptr, message);
    inputs_[indexOf(field)] = {control, message};
}

std::string StrengthPage::textOf(InputField field) const {
    if (field == InputField::Ka) {
        const QString typed = ka_->currentText().trimmed();
        for (const ApplicationFactorChoice& choice : applicationFactorChoices()) {
            if (typed == QString::fromStdString(choice.label)) {
                return engine::writeNumber(choice.value);
            }
        }
        return typed.toStdString();
    }
    const auto* edit = qobject_cast<const QLineEdit*>(inputs_[indexOf(field)].control);
    return edit != nullptr ? edit->text().toStdString() : std::string();
}

StrengthPage::Evaluation StrengthPage::evaluate() const {
    const StrengthInputTexts read = readStrengthInput(
        [this](InputField field) { return textOf(field); }, kJoints[joint_->currentIndex()],
        kConditions[conditions_->currentIndex()], hardened_->isChecked());
    Evaluation shown;
    shown.loadGiven = read.loadGiven;
    shown.problems = read.problems;
    document::SplineStrength checked = document::checkStrength(document_, read.input);
    shown.notChecked = std::move(checked.notChecked);
    if (shown.notChecked) {
        return shown;
    }
    for (InputProblem& problem : checked.check.problems) {
        const bool unread = problem.field && read.unread.contains(*problem.field);
        const bool noLoadYet = !read.loadGiven && problem.field == InputField::Torque;
        if (!unread && !noLoadYet) {
            shown.problems.push_back(std::move(problem));
        }
    }
    if (shown.problems.empty() && read.loadGiven) {
        shown.result = std::move(checked.check.result);
    }
    return shown;
}

void StrengthPage::refresh() {
    const Evaluation shown = evaluate();
    showProblems(shown);
    const bool pAllowedNamed = std::ranges::any_of(
        shown.problems, [](const InputProblem& p) { return p.field == InputField::PAllowed; });
    showPermissiblePressure(pAllowedNamed);
    showResult(shown.result);
}

std::vector<std::string> StrengthPage::resultLines() const {
    const Evaluation shown = evaluate();
    return shown.result ? strength::resultLines(*shown.result) : std::vector<std::string>{};
}

// The table's value the check takes when [p] is left empty, or that there is none to take (the
// note, unless a message beside [p] says so already).
void StrengthPage::showPermissiblePressure(bool pAllowedNamed) {
    const auto range =
        permissiblePressure(kJoints[joint_->currentIndex()],
                            kConditions[conditions_->currentIndex()], hardened_->isChecked());
    if (range) {
        const QString low = QString::fromStdString(engine::writeNumber(range->low));
        pAllowed_->setPlaceholderText(
            QStringLiteral("%1（表值 %1–%2）")
                .arg(low, QString::fromStdString(engine::writeNumber(range->high))));
    } else {
        pAllowed_->setPlaceholderText(QStringLiteral("表中无值，请输入"));
    }
    pAllowedNote_->setVisible(!range && !pAllowedNamed);
}

void StrengthPage::showProblems(const Evaluation& shown) {
    for (InputField field : kInputFields) {
        QStringList lines;
        for (const InputProblem& problem : shown.problems) {
            if (problem.field == field) {
                lines << QString::fromStdString(problem.message);
            }
        }
        showMessageLines(*inputs_[indexOf(field)].message, lines);
    }
    QStringList general;
    for (const InputProblem& problem : shown.problems) {
        if (!problem.field) {
            general << QString::fromStdString(problem.message);
        }
    }
    message_->setStyleSheet(general.isEmpty() ? QString() : kFailColour);
    if (shown.notChecked) {
        general << QStringLiteral("未校核：") + QString::fromStdString(*shown.notChecked);
    } else if (!shown.loadGiven && shown.problems.empty()) {
        general << text(kLoadMissing);
    }
    showMessageLines(*message_, general);
}

void StrengthPage::showResult(const std::optional<StrengthResult>& result) {
    for (ResultField field : kResultFields) {
        QLineEdit* shown = results_[static_cast<std::size_t>(field)];
        if (shown == nullptr) {
            continue;
        }
        QString value = kNotShown;
        if (result && field == ResultField::TauSafety && !result->tauSafety) {
            value = QStringLiteral("未给出屈服强度 Re，不校核");
        } else if (result) {
            value = QString::fromStdString(resultText(*result, field));
        }
        showText(*shown, value);
    }
    verdict_->setText(result ? QString::fromStdString(result->verdict) : kNotShown);
    verdict_->setStyleSheet(!result ? QString() : result->ok ? kPassColour : kFailColour);
}

}  // namespace quillon::ui
