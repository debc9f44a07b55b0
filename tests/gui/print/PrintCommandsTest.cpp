#include "PrintTestHarness.h"

#include "core/base/messages/App.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Keys.h"
#include "core/base/messages/Print.h"
#include "core/features/OptionalFeaturesForm.h"
#include "core/model/MessageFields.h"

#include <QCheckBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QStatusBar>

#include <filesystem>

namespace qtr {
namespace {

using report::PrintSection;
using test::WhenModal;

class PrintCommandsTest : public test::PrintTestHarness {};

TEST_F(PrintCommandsTest, PdfOfEverySectionFollowsThePlanWithFrameAndPageNumbers)
{
    UseModel(kLmrUhfL, 0x8B, 16, "462.5625");
    OptionalFeaturesForm(App().state, App().catalog).Form().CommitText(OptionalFeaturesForm::kTimeOutTimer, "60");
    const std::string hello = "HELLO SHOP";
    std::copy(hello.begin(), hello.end(), App().state.image.begin() + message::kLine1.offset);
    App().state.MarkSaved();
    const ImageBytes before = App().state.image;

    const std::string path = folder.File("all.pdf");
    ExportPdf(path);
    EXPECT_TRUE(harness.prompter.asked.empty());
    const QStringList pages = PdfPages(path);
    ASSERT_EQ(pages.size(), 11); // seven sections and four pages of four channels
    EXPECT_EQ(harness.Frame().statusBar()->currentMessage().toStdString(), "PDF written to " + path + ": 11 pages.");
    for (int i = 0; i < pages.size(); ++i) {
        const QString& page = pages[i];
        EXPECT_TRUE(page.contains("QTR-31X Programming Data")) << i;
        EXPECT_TRUE(page.contains("12/07/26 14:05:09")) << i;
        EXPECT_TRUE(page.contains(QRegularExpression("Model Type\\s+RB-8100L LMR \\(UHF\\)"))) << i;
        EXPECT_TRUE(page.contains(QRegularExpression("No. of Channels\\s+15/16 Channels"))) << i;
        EXPECT_TRUE(page.contains(QRegularExpression("Frequency\\s+450-470 MHz"))) << i;
        EXPECT_TRUE(page.contains(QRegularExpression("File Name\\s+Untitled"))) << i;
        EXPECT_TRUE(page.contains(QRegularExpression(QString("\\n\\s+-\\s?%1\\s?-\\n").arg(i + 1)))) << i;
    }
    EXPECT_TRUE(pages[0].contains(QRegularExpression("Time Out Timer \\(TOT\\) \\[s\\]\\s+60\\n")));
    EXPECT_TRUE(pages[1].contains(QRegularExpression("PF1\\s+\\S")));
    EXPECT_TRUE(pages[6].contains("HELLO SHOP"));
    EXPECT_TRUE(pages[10].contains("Channel 16 (S)"));
    EXPECT_TRUE(pages[7].contains(QRegularExpression("RX Frequency\\s+462.56250\\s+RX Frequency\\s+462.56250")))
        << pages[7].toStdString();
    EXPECT_EQ(App().state.image, before);
    EXPECT_FALSE(App().document.IsModified());
}

TEST_F(PrintCommandsTest, ParlanePdfLeavesOutDtmfAndVantalinkAndPrintsSixChannelsAPage)
{
    UseModel(kParlaneUhfL, 0x85, -1, "");
    ASSERT_EQ(report::ProgrammedChannelCount(App().state), 8) << "the ready-made Parlane channel plan";
    const std::string path = folder.File("parlane.pdf");
    ExportPdf(path, [](gui::PrintListDialog& dialog) {
        EXPECT_EQ(dialog.Checked(), 0xE7u);
        EXPECT_EQ(dialog.findChildren<QCheckBox*>().size(), 6);
    });
    const QStringList pages = PdfPages(path);
    ASSERT_EQ(pages.size(), 7); // five sections, channels 1-6 and 7-8
    EXPECT_TRUE(pages[0].contains("RB-8100L Parlane (UHF)"));
    EXPECT_TRUE(pages[0].contains("461-470 MHz"));
    EXPECT_TRUE(pages[5].contains("Channel 5") && pages[5].contains("Channel 6"));
    EXPECT_TRUE(pages[6].contains("Channel 7") && pages[6].contains("Channel 8"));
    EXPECT_FALSE(PdfText(path).contains("DTMF"));
}

TEST_F(PrintCommandsTest, LandscapeGivesOptionalFeaturesAndDtmfTwoPagesEach)
{
    UseModel(kLmrVhf, 0x15, 1, "155.5");
    Commands().Printer().setPageOrientation(QPageLayout::Landscape);
    const std::string path = folder.File("landscape.pdf");
    ExportPdf(path);
    EXPECT_EQ(PdfPages(path).size(), 10);

    const std::string chosen = folder.File("chosen.pdf");
    ExportPdf(chosen, [](gui::PrintListDialog& dialog) {
        dialog.AllClearButton()->click();
        dialog.Box(PrintSection::ChannelInformation)->click();
        dialog.Box(PrintSection::KeyAssignment)->click();
    });
    const QStringList pages = PdfPages(chosen);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("Key Assignment"));
    EXPECT_TRUE(pages[1].contains("Channel 1") && pages[1].contains("155.50000"));
}

TEST_F(PrintCommandsTest, ChineseAndSpanishPagesKeepTheirCharacters)
{
    const std::pair<int, QString> languages[] = {{MessageCatalog::kChinese, QString::fromUtf8("QTR-31X 编程数据")},
                                                 {MessageCatalog::kSpanish, QString::fromUtf8("Datos de programación")}};
    for (const auto& [language, title] : languages) {
        App().language = language;
        ASSERT_EQ(App().ReloadLanguage(), MessageCatalog::kLoaded);
        const std::string path = folder.File("language" + std::to_string(language) + ".pdf");
        ExportPdf(path, [](gui::PrintListDialog& dialog) {
            dialog.AllClearButton()->click();
            dialog.Box(PrintSection::KeyAssignment)->click();
        });
        const QString text = PdfText(path);
        EXPECT_TRUE(text.contains(title)) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(App().catalog.MessageText(messages::keys::kTitle, 1))));
    }
}

