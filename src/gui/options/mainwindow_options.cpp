// The option rows of the main window: filling their lists, defaults, ticks, moving
// their state to and from the catalogue's plain values, and noticing their edits.
#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/globals.h"
#include "configfile/importreport.h"
#include "options/functionlists.h"
#include "options/listwidth.h"

#include <QIcon>
#include <QStyle>

namespace {

// The widgets of each row, in row order; exactly one editor per row.
struct RowWidgets {
    QCheckBox *Ui::MainWindow::*include;
    QSpinBox *Ui::MainWindow::*spinBox;
    QComboBox *Ui::MainWindow::*comboBox;
};

using U = Ui::MainWindow;
const RowWidgets rowWidgets[Options::OptionCount] = {
    {&U::checkBox_ID, &U::spinBox_ID, nullptr},
    {&U::checkBox_Volume, &U::spinBox_Volume, nullptr},
    {&U::checkBox_Power, nullptr, &U::comboBox_Power},
    {&U::checkBox_Monitor, nullptr, &U::comboBox_Monitor},
    {&U::checkBox_Boot, &U::spinBox_Boot, nullptr},
    {&U::checkBox_Input01, nullptr, &U::comboBox_Input01},
    {&U::checkBox_Input02, nullptr, &U::comboBox_Input02},
    {&U::checkBox_Input03, nullptr, &U::comboBox_Input03},
    {&U::checkBox_Input04, nullptr, &U::comboBox_Input04},
    {&U::checkBox_Input05, nullptr, &U::comboBox_Input05},
    {&U::checkBox_Input06, nullptr, &U::comboBox_Input06},
    {&U::checkBox_Input07, nullptr, &U::comboBox_Input07},
    {&U::checkBox_Input08, nullptr, &U::comboBox_Input08},
    {&U::checkBox_Input09, nullptr, &U::comboBox_Input09},
    {&U::checkBox_Input10, nullptr, &U::comboBox_Input10},
    {&U::checkBox_Input11, nullptr, &U::comboBox_Input11},
    {&U::checkBox_Input12, nullptr, &U::comboBox_Input12},
    {&U::checkBox_Input13, nullptr, &U::comboBox_Input13},
    {&U::checkBox_Input14, nullptr, &U::comboBox_Input14},
    {&U::checkBox_Input15, nullptr, &U::comboBox_Input15},
    {&U::checkBox_Button1, nullptr, &U::comboBox_Button1},
    {&U::checkBox_Button2, nullptr, &U::comboBox_Button2},
    {&U::checkBox_Baudrate, nullptr, &U::comboBox_Baudrate},
};

// The list's texts in the language installed now, changed in place: the box keeps
// its current item.
void showListTexts(QComboBox *box, const QStringList &items)
{
    for (int i = 0; i < items.size(); ++i)
        box->setItemText(i, items.at(i));
    setListWidth(box, listWidth(box, items));
}

QComboBox *listOfRow(Ui::MainWindow *ui, int r)
{
    return rowWidgets[r].comboBox ? ui->*rowWidgets[r].comboBox : nullptr;
}

bool isFunctionList(int r)
{
    return Options::facts(Options::catalogue()[r].kind).encoding == Options::Encoding::Token;
}

} // namespace

// The lists are process-wide: a second window in the same process must not
// append them again.
void MainWindow::fillKeywordLists()
{
    if (optionKeywords.isEmpty())
        optionKeywords.append(Options::optionKeywordTable());
    if (functionKeywords.isEmpty())
        functionKeywords.append(Options::functionKeywordTable());
}

// The spin boxes take exactly the values the catalogue allows.
void MainWindow::setUpEditorRanges()
{
    for (int r = 0; r < Options::OptionCount; ++r) {
        if (rowWidgets[r].spinBox) {
            const Options::KindFacts &facts = Options::facts(Options::catalogue()[r].kind);
            (ui->*rowWidgets[r].spinBox)->setRange(facts.minimum, facts.maximum);
        }
    }
}

