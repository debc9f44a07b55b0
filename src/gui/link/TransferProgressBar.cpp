#include "gui/link/TransferProgressBar.h"

#include "gui/widgets/CatalogText.h"
#include "core/link/TransferProgress.h"

#include <QPainter>

namespace qtr::gui {

namespace {

constexpr int kMinimumWidth = 240;

} // namespace

TransferProgressBar::TransferProgressBar(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMinimumWidth(kMinimumWidth);
    setMinimumHeight(fontMetrics().height() + 2 * frameWidth() + 4);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TransferProgressBar::SetRange(int low, int high)
{
    low_ = low;
    high_ = high;
    RepaintWhenChanged();
}

void TransferProgressBar::SetPosition(int position)
{
    position_ = position;
    RepaintWhenChanged();
}

QString TransferProgressBar::Text() const
{
    return FromUtf8(TransferProgress::PercentText(position_, low_, high_));
}

int TransferProgressBar::FilledWidth() const
{
    return TransferProgress::FilledWidth(position_, low_, high_, contentsRect().width());
}

void TransferProgressBar::RepaintWhenChanged()
{
    if (FilledWidth() != paintedWidth_ || Text() != paintedText_)
        repaint();
}

// The text reads in the highlighted-text colour over the filled part, in the text colour
// over the rest.
void TransferProgressBar::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    paintedWidth_ = FilledWidth();
    paintedText_ = Text();
    const QRect area = contentsRect();
    const QRect filled(area.topLeft(), QSize(paintedWidth_, area.height()));
    QPainter painter(this);
    painter.fillRect(area, palette().base());
    painter.fillRect(filled, palette().highlight());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(area, Qt::AlignCenter, paintedText_);
    painter.setClipRect(filled);
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(area, Qt::AlignCenter, paintedText_);
}

} // namespace qtr::gui
