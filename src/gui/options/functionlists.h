#pragma once

#include <QHash>
#include <QObject>

#include <memory>

class QComboBox;
class QLabel;
class QProxyStyle;

namespace Options {
class FunctionListModel;
class FunctionSearch;
}

// What the function lists of a window share: one model for all of them, an open list
// that scrolls, the token of the current item as the box's tooltip, and selecting a
// function by typing on a focused list (FunctionSearchPopup), which the tooltip and
// the open list tell of.
class FunctionLists : public QObject
{
    Q_OBJECT

public:
    // Rows shown by an open list, and rows moved by Page Up/Down on a closed one.
    static constexpr int VisibleRows = 20;
    // Rows moved by a notch of the wheel on an open list: ten folder numbers.
    static constexpr int RowsPerWheelNotch = 10;

    explicit FunctionLists(QObject *parent);

    void addBox(QComboBox *box);
    // The boxes' width for the language installed now, from the widest item.
    void fitWidths();
    // The item texts in the language installed now; every box keeps its current item.
    void retranslate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openSearch(QComboBox *box, const QString &typed);
    bool scrollOpenList(QComboBox *box, QEvent *event);

    Options::FunctionListModel *model;
    QProxyStyle *listStyle;
    QList<QComboBox *> boxes;
    QList<QLabel *> hints;   // under each open list: typing searches
    QHash<QObject *, QComboBox *> boxOf;   // each box, its open list and that list's viewport
    std::shared_ptr<const Options::FunctionSearch> search;   // made when first needed in a language
    int wheelTurn = 0;   // wheel movement short of a whole notch
};
