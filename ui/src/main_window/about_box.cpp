#include "about_box.h"

#include <QMessageBox>

#include "quillon/version.h"

namespace quillon::ui {

void showAboutBox(QWidget* parent, bool toleranceEdition) {
    const QString name = toleranceEdition ? QStringLiteral("quillon（公差版）")
                                          : QStringLiteral("quillon-lite（简化版）");
    const QString text =
        name + QStringLiteral("\n版本 ") + QString::fromUtf8(kVersion) +
        QStringLiteral(
            "\n许可证：GPL-3.0-or-later\n\n按 DIN 5480 计算渐开线花键（压力角 30°）的"
            "几何尺寸、公法线长度 W 与跨棒距 M") +
        (toleranceEdition ? QStringLiteral("及其极限尺寸。") : QStringLiteral("。"));
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("关于 quillon"), text,
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("aboutBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace quillon::ui