// Once, in the language installed at start-up. The 17 function boxes share one model
// whose texts follow the language; each box keeps its own current item.
void MainWindow::setUpOptionLists()
{
    functionLists = new FunctionLists(this);
    for (int r = 0; r < Options::OptionCount; ++r) {
        QComboBox *box = listOfRow(ui, r);
        if (!box)
            continue;
        if (isFunctionList(r)) {
            functionLists->addBox(box);
        } else {
            const QStringList items = Options::listItems(Options::catalogue()[r].kind);
            box->addItems(items);
            setListWidth(box, listWidth(box, items));
        }
    }
    functionLists->fitWidths();
}

// After a language change: the texts and widths of the lists filled at start-up.
void MainWindow::fillOptionLists()
{
    for (int r = 0; r < Options::OptionCount; ++r) {
        QComboBox *box = listOfRow(ui, r);
        if (box && !isFunctionList(r))
            showListTexts(box, Options::listItems(Options::catalogue()[r].kind));
    }
    functionLists->retranslate();
}

void MainWindow::applyDefaultSettings()
{
    Options::OptionStates states = optionStates();
    for (int r = 0; r < Options::OptionCount; ++r)
        states[r].value = Options::catalogue()[r].defaultValue;
    setOptionStates(states);
}

void MainWindow::selectAllOptions()
{
    for (const RowWidgets &row : rowWidgets)
        (ui->*row.include)->setChecked(true);
}

void MainWindow::unselectAllOptions()
{
    for (const RowWidgets &row : rowWidgets)
        (ui->*row.include)->setChecked(false);
}

Options::OptionStates MainWindow::optionStates() const
{
    Options::OptionStates states;
    for (int r = 0; r < Options::OptionCount; ++r) {
        const RowWidgets &row = rowWidgets[r];
        states[r].included = (ui->*row.include)->isChecked();
        states[r].value = row.spinBox ? (ui->*row.spinBox)->value() : (ui->*row.comboBox)->currentIndex();
    }
    return states;
}

void MainWindow::setOptionStates(const Options::OptionStates &states)
{
    for (int r = 0; r < Options::OptionCount; ++r) {
        const RowWidgets &row = rowWidgets[r];
        (ui->*row.include)->setChecked(states[r].included);
        if (row.spinBox)
            (ui->*row.spinBox)->setValue(states[r].value);
        else
            (ui->*row.comboBox)->setCurrentIndex(states[r].value);
    }
}

// Every change of a row, by the user or by a command, clears the row's refused mark
// and updates the modified marker of the title.
void MainWindow::watchRowEdits()
{
    for (int r = 0; r < Options::OptionCount; ++r) {
        const RowWidgets &row = rowWidgets[r];
        const auto edited = [this, r] { rowEdited(r); };
        connect(ui->*row.include, &QCheckBox::toggled, this, edited);
        if (row.spinBox)
            connect(ui->*row.spinBox, QOverload<int>::of(&QSpinBox::valueChanged), this, edited);
        else
            connect(ui->*row.comboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, edited);
    }
}

// Going back to the unmodified values clears the marker again.
void MainWindow::rowEdited(int row)
{
    if (m_rowNotes[row].lineNumber != 0) {
        m_rowNotes[row].lineNumber = 0;
        showRefusedMarks();
    }
    setWindowModified(optionStates() != m_unmodifiedStates);
}

void MainWindow::markUnmodified()
{
    m_unmodifiedStates = optionStates();
    setWindowModified(false);
}

// A refused row looks like any other (ticked, at its default), as does one whose value
// was read otherwise than the file wrote it, and the next Generate would write them:
// their captions show a warning and, as tooltip, the line and why.
void MainWindow::showRefusedMarks()
{
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (int r = 0; r < Options::OptionCount; ++r) {
        QCheckBox *caption = ui->*rowWidgets[r].include;
        const ConfigReader::Note &note = m_rowNotes[r];
        caption->setIcon(note.lineNumber != 0 ? warning : QIcon());
        caption->setToolTip(note.lineNumber != 0 ? ConfigReader::noteLineText(note) : QString());
    }
}
