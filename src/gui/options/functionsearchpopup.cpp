#include "functionsearchpopup.h"

#include "options/functionsearch.h"
#include "options/listwidth.h"
#include "options/optioncatalogue.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <utility>

// The items of the list that match the typed text, best first.
class FunctionSearchPopup::MatchOrder : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setRanks(QVector<int> ranks)
    {
        this->ranks = std::move(ranks);
        invalidate();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &) const override
    {
        return ranks.value(row, Options::FunctionSearch::NoMatch) != Options::FunctionSearch::NoMatch;
    }

    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        return ranks.at(left.row()) < ranks.at(right.row());
    }

private:
    QVector<int> ranks;
};

namespace {

constexpr int VisibleMatches = 10;

// Each match shows the token written for it at the right of its text.
class TokenBesideText : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
        const int margin = option.fontMetrics.averageCharWidth();
        painter->drawText(option.rect.adjusted(0, 0, -margin, 0), Qt::AlignRight | Qt::AlignVCenter,
                          index.data(Qt::ToolTipRole).toString());
        painter->restore();
    }
};

} // namespace

FunctionSearchPopup::FunctionSearchPopup(QComboBox *box, std::shared_ptr<const Options::FunctionSearch> search)
    : QFrame(box, Qt::Popup)
    , box(box)
    , search(std::move(search))
    , edit(new QLineEdit(this))
    , list(new QListView(this))
    , noMatch(new QLabel(QCoreApplication::translate("MainWindow", "No match"), this))
    , matches(new MatchOrder(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(frameWidth(), frameWidth(), frameWidth(), frameWidth());
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);   // shorter while nothing matches
    layout->addWidget(edit);
    layout->addWidget(list);
    layout->addWidget(noMatch);
    noMatch->setMargin(edit->fontMetrics().averageCharWidth());

    // Typing stays in the edit; the keys that move go to the matches.
    setFocusProxy(edit);
    edit->installEventFilter(this);
    list->setFocusPolicy(Qt::NoFocus);
    list->setUniformItemSizes(true);
    list->setItemDelegate(new TokenBesideText(list));
    matches->setSourceModel(box->model());
    matches->sort(0);
    list->setModel(matches);

    connect(edit, &QLineEdit::textEdited, this, &FunctionSearchPopup::showMatches);
    connect(list, &QListView::clicked, this, &FunctionSearchPopup::pick);
}

void FunctionSearchPopup::start(const QString &typed)
{
    // The matches have room for their tokens beside their texts.
    const int wide = box->width() + widestText(list->fontMetrics(), Options::functionTokenWidthSamples());
    edit->setFixedSize(wide, box->height());
    list->setFixedSize(wide, VisibleMatches * box->view()->sizeHintForRow(0) + 2 * list->frameWidth());
    // Below the box, the typed text first; where the screen has no room for that, above
    // it, the typed text last, next to the box. Either way the row stays in view.
    const QRect boxArea(box->mapToGlobal(QPoint()), box->size());
    const QRect screen = box->screen()->availableGeometry();
    const int tallest = edit->height() + list->height() + 2 * frameWidth();
    above = boxArea.bottom() + tallest > screen.bottom() && boxArea.top() - screen.top() > screen.bottom() - boxArea.bottom();
    static_cast<QBoxLayout *>(layout())->setDirection(above ? QBoxLayout::BottomToTop : QBoxLayout::TopToBottom);
    edit->setText(typed);
    showMatches(typed);
    show();
    edit->setFocus();
}

// Shorter while nothing matches: placed again after every change of its size, so that
// the typed text stays next to the box.
void FunctionSearchPopup::place()
{
    adjustSize();
    const QRect boxArea(box->mapToGlobal(QPoint()), box->size());
    const QRect screen = box->screen()->availableGeometry();
    QPoint at(boxArea.left() - frameWidth(), above ? boxArea.top() - height() : boxArea.bottom() + 1);
    at.setX(qMax(screen.left(), qMin(at.x(), screen.right() + 1 - width())));
    at.setY(qMax(screen.top(), qMin(at.y(), screen.bottom() + 1 - height())));
    move(at);
}

void FunctionSearchPopup::showMatches(const QString &typed)
{
    matches->setRanks(search->ranks(typed));
    list->setCurrentIndex(matches->index(0, 0));
    const bool found = matches->rowCount() > 0;
    list->setVisible(found);
    noMatch->setVisible(!found && !typed.trimmed().isEmpty());
    place();
}

void FunctionSearchPopup::pick(const QModelIndex &match)
{
    if (!match.isValid())
        return;   // nothing matched: the list keeps its value, and "No match" stays in view
    box->setCurrentIndex(matches->mapToSource(match).row());
    close();
}

bool FunctionSearchPopup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != edit || event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        QCoreApplication::sendEvent(list, event);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pick(list->currentIndex());
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        // Picks, then the focus moves on from the list as the key asks.
        pick(list->currentIndex());
        close();
        QKeyEvent moveOn(QEvent::KeyPress, key->key(), key->modifiers());
        QCoreApplication::sendEvent(box, &moveOn);
        return true;
    }
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}
