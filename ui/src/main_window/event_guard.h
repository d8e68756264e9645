#pragma once

#include <QObject>
#include <functional>

class QEvent;
class QWidget;

namespace quillon::ui {

// Runs a function on every event of the control it watches; true swallows the event. A child of
// the control, so it goes with it.
class EventGuard final : public QObject {
  public:
    EventGuard(QWidget& control, std::function<bool(QEvent&)> swallows);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<bool(QEvent&)> swallows_;
};

// A read-only field takes no text from an input method. The toolkit tells the system's input
// method that a read-only line edit accepts input and then inserts what it commits (QTBUG-119182),
// so pinyin typed into a result field would replace the result. For an EventGuard.
bool refuseInputMethod(QEvent& event);

}  // namespace quillon::ui
