#pragma once

#include <QFrame>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;

namespace Options {
class FunctionSearch;
}

// Opened by typing on a focused function list, next to the list (below it, or above it
// where the screen has no room below): the text typed so far, and the functions that
// match, best first, each with the token written for it, or "No match". Enter, Tab or
// a click picks the highlighted match for the list; Escape or a click elsewhere closes
// it and leaves the list's value as it was.
class FunctionSearchPopup : public QFrame
{
    Q_OBJECT

public:
    FunctionSearchPopup(QComboBox *box, std::shared_ptr<const Options::FunctionSearch> search);

    // Shows the popup with `typed` as the text so far.
    void start(const QString &typed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class MatchOrder;

    void showMatches(const QString &typed);
    void place();
    void pick(const QModelIndex &match);

    QComboBox *box;
    std::shared_ptr<const Options::FunctionSearch> search;
    QLineEdit *edit;
    QListView *list;
    QLabel *noMatch;
    MatchOrder *matches;
    bool above = false;   // placed above the box
};
