#pragma once

#include <QWidget>
#include <optional>

#include "quillon/document/zone_diagram.h"

namespace quillon::ui {

// The tolerance zones of a connection painted from document::zoneDiagram: the zero line, the
// hub's and the shaft's zones side by side, effective zones hatched and actual ones in a solid
// tone (so that they differ without colour), every boundary labelled in µm, and the least and
// greatest clearance as dimension lines. Its accessible description is the diagram in words.
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
