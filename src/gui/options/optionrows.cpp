#include "optionrows.h"

#include "configfile/importreport.h"
#include "document/documenthistory.h"
#include "help/rowhelp.h"
#include "options/functionlists.h"
#include "options/listwidth.h"
#include "options/optionhelp.h"
#include "widgets/readablecolour.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <iterator>

namespace {

bool differsFromDefault(int r, const Options::OptionState &state)
{
    return state.value != Options::catalogue()[r].defaultValue;
}

bool isFunctionList(int r)
{
    return Options::facts(Options::catalogue()[r].kind).encoding == Options::Encoding::Token;
}

// An unticked row's editor looks like a disabled one, yet takes edits.
QPalette rowPalette(const QWidget *editor, bool ticked)
{
    if (ticked)
        return QPalette();   // the inherited one
    QPalette palette = editor->palette();
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, role, palette.color(QPalette::Disabled, role));
    }
    return palette;
}

} // namespace

OptionRows::OptionRows(const Widgets &rows, QScrollArea *scrollArea, Document::OptionDocument &document,
                       DocumentHistory &history, QObject *parent)
    : QObject(parent)
    , m_rows(rows)
    , m_document(document)
    , m_history(history)
    , m_functionLists(new FunctionLists(this))
    , m_scrollArea(scrollArea)
{
    for (int r = 0; r < Options::OptionCount; ++r) {
        m_editors[r] = makeEditor(r);
        show(r);
        connect(caption(r), &QCheckBox::toggled, this, [this, r] { ticked(r); });
    }
    // Each row's description is the label whose buddy is the row's editor. Softer than
    // the captions, readable all the same.
    for (QLabel *label : scrollArea->widget()->findChildren<QLabel *>()) {
        const auto row = std::find_if(m_editors.begin(), m_editors.end(),
                                      [label](const Editor &e) { return e.widget == label->buddy(); });
        if (row != m_editors.end()) {
            m_descriptions[std::distance(m_editors.begin(), row)] = label;
            ReadableColour::useSecondaryText(label);
        }
    }
    for (int r = 0; r < Options::OptionCount; ++r) {
        for (QWidget *part : {static_cast<QWidget *>(caption(r)), static_cast<QWidget *>(description(r)), editor(r)}) {
            part->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(part, &QWidget::customContextMenuRequested, this,
                    [this, r, part](const QPoint &at) { showRowMenu(r, part, part->mapToGlobal(at)); });
        }
    }
    m_functionLists->fitWidths();
    connect(&m_document, &Document::OptionDocument::rowChanged, this, &OptionRows::show);
    describeEditors();
}

// The one place that tells a spin box from a list. The spin boxes take exactly the values
// the catalogue allows; the 17 function lists share one model whose texts follow the
// language. The wheel only turns an editor that has the keyboard focus: passing over the
// others on the way down the rows must not change them.
OptionRows::Editor OptionRows::makeEditor(int row)
{
    Editor editor;
    if (m_rows[row].spinBox) {
        QSpinBox *box = m_rows[row].spinBox;
        const Options::KindFacts &facts = Options::facts(Options::catalogue()[row].kind);
        box->setRange(facts.minimum, facts.maximum);
        box->findChild<QLineEdit *>()->installEventFilter(this);
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this, [this, row] { valueEdited(row); });
        editor = {box, nullptr, [box] { return box->value(); }, [box](int value) { box->setValue(value); },
                  [](int value) { return QString::number(value); }};
    } else {
        QComboBox *box = m_rows[row].list;
        if (isFunctionList(row)) {
            m_functionLists->addBox(box);
        } else {
            const QStringList items = Options::listItems(Options::catalogue()[row].kind);
            box->addItems(items);
            setListWidth(box, listWidth(box, items));
        }
        connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this, [this, row] { valueEdited(row); });
        editor = {box, box, [box] { return box->currentIndex(); }, [box](int value) { box->setCurrentIndex(value); },
                  [box](int value) { return box->itemText(value); }};
    }
    editor.widget->setFocusPolicy(Qt::StrongFocus);
    editor.widget->installEventFilter(this);
    return editor;
}

QCheckBox *OptionRows::caption(int row) const
{
    return m_rows[row].caption;
}

QLabel *OptionRows::description(int row) const
{
    return m_descriptions[row];
}

QWidget *OptionRows::editor(int row) const
{
    return m_editors[row].widget;
}

QString OptionRows::name(int row) const
{
    QString name = caption(row)->text();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

QString OptionRows::shownValue(int row, int value) const
{
    return m_editors[row].shown(value);
}

bool OptionRows::eventFilter(QObject *watched, QEvent *event)
{
    // One history for the window: Ctrl+Z in a spin box undoes the last change of the
    // rows, as everywhere else, rather than the box's own typing.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
    }
    if (event->type() != QEvent::Wheel || static_cast<QWidget *>(watched)->hasFocus())
        return false;
    QCoreApplication::sendEvent(m_scrollArea->viewport(), event);
    return true;
}

void OptionRows::retranslate()
{
    for (int r = 0; r < Options::OptionCount; ++r) {
        QComboBox *box = m_editors[r].list;
        if (box && !isFunctionList(r)) {
            const QStringList items = Options::listItems(Options::catalogue()[r].kind);
            for (int i = 0; i < items.size(); ++i)
                box->setItemText(i, items.at(i));
            setListWidth(box, listWidth(box, items));
        }
        show(r);   // the mark's tooltip
    }
    m_functionLists->retranslate();
    describeEditors();
}

