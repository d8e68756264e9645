#include "gbt_scene_drawing.h"

#include "quillon/gbt3478/tooth_profile.h"

namespace quillon::ui {

GbtSceneDrawing gbtSceneDrawing(const gbt3478::SplineResult& r) {
    GbtSceneDrawing drawing;
    geometry::ProfileInput& in = drawing.input;
    in.kind = r.input.kind;
    in.z = r.input.z;
    in.m = r.input.module;
    in.alpha = r.input.pressureAngle;
    in.d = r.D;
    in.db = r.Db;
    in.da = r.profile.tipDiameter;
    in.df = r.profile.rootDiameter;
    if (r.pins) {
        in.dp = r.pins->dp;
        in.M = r.pins->M;
    }
    if (r.span) {
        in.k = r.span->k;
        in.W = r.span->W;
    }
    drawing.design = gbt3478::drawnToothForm(r);
    if (drawing.design.form) {
        drawing.check = geometry::checkMeasurements(*drawing.design.form, in);
    }
    return drawing;
}

}  // namespace quillon::ui
