#pragma once

#include <QAbstractListModel>

namespace Options {

// The 2007 items of the function lists, one model for all 17 boxes. An item's text is
// made when a view asks for it, in the language installed at that moment, so the model
// costs nothing to build or to keep. The tooltip of an item is the token written for it.
class FunctionListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // After a language change: the texts change in place, so every box keeps its
    // current item and the rows stay where they are.
    void retranslate();
};

} // namespace Options
