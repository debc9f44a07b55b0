#include "pages/ReportPainter.h"

#include "core/base/SafeSave.h"
#include "core/report/ColumnStarts.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace qtr::pages {

namespace {

// The pages were designed in Times New Roman, which Linux does not have; Liberation Serif
// (package fonts-liberation2) has the same metrics, so lines fall where they were meant to.
constexpr const char* kPageFontFamily = "Liberation Serif";
constexpr int kFramePointSize = 12;
constexpr int kBodyPointSize = 10;
// Frame positions in lines of the frame font and its average character widths.
constexpr int kDateLine = 2;
constexpr int kFirstFrameLine = 4;
constexpr int kFrameLabelColumn = 15;
constexpr int kFrameValueColumn = 40;
constexpr int kLowerRuleLine = 8;
constexpr int kBodyLine = 10;
constexpr int kFooterTextHeights = 3;
constexpr double kPdfMarginMillimetres = 12.7;

QFont PageFont(int pointSize, bool bold)
{
    QFont font(kPageFontFamily, pointSize, bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::Serif);
    return font;
}

// The average character width the page layout counts in: the letter-frequency weighted
// average of the lower-case letters and the space that Windows reports for Times New Roman.
// Liberation Serif has the same glyph widths, so this gives the same width; the average
// over all glyphs that newer fonts declare is a third wider and would push the right-hand
// columns off the page.
double WeightedAverageWidth(const QFontMetricsF& metrics)
{
    static constexpr int kWeights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20,
                                         56, 56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2};
    static constexpr int kSpaceWeight = 166;
    double total = kSpaceWeight * metrics.horizontalAdvance(QChar(' '));
    for (int letter = 0; letter < 26; ++letter)
        total += kWeights[letter] * metrics.horizontalAdvance(QChar('a' + letter));
    return total / 1000.0;
}

// Where text goes on a page: positions counted in line heights and average character
// widths of a font, as the page layout is written.
struct Grid {
    int lineHeight;
    double characterWidth;

    static Grid Of(const QFont& font, QPaintDevice* device)
    {
        return {QFontMetrics(font, device).lineSpacing(), WeightedAverageWidth(QFontMetricsF(font, device))};
    }
    int X(int column) const { return static_cast<int>(column * characterWidth); }
    int Y(int line) const { return line * lineHeight; }
};

class PagePainter {
public:
    PagePainter(QPainter& painter, const report::PageFrame& frame)
        : painter_(painter), frame_(frame), frameFont_(PageFont(kFramePointSize, true)),
          bodyFont_(PageFont(kBodyPointSize, false)), frameGrid_(Grid::Of(frameFont_, painter.device())),
          bodyGrid_(Grid::Of(bodyFont_, painter.device()))
    {
    }

    void Paint(const report::ReportPage& page, int pageNumber)
    {
        PaintFrame(pageNumber);
        painter_.setFont(bodyFont_);
        const int top = frameGrid_.Y(kBodyLine);
        const QFontMetrics metrics(bodyFont_, painter_.device());
        const auto starts = report::ColumnStarts(page, bodyGrid_.characterWidth, [&metrics](const std::string& text) {
            return metrics.horizontalAdvance(QString::fromUtf8(text));
        });
        for (const report::PlacedText& text : page.texts)
            TextAt(starts.at(text.column), top + bodyGrid_.Y(text.row), bodyGrid_, text.text);
    }

private:
    void PaintFrame(int pageNumber)
    {
        const int width = painter_.device()->width();
        const int height = painter_.device()->height();
        painter_.setFont(frameFont_);
        painter_.setPen(QPen(Qt::black, std::max(1, frameGrid_.lineHeight / 20)));
        Aligned(QRect(0, 0, width, frameGrid_.lineHeight), Qt::AlignHCenter, frame_.title);
        Aligned(QRect(0, frameGrid_.Y(kDateLine), width, frameGrid_.lineHeight), Qt::AlignRight, frame_.printedAt);
        const int upperRule = frameGrid_.Y(3) + frameGrid_.lineHeight / 4;
        painter_.drawLine(0, upperRule, width, upperRule);
        for (std::size_t i = 0; i < frame_.lines.size(); ++i) {
            const int y = frameGrid_.Y(kFirstFrameLine + static_cast<int>(i));
            TextAt(frameGrid_.X(kFrameLabelColumn), y, frameGrid_, frame_.lines[i].label);
            TextAt(frameGrid_.X(kFrameValueColumn), y, frameGrid_, frame_.lines[i].value);
        }
        painter_.drawLine(0, frameGrid_.Y(kLowerRuleLine), width, frameGrid_.Y(kLowerRuleLine));
        const int textHeight = QFontMetrics(frameFont_, painter_.device()).height();
        Aligned(QRect(0, height - kFooterTextHeights * textHeight, width, textHeight), Qt::AlignHCenter,
                report::PageNumberText(pageNumber));
    }

    void TextAt(int x, int y, const Grid& grid, const std::string& text)
    {
        painter_.drawText(QRect(x, y, painter_.device()->width() - x, grid.lineHeight), Qt::AlignLeft | Qt::AlignTop,
                          QString::fromUtf8(text));
    }

    void Aligned(const QRect& rect, Qt::Alignment alignment, const std::string& text)
    {
        painter_.drawText(rect, alignment | Qt::AlignTop, QString::fromUtf8(text));
    }

    QPainter& painter_;
    const report::PageFrame& frame_;
    QFont frameFont_;
    QFont bodyFont_;
    Grid frameGrid_;
    Grid bodyGrid_;
};

} // namespace

bool PaintReport(const report::Report& report, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PagePainter pages(painter, report.frame);
    for (std::size_t i = 0; i < report.pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        pages.Paint(report.pages[i], static_cast<int>(i) + 1);
    }
    return painter.end();
}

// The pages are drawn in memory and saved as any file is, so a failed save leaves no partial PDF.
std::optional<std::string> WriteReportPdf(const report::Report& report, const std::string& path, bool landscape)
{
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator("RTW QTR-31X");
        writer.setTitle(QString::fromUtf8(report.frame.title));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                         landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres, kPdfMarginMillimetres,
                                                   kPdfMarginMillimetres),
                                         QPageLayout::Millimeter));
        if (!PaintReport(report, writer))
            return std::string("the pages could not be drawn");
    }
    return SaveFile(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

} // namespace qtr::pages
