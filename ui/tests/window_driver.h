#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <filesystem>
#include <memory>

#include "quillon/controls/xp_button.h"
#include "quillon/ui/din5480.h"

namespace quillon::ui::test {

// The directory that holds the generated db1.mdb.
inline std::filesystem::path databaseDirectory() {
    return std::filesystem::path(QUILLON_TEST_DB_DIR);
}

// Drives a window the way a user does: typing into fields, clicking buttons and options, picking
// list entries. Messages are collected instead of waiting in a modal box.
class WindowDriver {
  public:
    explicit WindowDriver(const WindowEdition& edition,
                          const std::filesystem::path& programDirectory = databaseDirectory())
        : window(std::make_unique<DIN5480>(edition)) {
        window->setMessageSink([this](const QString& text) {
            messages << text;
            if (onMessage) {
                onMessage(text);
            }
        });
        started = window->startUp(programDirectory);
        if (started) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        }
    }

    template <typename T = QWidget>
    T* control(const char* name) const {
        return window->findChild<T*>(QString::fromUtf8(name));
    }

    QString text(const char* name) const {
        if (auto* list = control<QComboBox>(name)) {
            return list->currentText();
        }
        auto* field = control<QLineEdit>(name);
        return field != nullptr ? field->text() : QStringLiteral("<missing %1>").arg(name);
    }

    // Replaces the text stroke by stroke, as typing does.
    void type(const char* name, const QString& text) {
        QLineEdit* editor = control<QLineEdit>(name);
        if (editor == nullptr) {
            editor = control<QComboBox>(name)->lineEdit();
        }
        editor->setFocus();
        editor->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(editor, Qt::Key_Delete);
        } else {
            QTest::keyClicks(editor, text);
        }
    }

    void click(const char* name) {
        QWidget* target = control(name);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    }

    // Picks an entry from a list's drop-down: open it, move to the entry, press Enter (the popup
    // ignores a mouse release right after it opened, so the keyboard is the reliable hand here).
    void pick(const char* listName, const QString& entry) {
        QComboBox* list = control<QComboBox>(listName);
        const int index = list->findText(entry);
        QVERIFY2(index >= 0, qPrintable(entry));
        list->showPopup();
        QAbstractItemView* view = list->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        view->setCurrentIndex(view->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!view->isVisible());
    }

    void calculate() { click("cmd1"); }

    std::unique_ptr<DIN5480> window;
    QStringList messages;
    std::function<void(const QString&)> onMessage;
    bool started = false;
};

}  // namespace quillon::ui::test
