// qtr31x-cli print: the printed pages of a data file, written as a PDF.
#include "cli/CliContext.h"
#include "cli/Verb.h"

#include "core/base/SystemClock.h"
#include "core/report/PrintReport.h"
#include "pages/ReportPainter.h"

#include <QGuiApplication>

#include <cstdio>
#include <filesystem>

namespace qtr::cli {

namespace {

constexpr const char* kSectionNames = "features, keys, scan, dtmf, vantalink, testfreq, message, channels or all";

// Text layout needs the fonts of a GUI application, but not a screen: the offscreen
// platform serves a terminal or a build server as well.
class PagesApplication {
public:
    PagesApplication()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's notes on the session (no runtime folder under cron or sudo) would add lines
        // to the one line a failure prints; the verb says itself what went wrong.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtFatalMsg || type == QtCriticalMsg)
                fprintf(stderr, "%s\n", qPrintable(message));
        });
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }

private:
    char name_[11] = "qtr31x-cli";
    char* argv_[2] = {name_, nullptr};
    int argc_ = 1;
    std::unique_ptr<QGuiApplication> application_;
};

int WritePagesPdf(CliContext& context, const CliArguments& arguments)
{
    if (!context.Accepts(arguments, {"pdf", "sections"}, 1, "exactly one FILE"))
        return 1;
    const auto pdf = arguments.Option("pdf");
    if (!pdf || pdf->empty())
        return context.Fail("print needs --pdf OUT.pdf");
    report::SectionMask sections = report::OfferedSections(false);
    if (const auto list = arguments.Option("sections")) {
        std::string unknown;
        const auto parsed = report::ParseSectionNames(*list, unknown);
        if (!parsed)
            return context.Fail("--sections \"" + *list + "\": " +
                                (unknown.empty() ? "no section" : "unknown section \"" + unknown + "\"") + " (use " +
                                kSectionNames + ", separated by commas)");
        sections = *parsed;
    }
    const std::string& file = arguments.Plain().front();
    if (!context.LoadImage(file))
        return 1;
    const PagesApplication application;
    const report::ReportRequest request{sections, false, std::filesystem::path(file).filename().string(),
                                        SystemClock().Now()};
    const report::Report pages = report::BuildReport(context.App().state, context.App().catalog, request);
    if (const auto failure = pages::WriteReportPdf(pages, *pdf, false))
        return context.Fail("cannot write " + *pdf + ": " + *failure);
    return 0;
}

} // namespace

Verb verbs::Print()
{
    return {"print",
            "  qtr31x-cli print FILE --pdf OUT.pdf [--sections LIST]\n"
            "      Writes the printed pages of a data file (File Print) as a PDF. LIST names sections,\n"
            "      separated by commas: features, keys, scan, dtmf, vantalink, testfreq, message,\n"
            "      channels, or all (the default); Parlane models never print dtmf and vantalink.\n",
            WritePagesPdf};
}

} // namespace qtr::cli
