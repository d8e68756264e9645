#pragma once

#include <QGraphicsView>

namespace quillon::ui {

// The drawing of the profile page: the wheel zooms about the pointer, dragging pans, fitAll shows
// the whole scene again.
class ProfileView final : public QGraphicsView {
  public:
    explicit ProfileView(QWidget* parent = nullptr);

    void fitAll();

  protected:
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    bool userZoomed_ = false;
};

}  // namespace quillon::ui