// Every editor tells a screen reader which row it belongs to (its caption without the
// colon: "Input 01") and what the row sets (its description); every row explains itself
// in its tooltips and What's This.
void OptionRows::describeEditors()
{
    for (int r = 0; r < Options::OptionCount; ++r) {
        explainRow(r, caption(r), description(r), editor(r));
        editor(r)->setAccessibleName(name(r));
        editor(r)->setAccessibleDescription(description(r)->text());
    }
}

// The widgets follow the document; their signals then find nothing new to tell it.
// A refused row looks like any other (ticked, at its default), as does one whose value
// was read otherwise than the file wrote it, and the next save would write them: their
// captions show a warning and, as tooltip, the line and why, in the language installed now.
// A row whose value is not its default has a bold caption, as a settings editor shows
// what was changed, and says so to a screen reader; no colour of its own.
void OptionRows::show(int row)
{
    const Options::OptionState &state = m_document.states()[row];
    const Document::RefusedMark &mark = m_document.rows().refused[row];
    QCheckBox *box = caption(row);
    box->setChecked(state.included);
    m_editors[row].setValue(state.value);
    editor(row)->setPalette(rowPalette(editor(row), state.included));
    box->setIcon(mark.isSet() ? box->style()->standardIcon(QStyle::SP_MessageBoxWarning) : QIcon());
    box->setToolTip(mark.isSet() ? ConfigReader::noteLineText(mark.note) : QString());
    const bool changed = differsFromDefault(row, state);
    QFont bold;   // only the weight set: the rest follows the window's font
    bold.setBold(true);
    box->setFont(changed ? bold : QFont());
    box->setAccessibleDescription(changed ? tr("Changed; the default is %1").arg(Options::defaultShown(row)) : QString());
}

// What the row offers: its value back to the default, after the text field's own
// commands where a spin box was clicked (a menu's leading separator is not shown).
void OptionRows::showRowMenu(int row, QWidget *clicked, const QPoint &at)
{
    auto *text = clicked->findChild<QLineEdit *>();
    QMenu *menu = text ? text->createStandardContextMenu() : new QMenu(clicked);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    QAction *reset = menu->addAction(tr("Reset to &default"));
    reset->setObjectName(QStringLiteral("action_Reset_To_Default"));
    reset->setEnabled(differsFromDefault(row, m_document.states()[row]));
    connect(reset, &QAction::triggered, this, [this, row] { resetToDefault(row); });
    menu->popup(at);
}

void OptionRows::resetToDefault(int row)
{
    Options::OptionState state = m_document.states()[row];
    state.value = Options::catalogue()[row].defaultValue;
    const auto describe = [this, row](const Document::Rows &, const Document::Rows &) {
        return tr("Reset %1 to default").arg(name(row));
    };
    m_history.change(m_document.rows().withState(row, state), describe);
}

void OptionRows::reveal(int row, bool focus)
{
    m_scrollArea->ensureWidgetVisible(caption(row));
    m_scrollArea->ensureWidgetVisible(editor(row));
    if (focus)
        editor(row)->setFocus(Qt::OtherFocusReason);
}

int OptionRows::rowOf(const QWidget *widget) const
{
    for (; widget; widget = widget->parentWidget()) {
        for (int r = 0; r < Options::OptionCount; ++r) {
            if (widget == caption(r) || widget == editor(r))
                return r;
        }
    }
    return -1;
}

void OptionRows::ticked(int row)
{
    Options::OptionState state = m_document.states()[row];
    if (state.included == caption(row)->isChecked())
        return;   // the box shows the document
    state.included = !state.included;
    const auto describe = [this, row](const Document::Rows &, const Document::Rows &after) {
        return (after.states[row].included ? tr("Tick %1") : tr("Untick %1")).arg(name(row));
    };
    m_history.change(m_document.rows().withState(row, state), describe);
}

// A value changed in an unticked row is meant to be written: the row is ticked with it,
// in the same step.
void OptionRows::valueEdited(int row)
{
    const Options::OptionState state{true, m_editors[row].value()};
    if (state.value == m_document.states()[row].value)
        return;   // the editor shows the document
    const auto describe = [this, row](const Document::Rows &before, const Document::Rows &after) {
        return QStringLiteral("%1 %2 → %3")
            .arg(name(row), shownValue(row, before.states[row].value), shownValue(row, after.states[row].value));
    };
    m_history.change(m_document.rows().withState(row, state), describe, row);
}

void OptionRows::applyDefaults()
{
    Options::OptionStates states = m_document.states();
    for (int r = 0; r < Options::OptionCount; ++r)
        states[r].value = Options::catalogue()[r].defaultValue;
    setStates(states, QT_TRANSLATE_NOOP("MainWindow", "Default settings"));
}

void OptionRows::selectAll(bool ticked)
{
    Options::OptionStates states = m_document.states();
    for (Options::OptionState &state : states)
        state.included = ticked;
    setStates(states, ticked ? QT_TRANSLATE_NOOP("MainWindow", "Select all options")
                             : QT_TRANSLATE_NOOP("MainWindow", "Unselect all options"));
}

// The rows whose state changes lose their refused marks, as if edited one by one.
void OptionRows::setStates(const Options::OptionStates &states, const char *what)
{
    Document::Rows after = m_document.rows();
    for (int r = 0; r < Options::OptionCount; ++r) {
        if (!(states[r] == after.states[r]))
            after = after.withState(r, states[r]);
    }
    m_history.change(after, [what](const Document::Rows &, const Document::Rows &) { return tr(what); });
}
