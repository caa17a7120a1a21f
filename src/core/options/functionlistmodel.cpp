#include "functionlistmodel.h"

#include "optioncatalogue.h"

namespace Options {

int FunctionListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : FunctionCount;
}

QVariant FunctionListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return functionItemText(index.row());
    case Qt::ToolTipRole:
        return functionToken(index.row());
    default:
        return QVariant();
    }
}

void FunctionListModel::retranslate()
{
    emit dataChanged(index(0), index(FunctionCount - 1), {Qt::DisplayRole, Qt::EditRole});
}

} // namespace Options
