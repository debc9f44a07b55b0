#pragma once

#include "core/report/PrintReport.h"
#include "core/testmode/TestModeValues.h"

#include <QObject>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <memory>

namespace qtr::gui {

class CommandWindow;

// File > Print, Print Preview and Export PDF: the chosen sections drawn by the one report
// painter on the printer, in Qt's preview or into a PDF file. None of them changes the
// document; a failure or a cancelled print is told to the user.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    // The name print queues show for the job.
    static constexpr const char* kJobName = "RTW QTR-31X";

    static void Register(CommandWindow& frame);
    // The print commands of the main window (registered with it).
    static PrintCommands& Of(CommandWindow& frame);

    explicit PrintCommands(CommandWindow& frame);

    // The test-mode panel's Print, once the adjustment values are read: the printer dialog,
    // then the one-page adjustment-value sheet (the panel says that it was printed). False
    // when the user cancelled or the printer failed (the user has been told).
    bool PrintAdjustmentSheet(const testmode::TuningValueTable& values);

    // Made when first needed: a printer loads the system's print machinery.
    QPrinter& Printer();
    QPrintPreviewDialog* Preview() const { return preview_; }

protected:
    // Closing the main window while the preview is open closes the preview instead.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Print();
    void ShowPreview();
    void ExportPdf();
    // The sections the user checks in Print Out List; nothing when cancelled.
    std::optional<report::SectionMask> ChooseSections();
    report::Report BuildFor(report::SectionMask sections, bool landscape, const std::tm& printedAt) const;
    bool PrinterIsLandscape(const QPrinter& printer) const;
    // The printer dialog, then the pages; a cancel or a failure is told.
    bool PrintOnPrinter(const std::function<report::Report(bool landscape, const std::tm& printedAt)>& build);
    void Tell(int messageId, const std::string& detail, bool error);

    CommandWindow& frame_;
    std::unique_ptr<QPrinter> printer_;
    QPointer<QPrintPreviewDialog> preview_;
};

} // namespace qtr::gui
