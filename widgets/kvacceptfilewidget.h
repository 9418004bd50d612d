// The drop page: accepts a drag that carries at least one local file, shows
// that it would take it (isHighlighted() while such a drag hovers), and
// reports the local paths of the dropped items (an empty path for one that
// is not a local file). What to do with them is the window's business, not
// this widget's.
#ifndef KVACCEPTFILEWIDGET_H
#define KVACCEPTFILEWIDGET_H

#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

class KvAcceptFileWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool highlighted READ isHighlighted NOTIFY highlightChanged)

public:
    explicit KvAcceptFileWidget(QWidget *parent = nullptr);
    ~KvAcceptFileWidget() override;

    bool isHighlighted() const { return highlighted; }

signals:
    void fileAccept(QString filepath); // the first dropped item
    void filesAccept(const QStringList &paths); // every dropped item, in order
    void highlightChanged(bool highlighted);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void setHighlighted(bool on);

    QVector<QString> filepaths;
    bool highlighted = false;
};

#endif
