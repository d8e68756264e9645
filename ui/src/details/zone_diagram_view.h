#pragma once

#include <QWidget>
#include <optional>

#include "quillon/document/zone_diagram.h"

namespace quillon::ui {

// The tolerance zones of a connection on a page, painted by paintZoneDiagram on white. Its
// accessible description is the diagram in words.
class ZoneDiagramView final : public QWidget {
  public:
    explicit ZoneDiagramView(QWidget* parent = nullptr);

    // Nothing is drawn without a diagram.
    void setDiagram(std::optional<document::ZoneDiagram> diagram);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<document::ZoneDiagram> diagram_;
};

}  // namespace quillon::ui
