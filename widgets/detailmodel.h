// The records of a run (or an undo) as a table: one row per file, a column
// per field of Karvo::ReportRow, the same words the command line prints.
// DetailFilter sorts it by any column, names with numbers in their natural
// order, and can show the problems alone. Qt Core only.
#ifndef KARVO_DETAILMODEL_H
#define KARVO_DETAILMODEL_H

#include "report.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QSortFilterProxyModel>
#include <QVector>

class DetailModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Status, File, From, To, Reason, ColumnCount };
    enum Role {
        PathRole = Qt::UserRole, // the file's full path
        ProblemRole, // failed, doubtful, binary or left out
    };

    explicit DetailModel(QObject *parent = nullptr);

    void setRecords(const QList<Karvo::FileResult> &results, const QString &target);
    void setUndoRecords(const QList<Karvo::UndoResult> &results);
    bool hasEncodings() const { return encodings; } // an undo's rows have none

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Every row, with a header line, as comma-separated values (RFC 4180).
    QString csv() const;
    // One row as tab-separated text.
    QString rowText(int row) const;

private:
    struct Row
    {
        Karvo::ReportRow words;
        QString path;
    };
    QString cell(const Row &row, int column) const;

    QVector<Row> rows;
    bool encodings = true;
};

class DetailFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit DetailFilter(QObject *parent = nullptr);

    bool problemsOnly() const { return onlyProblems; }
    void setProblemsOnly(bool on);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    bool onlyProblems = false;
    QCollator collator;
};

#endif
