#pragma once

#include "document/optiondocument.h"

#include <QCoreApplication>
#include <QObject>

#include <array>
#include <functional>

class DocumentHistory;
class FunctionLists;
class QCheckBox;
class QComboBox;
class QLabel;
class QPoint;
class QScrollArea;
class QSpinBox;
class QWidget;

// The 23 option rows of the window: they show the document, and turn what the user does
// in them into steps of its history. A row's editor is a spin box or a list; everything
// that depends on which is done in one place here.
class OptionRows : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)   // the main window's texts

public:
    // The widgets of one row as the form has them: its caption, and a spin box or a list.
    struct RowWidgets {
        QCheckBox *caption;
        QSpinBox *spinBox;   // null for a list
        QComboBox *list;     // null for a spin box
    };
    using Widgets = std::array<RowWidgets, Options::OptionCount>;

    // The rows' widgets, in row order, inside `scrollArea`, where each row's description
    // is the label whose buddy is the row's editor.
    OptionRows(const Widgets &rows, QScrollArea *scrollArea, Document::OptionDocument &document,
               DocumentHistory &history, QObject *parent);

    // Every value back to its default, ticks kept; one step.
    void applyDefaults();
    // Every row ticked, or every row unticked; one step.
    void selectAll(bool ticked);
    // Sets the rows as one step described as `what`, a text marked for translation.
    void setStates(const Options::OptionStates &states, const char *what);
    // The row's value back to its default, tick kept; one step. What each row's context
    // menu offers.
    void resetToDefault(int row);

    // Scrolls the row into view; with `focus`, its editor takes the keyboard.
    void reveal(int row, bool focus);
    // The row whose caption or editor is `widget` or holds it (an editor's text field,
    // a list's popup), or -1.
    int rowOf(const QWidget *widget) const;

    // After a language change: the lists' texts (every value kept), marks' tooltips, the
    // rows' explanations and the editors' names for screen readers.
    void retranslate();

    QCheckBox *caption(int row) const;
    QLabel *description(int row) const;
    QWidget *editor(int row) const;
    // The row's caption without its colon: "Input 01".
    QString name(int row) const;
    // A value as the row's editor shows it: "32", "Folder 006", "On".
    QString shownValue(int row, int value) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A row's editor, and how it gives, takes and shows its value.
    struct Editor {
        QWidget *widget = nullptr;
        QComboBox *list = nullptr;   // the same widget when it is a list, else null
        std::function<int()> value;
        std::function<void(int)> setValue;
        std::function<QString(int)> shown;
    };
    Editor makeEditor(int row);
    void show(int row);
    void ticked(int row);
    void valueEdited(int row);
    void describeEditors();
    void showRowMenu(int row, QWidget *clicked, const QPoint &at);

    const Widgets m_rows;
    Document::OptionDocument &m_document;
    DocumentHistory &m_history;
    FunctionLists *m_functionLists;
    QScrollArea *m_scrollArea;
    std::array<Editor, Options::OptionCount> m_editors;
    std::array<QLabel *, Options::OptionCount> m_descriptions{};
};
