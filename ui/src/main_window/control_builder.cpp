#include "control_builder.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

#include "event_guard.h"
#include "glyph_circle.h"
#include "menu_icon.h"
#include "quillon/controls/group_frame.h"
#include "quillon/controls/xp_button.h"

using namespace quillon::controls;

namespace quillon::ui {
namespace {

QFont fontOf(const LayoutFont& face) {
    QFont font(QString::fromUtf8(face.family));
    // Sizes are designed for 96 dpi, like the twips of the layout.
    font.setPixelSize(static_cast<int>(std::lround(face.points * 96.0 / 72.0)));
    font.setBold(face.bold);
    return font;
}

void setColour(QWidget& widget, QPalette::ColorRole role, std::optional<QRgb> colour) {
    if (colour) {
        QPalette colours = widget.palette();
        colours.setColor(role, QColor::fromRgb(*colour));
        widget.setPalette(colours);
    }
}

// Enter does nothing in the lists: a typed module is not a picked one.
bool isEnter(QEvent& event) {
    if (event.type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent&>(event).key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QLabel* createLabel(const QString& text, const LayoutFont& font, QWidget* parent,
                    int captionAlignment = 0) {
    auto* label = new QLabel(text, parent);
    label->setFont(fontOf(font));
    label->setAlignment((captionAlignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    return label;
}

QWidget* createControl(const ControlLayout& row, QWidget* parent) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
        case ControlKind::Picture: {
            auto* picture = new QLabel(parent);
            picture->setPixmap(pngPicture(text));
            picture->setScaledContents(true);
            return picture;
        }
        case ControlKind::MenuIcon:
            return new MenuIcon(pngPicture(text), parent);
        case ControlKind::Circle:
            return new GlyphCircle(QColor::fromRgb(*row.background), parent);
        case ControlKind::Label: {
            QLabel* label = createLabel(text, row.font, parent, row.captionAlignment);
            setColour(*label, QPalette::WindowText, row.foreground);
            return label;
        }
        case ControlKind::TextField: {
            auto* field = new QLineEdit(text, parent);
            field->setFont(fontOf(row.font));
            field->setAlignment(Qt::AlignCenter);
            field->setReadOnly(!row.editable);
            if (!row.editable) {
                new EventGuard(*field, refuseInputMethod);
            }
            setColour(*field, QPalette::Base, row.background);
            return field;
        }
        case ControlKind::DropDownList: {
            auto* list = new QComboBox(parent);
            list->setEditable(true);
            list->setInsertPolicy(QComboBox::NoInsert);
            list->setCompleter(nullptr);  // the typed text stays exactly as typed
            // Nor does leaving the list pick the entry whose text was typed (the toolkit would
            // then raise activated, as for a pick: a typed module would replace the pin diameter).
            QObject::disconnect(list->lineEdit(), SIGNAL(editingFinished()), list,
                                SLOT(_q_editingFinished()));
            list->setFont(fontOf(row.font));
            list->setEditText(text);
            new EventGuard(*list, isEnter);
            return list;
        }
        case ControlKind::OptionButton: {
            auto* option = new QRadioButton(text, parent);
            option->setFont(fontOf(row.font));
            option->setAccessibleName(text);
            return option;
        }
        case ControlKind::CommandButton: {
            auto* button = new XPButton(parent);
            button->setCaption(text);
            button->setAccessibleName(text);
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

// Names and places a control; assistive tools read its name as its description.
void place(QWidget& control, const char* name, const TwipsRect& where) {
    control.setObjectName(QString::fromUtf8(name));
    control.setGeometry(where.pixels());
    control.setAccessibleDescription(control.objectName());
}

// The caption on the field's row names the field: assistive tools read the label relation (and,
// for lists on Linux, the name of the list's edit field).
QLineEdit* labelField(QLabel& label, QWidget& control) {
    label.setBuddy(&control);
    control.setAccessibleName(label.text());
    if (auto* list = qobject_cast<QComboBox*>(&control)) {
        list->lineEdit()->setAccessibleName(label.text());
        list->lineEdit()->setAccessibleDescription(control.objectName());
        return list->lineEdit();
    }
    return qobject_cast<QLineEdit*>(&control);
}

}  // namespace

QPixmap pngPicture(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

WindowControls buildControls(QWidget& window, const WindowEdition& edition) {
    WindowControls controls;
    QHash<QString, QWidget*> built;  // by name, for the groups and the focus order
    for (const ControlLayout& row : edition.layout) {
        QWidget* parent =
            *row.parent == '\0' ? &window : built.value(QString::fromUtf8(row.parent));
        Q_ASSERT(parent != nullptr);
        QLabel* label = nullptr;
        if (row.label) {
            label = createLabel(QString::fromUtf8(row.label->caption), row.label->font, parent);
            place(*label, row.label->name, row.label->place);
        }
        QWidget* control = createControl(row, parent);
        place(*control, row.name, row.place);
        built.insert(control->objectName(), control);
        if (label != nullptr) {
            controls.fields[static_cast<std::size_t>(*row.field)] = labelField(*label, *control);
        }
        if (row.slot != nullptr) {
            row.slot(controls, control);
        }
    }
    // The two kind options form one exclusive pair.
    auto* kinds = new QButtonGroup(&window);
    kinds->addButton(controls.external);
    kinds->addButton(controls.internal);

    QWidget* previous = nullptr;
    for (const char* name : edition.focusOrder) {
        QWidget* control = built.value(QString::fromUtf8(name));
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control);
        } else {
            control->setFocus();  // the window opens with the first control of the order focused
        }
        previous = control;
    }
    return controls;
}

}  // namespace quillon::ui
