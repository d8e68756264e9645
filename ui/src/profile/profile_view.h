#pragma once

#include <QGraphicsView>

namespace quillon::ui {

// The drawing of the profile page: the wheel zooms about the pointer, dragging pans, fitAll shows
// the whole scene again.
class ProfileView final : public QGraphicsView {
  public:
    explicit ProfileView(QWidget* parent = nullptr);

    void fitAll();
    // After the scene was redrawn: fits it again unless the user has zoomed.
    void keepFitted();

  protected:
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    bool userZoomed_ = false;
};

}  // namespace quillon::ui
