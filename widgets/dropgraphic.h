// The picture on the drop page: a translucent rounded square with a downward
// arrow, painted at run time for the screen's pixel density so that no image
// file has to ship with Karvo and the picture stays sharp when scaled.
#ifndef DROPGRAPHIC_H
#define DROPGRAPHIC_H

#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QSize>

class QPaintDevice;

// The usual alpha of the strokes, and the brighter one while a drag that
// Karvo would accept hovers over the page.
constexpr int dropGraphicAlpha = 128;
constexpr int dropGraphicHighlightAlpha = 230;

// A size x size picture in logical pixels, painted with devicePixelRatio
// physical pixels to each.
QImage createDropImage(int size, qreal devicePixelRatio = 1.0, int alpha = dropGraphicAlpha);
void paintDropGraphic(QPaintDevice *device, int frameSide, const QSize &area, int alpha = dropGraphicAlpha);
QPainterPath dropGraphicPath(int frameSide, const QSize &area, int arrowInset, const QPointF &offset);

#endif
