// The drop page: accepts any drag that carries URLs and reports the local
// paths of the dropped items (an empty path for one that is not a local
// file). What to do with them is the window's business, not this widget's.
#ifndef KVACCEPTFILEWIDGET_H
#define KVACCEPTFILEWIDGET_H

#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

class KvAcceptFileWidget : public QWidget
{
    Q_OBJECT

public:
    explicit KvAcceptFileWidget(QWidget *parent = nullptr);
    ~KvAcceptFileWidget() override;

signals:
    void fileAccept(QString filepath); // the first dropped item
    void filesAccept(const QStringList &paths); // every dropped item, in order

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QVector<QString> filepaths;
};

#endif
