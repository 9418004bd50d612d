// The drop page and the drop graphic: what a drag from a file manager does,
// and what the painted picture looks like at the pixels that matter.
#include "dropgraphic.h"
#include "kvacceptfilewidget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

namespace {

QStringList debugMessages;

void captureDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        debugMessages.append(message);
}

QMimeData *urlData(const QList<QUrl> &urls)
{
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}

// QApplication routes a drop only to the widget that accepted the drag enter;
// these tests need to hand the widget drops that the routing would swallow.
void deliver(QWidget *widget, QEvent *event)
{
    static_cast<QObject *>(widget)->event(event);
}

} // namespace

class TstDropTarget : public QObject
{
    Q_OBJECT

private slots:
    void init() { debugMessages.clear(); }

    void dropImagePixels_data();
    void dropImagePixels();
    void dropGraphicOddSize();
    void paintOnNullDevice();

    void dragAndDrop_data();
    void dragAndDrop();
    void dropWithoutAcceptedDrag();
    void refusedDragKeepsEarlierPaths();
};

void TstDropTarget::dropImagePixels_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("alpha");

    QTest::newRow("corner is transparent") << QPoint(0, 0) << 0;
    QTest::newRow("inside the frame, off the arrow") << QPoint(30, 70) << 0;
    QTest::newRow("on the shaft") << QPoint(48, 48) << 128;
    QTest::newRow("on the frame's top edge") << QPoint(48, 8) << 128;
    QTest::newRow("on the frame's left edge") << QPoint(8, 48) << 128;
    QTest::newRow("outside the frame's stroke") << QPoint(48, 2) << 0;
}

void TstDropTarget::dropImagePixels()
{
    QFETCH(QPoint, point);
    QFETCH(int, alpha);

    const QImage image = createDropImage(96);
    QCOMPARE(image.size(), QSize(96, 96));
    QCOMPARE(image.format(), QImage::Format_ARGB32_Premultiplied);

    const QColor pixel = image.pixelColor(point);
    QCOMPARE(pixel.alpha(), alpha);
    if (alpha > 0)
        QCOMPARE(pixel.rgb(), QColor(Qt::white).rgb());
}

void TstDropTarget::dropGraphicOddSize()
{
    // At 97 the frame grows by a pixel but the halving truncates, so the
    // arrow stays on the same column as at 96.
    const QPainterPath path = dropGraphicPath(77, QSize(97, 97), 10, QPointF());
    const QPainterPath at96 = dropGraphicPath(76, QSize(96, 96), 10, QPointF());

    QCOMPARE(path.elementCount(), at96.elementCount());
    const int arrowStart = path.elementCount() - 5;
    for (int i = arrowStart; i < path.elementCount(); ++i) {
        QCOMPARE(QPointF(path.elementAt(i)), QPointF(at96.elementAt(i)));
    }
    QCOMPARE(path.elementAt(arrowStart).x, 48.0);

    QPainterPath frame;
    frame.addRoundedRect(QRectF(10, 10, 77, 77), 10.0, 10.0, Qt::AbsoluteSize);
    for (int i = 0; i < frame.elementCount(); ++i)
        QCOMPARE(QPointF(path.elementAt(i)), QPointF(frame.elementAt(i)));
}

void TstDropTarget::paintOnNullDevice()
{
    paintDropGraphic(nullptr, 76, QSize(96, 96));
}

