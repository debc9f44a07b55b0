#include "TempFolder.h"

#include <QApplication>
#include <QSettings>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

// Widget tests need one application object, no native dialog that could hang a run,
// and settings and documents that stay out of the user's home.
int main(int argc, char** argv)
{
    static const qtr::test::TempFolder configuration;
    setenv("XDG_CONFIG_HOME", configuration.Path().c_str(), 1);
    // The documents folder, where the default data folder is made, is $HOME/Documents.
    setenv("HOME", configuration.Path().c_str(), 1);
    const std::string runtime = configuration.File("runtime");
    std::filesystem::create_directory(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    unsetenv("QT_QPA_PLATFORMTHEME");
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication application(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(configuration.Path()));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
