#include <QTest>

#include "quillon/controls/xp_button.h"

class XPButtonTest final : public QObject {
    Q_OBJECT
  private slots:
    void constructs() {
        quillon::XPButton button;
        QCOMPARE(button.colorStyle(), 1);
    }
};

QTEST_MAIN(XPButtonTest)
#include "xp_button_test.moc"
