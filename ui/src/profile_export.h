#pragma once

#include <QByteArray>
#include <QString>

#include "quillon/geometry/profile_input.h"
#include "quillon/geometry/tooth_form.h"

namespace quillon::ui {

// The contour and the circles d, db, da, df as an SVG drawing true to size (see svgDrawing);
// `title` and `creator` (program and version) go into the file's title and description.
QByteArray profileSvg(const ProfileInput& input, const ToothForm& form, const QString& title,
                      const QString& creator);

// The same drawing as DXF text (see dxfDrawing).
QByteArray profileDxf(const ProfileInput& input, const ToothForm& form, const QString& title,
                      const QString& creator);

}  // namespace quillon::ui
