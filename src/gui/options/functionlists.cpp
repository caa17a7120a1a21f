#include "functionlists.h"

#include "options/functionlistmodel.h"
#include "options/functionsearch.h"
#include "options/functionsearchpopup.h"
#include "options/listwidth.h"
#include "options/optioncatalogue.h"
#include "widgets/readablecolour.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QProxyStyle>
#include <QScrollBar>

#include <utility>

namespace {

// Many styles open a list box as a menu as tall as the screen, with scroll arrows and
// no scroll bar, whatever the number of visible items asked for. A list of 2007 items
// needs a scroll bar; its rows still follow the mouse, as the menu's did.
class ScrollingListStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        if (hint == SH_ComboBox_ListMouseTracking)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// A key that types a character starts a search; a blank keeps opening the list.
bool typesText(const QKeyEvent &key)
{
    const QString text = key.text();
    return !text.isEmpty() && text.at(0).isPrint() && !text.at(0).isSpace()
           && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

// Said by the closed list's tooltip and, shorter, under the open list: typing searches.
QString searchHint()
{
    return QCoreApplication::translate("MainWindow", "Type to search: a name, a token or a short form (f537, rs 12).");
}

QString shortSearchHint()
{
    return QCoreApplication::translate("MainWindow", "Type to search");
}

void showToolTip(QComboBox *box)
{
    box->setToolTip(Options::functionToken(box->currentIndex()) + QLatin1Char('\n') + searchHint());
}

} // namespace

FunctionLists::FunctionLists(QObject *parent)
    : QObject(parent)
    , model(new Options::FunctionListModel(this))
    , listStyle(new ScrollingListStyle(QApplication::style()->objectName()))
{
    listStyle->setParent(this);
}

void FunctionLists::addBox(QComboBox *box)
{
    connect(box, qOverload<int>(&QComboBox::currentIndexChanged), box, [box] { showToolTip(box); });
    box->setModel(model);
    box->setStyle(listStyle);
    box->setMaxVisibleItems(VisibleRows);
    if (auto *list = qobject_cast<QListView *>(box->view())) {
        // One line each: the list never measures all its items to lay them out.
        list->setUniformItemSizes(true);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);   // the wheel counts rows
    }
    // The open list says it under its items. Its frame is Qt's, laid out in a box: where
    // another Qt makes it otherwise, the list goes without.
    if (auto *frame = qobject_cast<QBoxLayout *>(box->view()->parentWidget()->layout())) {
        auto *hint = new QLabel(box->view()->parentWidget());
        hint->setObjectName(QStringLiteral("searchHint"));
        hint->setMargin(hint->fontMetrics().averageCharWidth() / 2);
        // One line under the items, never wider than they are.
        hint->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        ReadableColour::useSecondaryText(hint);
        frame->addWidget(hint);
        hint->setText(shortSearchHint());
        hints.append(hint);
    }
    showToolTip(box);
    for (QObject *watched : {static_cast<QObject *>(box), static_cast<QObject *>(box->view()),
                             static_cast<QObject *>(box->view()->viewport())}) {
        boxOf.insert(watched, box);
        watched->installEventFilter(this);
    }
    boxes.append(box);
}

void FunctionLists::retranslate()
{
    model->retranslate();
    search.reset();
    for (QComboBox *box : std::as_const(boxes))
        showToolTip(box);
    for (QLabel *hint : std::as_const(hints))
        hint->setText(shortSearchHint());
    fitWidths();
}

void FunctionLists::fitWidths()
{
    if (boxes.isEmpty())
        return;
    const int width = functionListWidth(boxes.first());
    for (QComboBox *box : std::as_const(boxes))
        setListWidth(box, width);
}

bool FunctionLists::eventFilter(QObject *watched, QEvent *event)
{
    QComboBox *box = boxOf.value(watched);
    if (!box)
        return false;
    if (event->type() == QEvent::Wheel)
        return watched == box->view()->viewport() && scrollOpenList(box, event);
    if (event->type() != QEvent::KeyPress || watched == box->view()->viewport())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (typesText(*key)) {
        box->hidePopup();
        openSearch(box, key->text());
        return true;
    }
    // On a closed list Page Up/Down move a page, as they do in the open one.
    const bool pageKey = key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown;
    if (watched == box && pageKey && key->modifiers() == Qt::NoModifier) {
        const int step = key->key() == Qt::Key_PageUp ? -VisibleRows : VisibleRows;
        box->setCurrentIndex(qBound(0, box->currentIndex() + step, box->count() - 1));
        return true;
    }
    return false;
}

void FunctionLists::openSearch(QComboBox *box, const QString &typed)
{
    if (!search)
        search = std::make_shared<const Options::FunctionSearch>();
    auto *popup = new FunctionSearchPopup(box, search);
    popup->start(typed);
}

// A plain notch moves ten rows, ten folder numbers, rather than the usual three;
// with Ctrl or Shift the wheel already moves a page.
bool FunctionLists::scrollOpenList(QComboBox *box, QEvent *event)
{
    const auto *wheel = static_cast<QWheelEvent *>(event);
    if (wheel->modifiers() != Qt::NoModifier)
        return false;
    wheelTurn += wheel->angleDelta().y();
    const int notches = wheelTurn / QWheelEvent::DefaultDeltasPerStep;
    wheelTurn -= notches * QWheelEvent::DefaultDeltasPerStep;
    QScrollBar *bar = box->view()->verticalScrollBar();
    bar->setValue(bar->value() - notches * RowsPerWheelNotch);
    return true;
}
