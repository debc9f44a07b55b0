#include <QApplication>
#include <QSettings>

#include <gtest/gtest.h>

#include <cstdlib>

// Widget tests need one application object and no native dialog that could hang a run;
// settings and documents stay in the process's own home (PrivateHome).
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    unsetenv("QT_QPA_PLATFORMTHEME");
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication application(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, qEnvironmentVariable("XDG_CONFIG_HOME"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
