#include "kvacceptfilewidget.h"

#include <QDebug>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

KvAcceptFileWidget::KvAcceptFileWidget(QWidget *parent)
    : QWidget(parent)
{
    setAcceptDrops(true);
}

KvAcceptFileWidget::~KvAcceptFileWidget() = default;

void KvAcceptFileWidget::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (!data->hasUrls())
        return;

    filepaths.clear();
    const QList<QUrl> urls = data->urls();
    for (const QUrl &url : urls)
        filepaths.append(url.toLocalFile());

    if (!filepaths.isEmpty())
        event->acceptProposedAction();
    else
        qDebug("file not support.");
}

void KvAcceptFileWidget::dropEvent(QDropEvent *event)
{
    event->acceptProposedAction();
    // The framework only delivers a drop after an accepted drag enter, which
    // always leaves a path behind; a synthetic drop may not.
    if (filepaths.isEmpty())
        return;
    emit fileAccept(filepaths.first());
    emit filesAccept(filepaths.toList());
}
