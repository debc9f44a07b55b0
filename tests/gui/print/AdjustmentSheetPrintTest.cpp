#include "PrintTestHarness.h"

#include "core/base/messages/Print.h"
#include "core/base/messages/TestMode.h"

#include <QPrintDialog>
#include <QRegularExpression>

namespace qtr {
namespace {

using test::WhenModal;

class AdjustmentSheetPrintTest : public test::PrintTestHarness {
protected:
    bool PrintSheet(const testmode::TuningValueTable& values, bool confirm)
    {
        WhenModal([confirm](QWidget& modal) {
            auto& dialog = dynamic_cast<QPrintDialog&>(modal);
            confirm ? dialog.accept() : dialog.reject();
        });
        return gui::PrintCommands::Of(Frame()).PrintAdjustmentSheet(values);
    }
};

TEST_F(AdjustmentSheetPrintTest, SheetShowsEveryItemWithItsValuesAndDashes)
{
    QPrinter& printer = gui::PrintCommands::Of(Frame()).Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::string target = folder.File("sheet.pdf");
    printer.setOutputFileName(QString::fromStdString(target));
    testmode::TuningValueTable values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<int>(200 + i);
    const ImageBytes before = App().state.image;

    EXPECT_TRUE(PrintSheet(values, true));
    EXPECT_TRUE(harness.prompter.AskedIds().empty()) << "the test-mode panel says that it was printed";
    const QStringList pages = PdfPages(target);
    ASSERT_EQ(pages.size(), 1);
    const QString& sheet = pages[0];
    EXPECT_TRUE(sheet.contains("QTR-31X Programming Data"));
    EXPECT_TRUE(sheet.contains("Adjustment Values"));
    EXPECT_TRUE(sheet.contains(QRegularExpression("Master\\s+Low\\s+Low-Mid\\s+Middle\\s+High-Mid\\s+High\\s+Narrow")))
        << sheet.toStdString();
    // Item 0: six points, no narrow value; item 2: four points and narrow; item 14: master only.
    const QString item0 = QString::fromUtf8(App().catalog.MessageText(messages::testmode::kTxPowerHigh, 1));
    const QString item2 = QString::fromUtf8(App().catalog.MessageText(messages::testmode::kMaximumDeviation, 1));
    const QString item14 = QString::fromUtf8(App().catalog.MessageText(messages::testmode::kRssi, 1));
    EXPECT_TRUE(sheet.contains(QRegularExpression(QRegularExpression::escape(item0) +
                                                  "\\s+210\\s+211\\s+212\\s+213\\s+214\\s+215\\s+-\\n")))
        << sheet.toStdString();
    EXPECT_TRUE(sheet.contains(QRegularExpression(QRegularExpression::escape(item2) +
                                                  "\\s+228\\s+229\\s+-\\s+230\\s+-\\s+231\\s+232\\n")));
    EXPECT_TRUE(sheet.contains(QRegularExpression(QRegularExpression::escape(item14) +
                                                  "\\s+258\\s+-\\s+-\\s+-\\s+-\\s+-\\s+-\\n")));
    EXPECT_EQ(App().state.image, before);
}

TEST_F(AdjustmentSheetPrintTest, CancelledPrinterDialogPrintsNoSheet)
{
    EXPECT_FALSE(PrintSheet({}, false));
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::print::kPrintCancelled});
}

} // namespace
} // namespace qtr
