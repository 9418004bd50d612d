// The picture on the drop page: a translucent rounded square with a downward
// arrow, painted at start-up so that no image file has to ship with Karvo.
#ifndef DROPGRAPHIC_H
#define DROPGRAPHIC_H

#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QSize>

class QPaintDevice;

QImage createDropImage(int size);
void paintDropGraphic(QPaintDevice *device, int frameSide, const QSize &area);
QPainterPath dropGraphicPath(int frameSide, const QSize &area, int arrowInset, const QPointF &offset);

#endif
