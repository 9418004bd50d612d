// The drop page and the drop graphic: what a drag from a file manager does,
// and what the painted picture looks like at the pixels that matter.
#include "detailmodel.h"
#include "dropgraphic.h"
#include "kvacceptfilewidget.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

namespace {

QMimeData *urlData(const QStringList &urls)
{
    auto *data = new QMimeData;
    QList<QUrl> list;
    for (const QString &url : urls)
        list.append(url.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(url) : QUrl(url));
    data->setUrls(list);
    return data;
}

} // namespace

class TstDropTarget : public QObject
{
    Q_OBJECT

private slots:
    void csvKeepsNamesText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cell");
        QTest::newRow("a formula") << QStringLiteral("=HYPERLINK(\"x\").txt") << "\"'=HYPERLINK(\"\"x\"\").txt\"";
        QTest::newRow("a sum") << QStringLiteral("+1.txt") << "\"'+1.txt\"";
        QTest::newRow("a dash") << QStringLiteral("-rf.txt") << "\"'-rf.txt\"";
        QTest::newRow("a comma") << QStringLiteral("a,b.txt") << "\"a,b.txt\"";
        QTest::newRow("plain") << QStringLiteral("notes.txt") << "notes.txt";
    }

    void csvKeepsNamesText()
    {
        // A saved Detail opened in a spreadsheet never runs a file's name.
        QFETCH(QString, name);
        QFETCH(QString, cell);
        Karvo::FileResult result;
        result.fileName = name;
        DetailModel model;
        model.setRecords({result}, QStringLiteral("UTF-8"));
        const QString line = model.csv().split(QStringLiteral("\r\n")).value(1);
        QVERIFY2(line.contains(QLatin1Char(',') + cell + QLatin1Char(',')), qPrintable(line));
    }

    void dropImagePixels_data()
    {
        QTest::addColumn<qreal>("ratio"); // device pixels to a logical one
        QTest::addColumn<int>("strokeAlpha");
        QTest::addColumn<QPoint>("point"); // logical
        QTest::addColumn<int>("alpha");
        QTest::newRow("corner is transparent") << 1.0 << 128 << QPoint(0, 0) << 0;
        QTest::newRow("inside the frame, off the arrow") << 1.0 << 128 << QPoint(30, 70) << 0;
        QTest::newRow("on the shaft") << 1.0 << 128 << QPoint(48, 48) << 128;
        QTest::newRow("on the frame's top edge") << 1.0 << 128 << QPoint(48, 8) << 128;
        QTest::newRow("outside the frame's stroke") << 1.0 << 128 << QPoint(48, 2) << 0;
        QTest::newRow("2x, on the frame's top edge") << 2.0 << 128 << QPoint(48, 8) << 128;
        QTest::newRow("2x, outside the frame's stroke") << 2.0 << 128 << QPoint(48, 2) << 0;
        QTest::newRow("1.5x, highlighted shaft") << 1.5 << 230 << QPoint(48, 48) << 230;
        QTest::newRow("1.5x, off the arrow") << 1.5 << 230 << QPoint(30, 70) << 0;
    }

    void dropImagePixels()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, strokeAlpha);
        QFETCH(QPoint, point);
        QFETCH(int, alpha);
        const QImage image = createDropImage(96, ratio, strokeAlpha);
        QCOMPARE(image.size(), QSize(96, 96) * ratio);
        QCOMPARE(image.devicePixelRatioF(), ratio);
        QCOMPARE(image.format(), QImage::Format_ARGB32_Premultiplied);
        point *= ratio;
        QCOMPARE(image.pixelColor(point).alpha(), alpha);
        if (alpha > 0)
            QCOMPARE(image.pixelColor(point).rgb(), QColor(Qt::white).rgb());
        paintDropGraphic(nullptr, 76, QSize(96, 96));
    }

    void dragAndDrop_data()
    {
        QTest::addColumn<QMimeData *>("data");
        QTest::addColumn<Qt::DropAction>("proposed");
        QTest::addColumn<QStringList>("emitted"); // every dropped path; nothing when the drag is refused

        auto *text = new QMimeData;
        text->setText(QStringLiteral("/tmp/a.txt"));
        QTest::newRow("plain text is refused") << text << Qt::CopyAction << QStringList();
        QTest::newRow("one file") << urlData({"/tmp/a.txt"}) << Qt::CopyAction << QStringList {"/tmp/a.txt"};
        QTest::newRow("three files, in order") << urlData({"/tmp/b.txt", "/tmp/notes", "/tmp/c.txt"}) << Qt::CopyAction
                                               << QStringList {"/tmp/b.txt", "/tmp/notes", "/tmp/c.txt"};
        QTest::newRow("web links alone are refused")
            << urlData({"https://example.org/a.txt"}) << Qt::CopyAction << QStringList();
        QTest::newRow("web link gives an empty path") << urlData({"https://example.org/a.txt", "/tmp/a.txt"})
                                                      << Qt::CopyAction << QStringList {QString(), "/tmp/a.txt"};
        QTest::newRow("move keeps the proposed action")
            << urlData({"/tmp/a.txt"}) << Qt::MoveAction << QStringList {"/tmp/a.txt"};
        auto *emptyList = new QMimeData;
        emptyList->setData(QStringLiteral("text/uri-list"), QByteArray());
        QTest::newRow("uri list without urls") << emptyList << Qt::CopyAction << QStringList();
    }

    void dragAndDrop()
    {
        QFETCH(QMimeData *, data);
        QFETCH(Qt::DropAction, proposed);
        QFETCH(QStringList, emitted);
        QScopedPointer<QMimeData> owner(data);
        KvAcceptFileWidget widget;
        QSignalSpy first(&widget, &KvAcceptFileWidget::fileAccept);
        QSignalSpy all(&widget, &KvAcceptFileWidget::filesAccept);

        QDragEnterEvent enter(QPoint(5, 5), proposed, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &enter);
        QCOMPARE(enter.isAccepted(), !emitted.isEmpty());
        QCOMPARE(widget.isHighlighted(), !emitted.isEmpty());
        if (emitted.isEmpty())
            return;
        QCOMPARE(enter.dropAction(), proposed);
        QDropEvent drop(QPointF(5, 5), proposed, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(drop.dropAction(), proposed);
        QVERIFY(!widget.isHighlighted());
        QCOMPARE(first.size(), 1);
        QCOMPARE(first.at(0).at(0).toString(), emitted.first());
        QCOMPARE(all.size(), 1);
        QCOMPARE(all.at(0).at(0).toStringList(), emitted);
    }

    void dropsWithoutAnAcceptedDrag()
    {
        // QApplication routes a drop only to the widget that accepted the
        // drag enter; these drops, which the routing would swallow, go to the
        // widget itself.
        KvAcceptFileWidget widget;
        QObject &target = widget;
        QSignalSpy spy(&widget, &KvAcceptFileWidget::fileAccept);
        QScopedPointer<QMimeData> files(urlData({"/tmp/a.txt"}));
        QMimeData text;
        text.setText(QStringLiteral("hello"));

        // Before any drag there is no path to report: nothing is emitted.
        QDropEvent early(QPointF(5, 5), Qt::CopyAction, files.data(), Qt::LeftButton, Qt::NoModifier);
        target.event(&early);
        QCOMPARE(spy.size(), 0);

        // A drag of files that leaves, then a refused drag of text, keep the
        // files' paths; neither emits anything.
        QDragEnterEvent withFiles(QPoint(5, 5), Qt::CopyAction, files.data(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &withFiles);
        QDragLeaveEvent leave;
        QApplication::sendEvent(&widget, &leave);
        QDragEnterEvent withText(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &withText);
        QVERIFY(!withText.isAccepted());
        QCOMPARE(spy.size(), 0);
        QDropEvent late(QPointF(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        target.event(&late);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("/tmp/a.txt"));
    }
};

QTEST_MAIN(TstDropTarget)
#include "tst_droptarget.moc"
