// The target list: every codec of the catalogue once, the common ones first,
// a separator row, then the rest. The model alone maps rows to encodings,
// so that a separator can never shift one codec onto another's row.
#ifndef KARVO_TARGETLISTMODEL_H
#define KARVO_TARGETLISTMODEL_H

#include "encoding.h"

#include <QAbstractListModel>
#include <QVector>

class TargetListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        EncodingRole = Qt::UserRole, // the row's Karvo::Encoding; none for the separator
        SearchRole, // the name with its aliases, for a completer to match
    };

    explicit TargetListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    Karvo::Encoding encodingAt(int row) const;
    int rowOf(const Karvo::Encoding &encoding) const; // -1 when not listed
    bool isSeparator(int row) const { return row == separator; }

private:
    QVector<Karvo::Encoding> rows; // an invalid encoding at the separator
    int separator = -1;
};

#endif
