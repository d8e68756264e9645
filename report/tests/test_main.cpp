#include <gtest/gtest.h>

#include <QFont>
#include <QGuiApplication>

// The printed report needs fonts, hence a GUI application; it runs without a display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    // As the window does: the Song face the reports name is the installed AR PL UMing.
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("AR PL UMing CN"), QStringLiteral("SimSun")});
    return RUN_ALL_TESTS();
}
