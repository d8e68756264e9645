#pragma once

#include <QPixmap>
#include <QString>

#include "quillon/ui/window_controls.h"
#include "quillon/ui/window_edition.h"

class QWidget;

namespace quillon::ui {

// Builds the controls of an edition's layout table on `window`, in the table's order (which is
// also the order they stack in), labels each field by the caption on its row, pairs the kind
// options and sets the focus order. Returns the controls by role.
WindowControls buildControls(QWidget& window, const WindowEdition& edition);

// A PNG picture compiled into the program. Naming the format spares the image reader from loading
// every image format plugin to guess it.
QPixmap pngPicture(const QString& path);

}  // namespace quillon::ui
