#include "GuiHarness.h"

#include "core/app/LanguageSetup.h"
#include "gui/widgets/StatusPanes.h"
#include "gui/document/DataFileDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>

#include <gtest/gtest.h>

namespace qtr {
namespace {

class QtTranslationsTest : public ::testing::Test {
protected:
    void Start(int language)
    {
        harness.settings.WriteInteger("Backup", "Language", language);
        harness.Start();
    }
    static bool HasQtTranslation(const QString& locale)
    {
        return QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_" + locale + ".qm");
    }
    // The texts of the program's Open dialog that Qt supplies.
    QStringList OpenDialogTexts()
    {
        gui::DataFileDialog dialog(gui::DataFileDialog::Purpose::Open, harness.App().catalog, QFont(), QString(),
                                   QString());
        return {dialog.findChild<QLabel*>("lookInLabel")->text(), dialog.findChild<QLabel*>("fileNameLabel")->text(),
                dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Open)->text(),
                dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel)->text()};
    }
    void ChooseLanguage(int language)
    {
        ASSERT_EQ(LanguageSetup(harness.App()).Ok(language - 1), LanguageSetup::Outcome::Closed);
        QCoreApplication::processEvents();
    }

    test::GuiHarness harness;
};

const QStringList kEnglishTexts{"Look in:", "File &name:", "&Open", "Cancel"};

TEST_F(QtTranslationsTest, QtDialogsSpeakSpanishFromStartUpAndEnglishAfterSwitchingBack)
{
    if (!HasQtTranslation("es"))
        GTEST_SKIP() << "Qt's Spanish translation (qtbase_es.qm, Debian package qt6-translations-l10n) is missing";
    Start(2);
    EXPECT_EQ(OpenDialogTexts(), QStringList({"Ver en:", "&Nombre de fichero:", "&Abrir", "Cancelar"}));

    ChooseLanguage(1);
    EXPECT_EQ(OpenDialogTexts(), kEnglishTexts);
    ChooseLanguage(2);
    EXPECT_EQ(OpenDialogTexts().first(), "Ver en:");
}

TEST_F(QtTranslationsTest, QtDialogsSpeakChineseWithChineseChosen)
{
    if (!HasQtTranslation("zh_CN"))
        GTEST_SKIP() << "Qt's Chinese translation (qtbase_zh_CN.qm, Debian package qt6-translations-l10n) is missing";
    Start(3);
    EXPECT_EQ(OpenDialogTexts(), QStringList({"查找范围：", "文件名称(&N)：", "打开(&O)", "取消"}));
}

TEST_F(QtTranslationsTest, EnglishLeavesQtsOwnTexts)
{
    Start(1);
    EXPECT_EQ(OpenDialogTexts(), kEnglishTexts);
}

TEST_F(QtTranslationsTest, TheStatusBarDateTakesTheNewLanguagesPatternAtOnce)
{
    harness.clock.now = {.tm_sec = 9, .tm_min = 5, .tm_hour = 13, .tm_mday = 1, .tm_mon = 6, .tm_year = 111};
    Start(1);
    EXPECT_EQ(harness.Frame().Panes().DateText(), "07/01/11");
    ChooseLanguage(2);
    EXPECT_EQ(harness.Frame().Panes().DateText(), "01/07/11");
}

} // namespace
} // namespace qtr
