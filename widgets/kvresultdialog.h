// The Detail dialog: every file of the last run (or undo) in a table that
// sorts by any column and can show the problems alone. The selected rows
// copy as text, the whole run saves as CSV, and a double-click shows the
// file in the file manager.
#ifndef KVRESULTDIALOG_H
#define KVRESULTDIALOG_H

#include "report.h"

#include <QDialog>
#include <QString>

#include <functional>

class DetailFilter;
class DetailModel;
class QTableView;
class Ui_KvResultDialog;

class KvResultDialog : public QDialog
{
    Q_OBJECT

public:
    // Asks where to save the CSV file, suggesting a name; empty when cancelled.
    using SaveChooser = std::function<QString(QWidget *parent, const QString &suggested)>;
    using Revealer = std::function<void(const QString &path)>;

    explicit KvResultDialog(QWidget *parent);
    ~KvResultDialog() override;

    void setRecords(const QList<Karvo::FileResult> &results, const QString &target);
    void setUndoRecords(const QList<Karvo::UndoResult> &results);
    void setSaveChooser(SaveChooser chooser) { chooseSave = std::move(chooser); }
    void setRevealer(Revealer revealer) { reveal = std::move(revealer); }

    QTableView *table() const;

    // The selected rows as the table shows them, one tab-separated line each.
    QString selectedText() const;
    void copySelected();
    void saveCsv();

private:
    void showColumns();
    void revealRow(const QModelIndex &index);

    Ui_KvResultDialog *ui = nullptr;
    DetailModel *model = nullptr;
    DetailFilter *filter = nullptr;
    SaveChooser chooseSave;
    Revealer reveal;
};

#endif
