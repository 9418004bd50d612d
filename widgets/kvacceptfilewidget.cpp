#include "kvacceptfilewidget.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

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
    // A drag of web links alone has nothing Karvo could open; refusing it
    // keeps the refused cursor and the page unlit.
    const QList<QUrl> urls = data->urls();
    if (std::none_of(urls.cbegin(), urls.cend(), [](const QUrl &url) { return url.isLocalFile(); }))
        return;

    filepaths.clear();
    for (const QUrl &url : urls)
        filepaths.append(url.toLocalFile());
    event->acceptProposedAction();
    setHighlighted(true);
}

void KvAcceptFileWidget::dragLeaveEvent(QDragLeaveEvent *event)
{
    setHighlighted(false);
    QWidget::dragLeaveEvent(event);
}

void KvAcceptFileWidget::dropEvent(QDropEvent *event)
{
    setHighlighted(false);
    event->acceptProposedAction();
    // The framework only delivers a drop after an accepted drag enter, which
    // always leaves a path behind; a synthetic drop may not.
    if (filepaths.isEmpty())
        return;
    emit fileAccept(filepaths.first());
    emit filesAccept(filepaths.toList());
}

void KvAcceptFileWidget::setHighlighted(bool on)
{
    if (highlighted == on)
        return;
    highlighted = on;
    emit highlightChanged(on);
}
