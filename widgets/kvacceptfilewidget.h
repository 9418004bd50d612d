// The drop page: accepts any drag that carries URLs and reports the local
// path of the first dropped item. What to do with that path is the window's
// business, not this widget's.
#ifndef KVACCEPTFILEWIDGET_H
#define KVACCEPTFILEWIDGET_H

#include <QString>
#include <QVector>
#include <QWidget>

class KvAcceptFileWidget : public QWidget
{
    Q_OBJECT

public:
    explicit KvAcceptFileWidget(QWidget *parent = nullptr);
    ~KvAcceptFileWidget() override;

signals:
    void fileAccept(QString filepath);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QVector<QString> filepaths;
};

#endif
