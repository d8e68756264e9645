#pragma once

class QApplication;

namespace quillon::ui {

// What a user of a Chinese-language desktop expects from both programs wherever they run: the
// Windows font names of the window design mapped to installed families (宋体/SimSun to a Song
// face, Courier New to a metric-compatible mono face, Verdana and Tahoma to DejaVu Sans), and the
// toolkit's own dialogs in Simplified Chinese (确定, 取消, 保存). Call once after creating the
// application. Returns false when the translation could not be loaded (the dialogs stay English).
bool setUpApplication(QApplication& application);

}  // namespace quillon::ui
