#include "gui/print/PrintCommands.h"

#include "core/app/CommandIds.h"
#include "core/app/FileReport.h"
#include "core/app/Workspace.h"
#include "core/base/Clock.h"
#include "core/base/FilePicker.h"
#include "core/base/Prompter.h"
#include "core/testmode/AdjustmentSheet.h"
#include "gui/widgets/CommandWindow.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Print.h"
#include "gui/print/PrintListDialog.h"
#include "pages/ReportPainter.h"
#include "gui/widgets/StatusReport.h"

#include <QAction>
#include <QCloseEvent>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QScreen>

#include <filesystem>

namespace qtr::gui {

namespace {

constexpr const char* kObjectName = "PrintCommands";
// Large enough to read a page at its width, small enough to leave the main window in view.
constexpr double kPreviewShareOfScreen = 0.75;

// The printer by its name, or the file it prints into.
std::string PrinterTarget(const QPrinter& printer)
{
    const QString file = printer.outputFileName();
    return (file.isEmpty() ? printer.printerName() : file).toStdString();
}

// Opens at the width of the page, where its text can be read, and inside the screen, so that
// the Print button at the end of its toolbar is within reach on a small one too.
void FitToWidthAndScreen(QPrintPreviewDialog& preview)
{
    if (auto* fitWidth = preview.findChild<QAction*>("fitWidthAction"))
        fitWidth->trigger();
    const QSize screen = preview.screen()->availableGeometry().size();
    preview.resize(preview.sizeHint().expandedTo(screen * kPreviewShareOfScreen).boundedTo(screen));
}

} // namespace

void PrintCommands::Register(CommandWindow& frame)
{
    auto* commands = new PrintCommands(frame);
    frame.RegisterCommand(command::kPrint, [commands](CommandWindow&) { commands->Print(); });
    frame.RegisterCommand(command::kPrintPreview, [commands](CommandWindow&) { commands->ShowPreview(); });
    frame.RegisterCommand(command::kExportPdf, [commands](CommandWindow&) { commands->ExportPdf(); });
}

PrintCommands::PrintCommands(CommandWindow& frame) : QObject(&frame), frame_(frame)
{
    setObjectName(kObjectName);
    frame.installEventFilter(this);
}

QPrinter& PrintCommands::Printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>();
        printer_->setDocName(kJobName);
    }
    return *printer_;
}

bool PrintCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &frame_ && event->type() == QEvent::Close && preview_) {
        preview_->close();
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

PrintCommands& PrintCommands::Of(CommandWindow& frame)
{
    return *frame.findChild<PrintCommands*>(kObjectName, Qt::FindDirectChildrenOnly);
}

void PrintCommands::Print()
{
    const auto sections = ChooseSections();
    if (!sections)
        return;
    PrintOnPrinter([this, sections](bool landscape, const std::tm& printedAt) {
        return BuildFor(*sections, landscape, printedAt);
    });
}

bool PrintCommands::PrintAdjustmentSheet(const testmode::TuningValueTable& values)
{
    Workspace& app = frame_.App();
    return PrintOnPrinter([&app, &values](bool, const std::tm& printedAt) {
        return testmode::AdjustmentReport(app.state, app.catalog, values, app.document.Name(), printedAt);
    });
}

bool PrintCommands::PrintOnPrinter(const std::function<report::Report(bool, const std::tm&)>& build)
{
    QPrintDialog dialog(&Printer(), &frame_);
    if (dialog.exec() != QDialog::Accepted) {
        Tell(messages::print::kPrintCancelled, {}, false);
        return false;
    }
    if (!pages::PaintReport(build(PrinterIsLandscape(Printer()), frame_.TimeOfDay().Now()), Printer())) {
        Tell(messages::print::kPrinterFailed, "\n\n" + PrinterTarget(Printer()), true);
        return false;
    }
    return true;
}

void PrintCommands::ShowPreview()
{
    if (preview_) {
        preview_->raise();
        preview_->activateWindow();
        return;
    }
    const std::tm printedAt = frame_.TimeOfDay().Now();
    const report::SectionMask all = report::OfferedSections(frame_.App().state.IsParlane());
    preview_ = new QPrintPreviewDialog(&Printer(), &frame_);
    preview_->setAttribute(Qt::WA_DeleteOnClose);
    // The preview redraws on every change of its page set-up; the time stays the one taken here.
    connect(preview_, &QPrintPreviewDialog::paintRequested, this, [this, all, printedAt](QPrinter* printer) {
        pages::PaintReport(BuildFor(all, PrinterIsLandscape(*printer), printedAt), *printer);
    });
    FitToWidthAndScreen(*preview_);
    preview_->show();
}

void PrintCommands::ExportPdf()
{
    const auto sections = ChooseSections();
    if (!sections)
        return;
    Workspace& app = frame_.App();
    const std::string name = std::filesystem::path(app.document.Name()).replace_extension(".pdf").string();
    const auto path = app.document.Picker().ChooseExportPath(app.document.DataFolder(), name, "pdf");
    if (!path)
        return;
    const bool landscape = PrinterIsLandscape(Printer());
    const report::Report pages = BuildFor(*sections, landscape, frame_.TimeOfDay().Now());
    if (const auto failure = pages::WriteReportPdf(pages, *path, landscape))
        return Tell(messages::print::kPdfFailed, "\n\n" + *path + ":\n" + *failure, true);
    const int pageCount = static_cast<int>(pages.pages.size());
    ShowInStatusBar(frame_, FileReportText(app.catalog, messages::print::kPdfWritten, *path, pageCount));
}

std::optional<report::SectionMask> PrintCommands::ChooseSections()
{
    Workspace& app = frame_.App();
    PrintListDialog dialog(app.catalog, frame_.Help(), app.state.IsParlane(), Printer(), &frame_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Checked();
}

report::Report PrintCommands::BuildFor(report::SectionMask sections, bool landscape, const std::tm& printedAt) const
{
    const Workspace& app = frame_.App();
    return report::BuildReport(app.state, app.catalog, {sections, landscape, app.document.Name(), printedAt});
}

bool PrintCommands::PrinterIsLandscape(const QPrinter& printer) const
{
    return printer.pageLayout().orientation() == QPageLayout::Landscape;
}

void PrintCommands::Tell(int messageId, const std::string& detail, bool error)
{
    frame_.App().prompter.Ask(
        {.captionId = error ? messages::common::kErrorCaption : messages::common::kQuestionCaption,
         .messageId = messageId,
         .detail = detail,
         .form = PromptForm::MessageThenDetail,
         .icon = error ? Icon::Error : Icon::Information});
}

} // namespace qtr::gui
