#include "gui/widgets/MdiClientArea.h"

#include "core/base/SettingsStore.h"

#include <QFile>
#include <QImage>
#include <QPainter>

namespace qtr::gui {

namespace {

constexpr int kTileSize = 16;
const QColor kLightGrey(192, 192, 192);

QRect ToQRect(const WindowRect& rect)
{
    return {rect.left, rect.top, rect.width, rect.height};
}

} // namespace

MdiClientArea::MdiClientArea(SettingsStore& settings, QWidget* parent)
    : QMdiArea(parent), settings_(settings), background_(ReadClientBackground(settings)), picture_(LoadPicture())
{
    setObjectName("mdiClient");
}

MdiClientArea::~MdiClientArea()
{
    WriteClientBackground(settings_, background_);
}

QColor MdiClientArea::BackgroundColour() const
{
    if (!background_.colour)
        return palette().color(QPalette::Dark);
    return QColor(background_.colour->red, background_.colour->green, background_.colour->blue);
}

// A picture file that cannot be read leaves the area to the colour alone.
QPixmap MdiClientArea::LoadPicture() const
{
    if (background_.pictureFile.empty())
        return BuiltInPicture();
    return QPixmap(QFile::decodeName(background_.pictureFile.c_str()));
}

// Drawn in light grey and white, which then take the workspace and highlight colours
// of the system, so the picture fits any colour scheme.
QPixmap MdiClientArea::BuiltInPicture() const
{
    QImage image(kTileSize, kTileSize, QImage::Format_RGB32);
    image.fill(kLightGrey);
    image.setPixelColor(0, 0, Qt::white); // a quiet grid of staggered dots
    image.setPixelColor(kTileSize / 2, kTileSize / 2, Qt::white);
    const QRgb workspace = palette().color(QPalette::Dark).rgb();
    const QRgb highlight = palette().color(QPalette::Light).rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, image.pixel(x, y) == kLightGrey.rgb() ? workspace : highlight);
    return QPixmap::fromImage(image);
}

void MdiClientArea::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const QSize area = viewport()->size();
    const BackgroundPaint paint =
        LayOutBackground(background_, {area.width(), area.height()}, {picture_.width(), picture_.height()});
    if (paint.fillWithColour)
        painter.fillRect(viewport()->rect(), BackgroundColour());
    if (paint.picture == BackgroundPaint::Picture::Tiled)
        painter.drawTiledPixmap(ToQRect(paint.rect), picture_);
    else if (paint.picture == BackgroundPaint::Picture::Once)
        painter.drawPixmap(ToQRect(paint.rect), picture_);
}

} // namespace qtr::gui
