#include "dropgraphic.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRectF>

QImage createDropImage(int size, qreal devicePixelRatio, int alpha)
{
    const int pixels = qRound(size * devicePixelRatio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    // QPainter scales by the image's ratio, so the path below stays in
    // logical pixels.
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    paintDropGraphic(&image, size - 20, QSize(size, size), alpha);
    return image;
}

void paintDropGraphic(QPaintDevice *device, int frameSide, const QSize &area, int alpha)
{
    if (!device)
        return;

    const QPainterPath path = dropGraphicPath(frameSide, area, 10, QPointF(0.0, 0.0));

    QPainter painter(device);
    painter.fillRect(QRectF(0.0, 0.0, area.width(), area.height()), QColor(Qt::transparent));

    QColor color;
    color.setRgb(255, 255, 255, alpha);
    QPen pen(color);
    pen.setWidth(10);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // One stroke for the whole path, so that the translucent colour is laid
    // down once where the shaft and the barbs overlap at the tip.
    painter.strokePath(path, pen);
}

QPainterPath dropGraphicPath(int frameSide, const QSize &area, int arrowInset, const QPointF &offset)
{
    // Halving and quartering truncate in int before anything becomes double,
    // so odd sizes keep the arrow on whole pixels.
    const int w = area.width();
    const int h = area.height();
    const int hw = w / 2;
    const int hh = h / 2;
    const int s2 = frameSide / 2;
    const int s4 = frameSide / 4;
    const int a2 = 2 * arrowInset;
    const qreal ox = offset.x();
    const qreal oy = offset.y();

    const int tipY = hh + s2 - a2;
    const int barbY = hh + s2 - s4 - a2 + 2;

    QPainterPath path;
    path.addRoundedRect(
        QRectF((w - frameSide) / 2 + ox, (h - frameSide) / 2 + oy, frameSide, frameSide), 10.0, 10.0, Qt::AbsoluteSize);
    path.moveTo(hw + ox, hh - s2 + a2 + oy);
    path.lineTo(hw + ox, tipY + oy);
    path.lineTo(hw + s4 + ox, barbY + oy);
    path.moveTo(hw + ox, tipY + oy);
    path.lineTo(hw - s4 + ox, barbY + oy);
    return path;
}
