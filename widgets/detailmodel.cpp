#include "detailmodel.h"

#include <QDir>
#include <QStringList>

namespace {

QString csvField(const QString &text)
{
    // A spreadsheet takes a cell that begins with these for a formula, and a
    // file's name can begin with anything: the apostrophe keeps it text.
    static const QString formula = QStringLiteral("=+-@\t\r");
    const bool risky = !text.isEmpty() && formula.contains(text.front());
    if (!risky && !text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = risky ? QLatin1Char('\'') + text : text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A name may hold a tab or a line break; a copied line keeps to one line.
QString flat(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

DetailModel::DetailModel(QObject *parent)
    : QAbstractTableModel(parent)
{ }

void DetailModel::setRecords(const QList<Karvo::FileResult> &results, const QString &target)
{
    beginResetModel();
    rows.clear();
    rows.reserve(results.size());
    for (const Karvo::FileResult &result : results)
        rows.append({Karvo::reportRow(result, target), result.path});
    encodings = true;
    endResetModel();
}

void DetailModel::setUndoRecords(const QList<Karvo::UndoResult> &results)
{
    beginResetModel();
    rows.clear();
    rows.reserve(results.size());
    for (const Karvo::UndoResult &result : results)
        rows.append({Karvo::reportRow(result), result.path});
    encodings = false;
    endResetModel();
}

int DetailModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows.size();
}

int DetailModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString DetailModel::cell(const Row &row, int column) const
{
    switch (column) {
    case Status:
        return row.words.status;
    case File:
        return row.words.file;
    case From:
        return row.words.from;
    case To:
        return row.words.to;
    case Reason:
        return row.words.reason;
    default:
        return QString();
    }
}

QVariant DetailModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return QVariant();
    const Row &row = rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return cell(row, index.column());
    case Qt::ToolTipRole:
        // The whole of what a narrow column cuts short.
        if (index.column() == File)
            return QDir::toNativeSeparators(row.path);
        return index.column() == Reason || index.column() == From ? cell(row, index.column()) : QVariant();
    case PathRole:
        return row.path;
    case ProblemRole:
        return row.words.problem;
    default:
        return QVariant();
    }
}

QVariant DetailModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Status:
        //: A column of the Detail table: what became of the file
        return tr("Status");
    case File:
        return tr("File");
    case From:
        //: A column of the Detail table: the encoding the file was in
        return tr("From");
    case To:
        //: A column of the Detail table: the encoding it was converted to
        return tr("To");
    case Reason:
        return tr("Reason");
    default:
        return QVariant();
    }
}

QString DetailModel::csv() const
{
    QStringList header;
    for (int column = 0; column < ColumnCount; ++column)
        header.append(csvField(headerData(column, Qt::Horizontal).toString()));
    //: The last column of the CSV file: the file's full path
    header.append(csvField(tr("Path")));
    QString text = header.join(QLatin1Char(',')) + QLatin1String("\r\n");
    for (const Row &row : rows) {
        QStringList fields;
        for (int column = 0; column < ColumnCount; ++column)
            fields.append(csvField(cell(row, column)));
        fields.append(csvField(QDir::toNativeSeparators(row.path)));
        text += fields.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return text;
}

QString DetailModel::rowText(int row) const
{
    QStringList cells;
    for (int column = 0; column < ColumnCount; ++column)
        cells.append(flat(cell(rows.at(row), column)));
    return cells.join(QLatin1Char('\t'));
}

DetailFilter::DetailFilter(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    // file2.txt before file10.txt, and case and accents as the user's
    // language sorts them. Qt's C locale compares code points alone.
    if (collator.locale() == QLocale::c())
        collator.setLocale(QLocale(QLocale::English));
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
}

void DetailFilter::setProblemsOnly(bool on)
{
    if (onlyProblems == on)
        return;
    onlyProblems = on;
    invalidateFilter();
}

bool DetailFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    return !onlyProblems || sourceModel()->index(sourceRow, 0, sourceParent).data(DetailModel::ProblemRole).toBool();
}

bool DetailFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    return collator.compare(left.data().toString(), right.data().toString()) < 0;
}
