#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

class QMenu;

namespace quillon::ui {

class DIN5480;
class Gbt3478Window;
class SplineDetailsWindow;

// The window menu of the main window (its icon, a right click on a free area, Alt+Space): the
// details window's pages, the GB/T 3478.1 window (tolerance edition), "复制结果" and
// "关于 quillon…". Made on first use, like the windows it opens, so that none costs anything at
// start-up.
class WindowMenu final : public QObject {
  public:
    explicit WindowMenu(DIN5480& window);

    // Shows the menu with its top-left corner at `globalPosition`; returns at once.
    void popup(QPoint globalPosition);
    QMenu& menu() { return *menu_; }

    SplineDetailsWindow& details();
    // The details window when it has been made, else nullptr.
    SplineDetailsWindow* detailsIfMade() const { return details_; }

    Gbt3478Window& gbt3478();

    // What "复制结果" puts on the clipboard: the designation line, then the report the file
    // command would write now, and the strength check's lines when its page has a result, as
    // UTF-8 lines ended by line feeds.
    QString resultsText() const;

  private:
    void copyResults();

    DIN5480& window_;
    QMenu* menu_;
    QPointer<SplineDetailsWindow> details_;  // a child of the window, which deletes it
    QPointer<Gbt3478Window> gbt3478_;        // likewise
};

}  // namespace quillon::ui