TEST_F(PrintCommandsTest, UnwritablePdfPathIsToldWithPathAndReasonAndLeavesNoFile)
{
    const std::string path = folder.File("missing-folder/out.pdf");
    ExportPdf(path);
    ASSERT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::print::kPdfFailed});
    EXPECT_EQ(harness.prompter.asked[0].captionId, messages::common::kErrorCaption);
    EXPECT_NE(harness.prompter.asked[0].detail.find(path), std::string::npos);
    EXPECT_NE(harness.prompter.asked[0].detail.find("No such file or directory"), std::string::npos)
        << harness.prompter.asked[0].detail;
    EXPECT_FALSE(std::filesystem::exists(folder.File("missing-folder")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 0);
}

TEST_F(PrintCommandsTest, CancelledListOrFileDialogWritesNothingAndAsksNothing)
{
    WhenModal([](QWidget& modal) { dynamic_cast<QDialog&>(modal).reject(); });
    Frame().Action(command::kExportPdf)->trigger();
    EXPECT_TRUE(harness.picker.saveNames.empty());
    WhenModal([](QWidget& modal) { dynamic_cast<gui::PrintListDialog&>(modal).OkButton()->click(); });
    Frame().Action(command::kExportPdf)->trigger(); // no path: the file dialog was cancelled
    EXPECT_EQ(harness.picker.saveNames, std::vector<std::string>{"Untitled.pdf"});
    EXPECT_TRUE(harness.prompter.asked.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 0);
}

TEST_F(PrintCommandsTest, PrintCancelledInThePrinterDialogIsToldAndChangesNothing)
{
    const ImageBytes before = App().state.image;
    WhenModal([](QWidget& list) {
        dynamic_cast<gui::PrintListDialog&>(list).OkButton()->click();
        WhenModal([](QWidget& printer) { dynamic_cast<QPrintDialog&>(printer).reject(); });
    });
    Frame().Action(command::kPrint)->trigger();
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::print::kPrintCancelled});
    EXPECT_EQ(App().state.image, before);
    EXPECT_EQ(Commands().Printer().docName(), "RTW QTR-31X");
}

TEST_F(PrintCommandsTest, PrinterThatFailsIsToldAndChangesNothing)
{
    const ImageBytes before = App().state.image;
    QPrinter& printer = Commands().Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::string target = folder.File("no-such-folder/printed.pdf");
    printer.setOutputFileName(QString::fromStdString(target));
    WhenModal([](QWidget& list) {
        dynamic_cast<gui::PrintListDialog&>(list).OkButton()->click();
        WhenModal([](QWidget& dialog) { dynamic_cast<QPrintDialog&>(dialog).accept(); });
    });
    Frame().Action(command::kPrint)->trigger();
    ASSERT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::print::kPrinterFailed});
    EXPECT_NE(harness.prompter.asked[0].detail.find("printed.pdf"), std::string::npos);
    EXPECT_EQ(App().state.image, before);
}

TEST_F(PrintCommandsTest, PrintToAFileGoesThroughTheSamePages)
{
    QPrinter& printer = Commands().Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::string target = folder.File("printed.pdf");
    printer.setOutputFileName(QString::fromStdString(target));
    WhenModal([](QWidget& list) {
        auto& dialog = dynamic_cast<gui::PrintListDialog&>(list);
        dialog.AllClearButton()->click();
        dialog.Box(PrintSection::TestFrequency)->click();
        dialog.OkButton()->click();
        WhenModal([](QWidget& printerDialog) { dynamic_cast<QPrintDialog&>(printerDialog).accept(); });
    });
    Frame().Action(command::kPrint)->trigger();
    EXPECT_TRUE(harness.prompter.asked.empty());
    const QStringList pages = PdfPages(target);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(QRegularExpression("1\\s+162.05000\\s+162.10000"))) << pages[0].toStdString();
    EXPECT_TRUE(pages[0].contains(QRegularExpression("\\n\\s+-\\s?1\\s?-\\n")));
}

// The preview opens at the page's width, readable, and closes before the main window.
TEST_F(PrintCommandsTest, ThePreviewOpensAtPageWidthAndClosesBeforeTheMainWindow)
{
    Frame().Action(command::kPrintPreview)->trigger();
    QPointer<QPrintPreviewDialog> preview = Commands().Preview();
    ASSERT_TRUE(preview);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->findChild<QPrintPreviewWidget*>()->zoomMode(), QPrintPreviewWidget::FitToWidth);
    EXPECT_FALSE(Frame().close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(preview);
    EXPECT_TRUE(harness.prompter.asked.empty()) << "no exit question while the preview was open";
    harness.prompter.answers = {Answer::No};
    EXPECT_FALSE(Frame().close());
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::app::kExitQuestion});
}

} // namespace
} // namespace qtr