void TstDropTarget::dragAndDrop_data()
{
    QTest::addColumn<QMimeData *>("data");
    QTest::addColumn<Qt::DropAction>("proposed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("emitted");
    QTest::addColumn<bool>("complains");

    auto *text = new QMimeData;
    text->setText(QStringLiteral("/tmp/a.txt"));
    QTest::newRow("plain text is refused") << text << Qt::CopyAction << false << QString() << false;

    QTest::newRow("one file") << urlData({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))}) << Qt::CopyAction << true
                              << QStringLiteral("/tmp/a.txt") << false;
    QTest::newRow("three files report the first") << urlData({QUrl::fromLocalFile(QStringLiteral("/tmp/b.txt")),
        QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt")), QUrl::fromLocalFile(QStringLiteral("/tmp/c.txt"))})
                                                  << Qt::CopyAction << true << QStringLiteral("/tmp/b.txt") << false;
    QTest::newRow("a folder") << urlData({QUrl::fromLocalFile(QStringLiteral("/tmp/notes"))}) << Qt::CopyAction << true
                              << QStringLiteral("/tmp/notes") << false;
    QTest::newRow("web link gives an empty path")
        << urlData({QUrl(QStringLiteral("https://example.org/a.txt"))}) << Qt::CopyAction << true << QString() << false;
    QTest::newRow("web link before a file") << urlData(
        {QUrl(QStringLiteral("https://example.org/a.txt")), QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))})
                                            << Qt::CopyAction << true << QString() << false;
    QTest::newRow("move keeps the proposed action") << urlData({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))})
                                                    << Qt::MoveAction << true << QStringLiteral("/tmp/a.txt") << false;

    auto *emptyList = new QMimeData;
    emptyList->setData(QStringLiteral("text/uri-list"), QByteArray());
    QTest::newRow("uri list without urls") << emptyList << Qt::CopyAction << false << QString() << true;
}

void TstDropTarget::dragAndDrop()
{
    QFETCH(QMimeData *, data);
    QFETCH(Qt::DropAction, proposed);
    QFETCH(bool, accepted);
    QFETCH(QString, emitted);
    QFETCH(bool, complains);
    QScopedPointer<QMimeData> owner(data);

    KvAcceptFileWidget widget;
    QVERIFY(widget.acceptDrops());
    QSignalSpy spy(&widget, &KvAcceptFileWidget::fileAccept);
    const QtMessageHandler previous = qInstallMessageHandler(captureDebug);

    QDragEnterEvent enter(QPoint(5, 5), proposed, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    if (accepted)
        QCOMPARE(enter.dropAction(), proposed);

    if (accepted) {
        QDropEvent drop(QPointF(5, 5), proposed, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(drop.dropAction(), proposed);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), emitted);
    } else {
        QCOMPARE(spy.count(), 0);
    }

    qInstallMessageHandler(previous);
    QCOMPARE(debugMessages, complains ? QStringList {QStringLiteral("file not support.")} : QStringList());
}

void TstDropTarget::dropWithoutAcceptedDrag()
{
    KvAcceptFileWidget widget;
    QSignalSpy spy(&widget, &KvAcceptFileWidget::fileAccept);
    QScopedPointer<QMimeData> data(urlData({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))}));

    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data.data(), Qt::LeftButton, Qt::NoModifier);
    deliver(&widget, &drop);
    QCOMPARE(spy.count(), 0);
}

void TstDropTarget::refusedDragKeepsEarlierPaths()
{
    KvAcceptFileWidget widget;
    QSignalSpy spy(&widget, &KvAcceptFileWidget::fileAccept);
    QScopedPointer<QMimeData> files(urlData({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))}));
    QScopedPointer<QMimeData> text(new QMimeData);
    text->setText(QStringLiteral("hello"));

    QDragEnterEvent withFiles(QPoint(5, 5), Qt::CopyAction, files.data(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &withFiles);
    QDragLeaveEvent leave;
    QApplication::sendEvent(&widget, &leave);
    QDragEnterEvent withText(QPoint(5, 5), Qt::CopyAction, text.data(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &withText);
    QVERIFY(!withText.isAccepted());
    QCOMPARE(spy.count(), 0);

    // Only a synthetic drop can arrive now; it still reports the files' drag.
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, text.data(), Qt::LeftButton, Qt::NoModifier);
    deliver(&widget, &drop);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("/tmp/a.txt"));
}

QTEST_MAIN(TstDropTarget)
#include "tst_droptarget.moc"
