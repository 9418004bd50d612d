#include "targetlistmodel.h"

#include <QStringList>

TargetListModel::TargetListModel(QObject *parent)
    : QAbstractListModel(parent)
{
    const QVector<Karvo::Encoding> &all = Karvo::catalogue();
    for (int i = 0; i < all.size(); ++i) {
        if (i > 0 && all.at(i - 1).isCommon() && !all.at(i).isCommon()) {
            separator = rows.size();
            rows.append(Karvo::Encoding());
        }
        rows.append(all.at(i));
    }
}

int TargetListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows.size();
}

QVariant TargetListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return QVariant();
    const Karvo::Encoding &encoding = rows.at(index.row());
    if (index.row() == separator) {
        // What QComboBox's own separators carry, and its delegate draws as a line.
        return role == Qt::AccessibleDescriptionRole ? QVariant(QStringLiteral("separator")) : QVariant();
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return encoding.name();
    case Qt::ToolTipRole:
        return encoding.aliases().join(QStringLiteral(", "));
    case EncodingRole:
        return QVariant::fromValue(encoding);
    case SearchRole:
        return encoding.aliases().isEmpty()
            ? encoding.name()
            : QStringLiteral("%1 (%2)").arg(encoding.name(), encoding.aliases().join(QStringLiteral(", ")));
    default:
        return QVariant();
    }
}

Qt::ItemFlags TargetListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || index.row() == separator)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

Karvo::Encoding TargetListModel::encodingAt(int row) const
{
    return row >= 0 && row < rows.size() ? rows.at(row) : Karvo::Encoding();
}

int TargetListModel::rowOf(const Karvo::Encoding &encoding) const
{
    return encoding.isValid() ? rows.indexOf(encoding) : -1;
}
