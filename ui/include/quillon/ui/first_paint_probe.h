#pragma once

class QApplication;

namespace quillon::ui {

// For the start-up benchmark (bench/startup/measure.sh): with QUILLON_EXIT_AFTER_FIRST_PAINT=1 in
// the environment, the program prints "first-paint-ns <wall clock since the epoch> cpu-us
// <processor time so far>" once its first window has painted and quits. Otherwise nothing happens.
// Kept in a library of its own (Qt Widgets only) so that the benchmark's empty yardstick program
// uses the very same probe without loading the calculator.
void installFirstPaintProbe(QApplication& application);

}  // namespace quillon::ui
