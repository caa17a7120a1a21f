#pragma once

#include "document/optiondocument.h"

#include <QCoreApplication>
#include <QObject>
#include <QUndoStack>

#include <functional>

class QAction;

// Every change of the document goes through here as one undo step, and the undo
// stack's clean state is what says whether the rows differ from their file.
class DocumentHistory : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)   // the main window's texts

public:
    // What a step says it does ("Volume 32 → 40"), in the language installed when
    // asked: the Undo and Redo items are retexted after a language change.
    using Describe = std::function<QString(const Document::Rows &before, const Document::Rows &after)>;

    // No merging: a step of its own.
    static constexpr int Separate = -1;

    DocumentHistory(Document::OptionDocument &document, QObject *parent);

    // The rows become `after`, as one step; nothing happens when they already are.
    // Consecutive steps with the same merge key (>= 0) become one: typing "40" into a
    // spin box is one change, not two.
    void change(const Document::Rows &after, const Describe &describe, int mergeKey = Separate);

    // The rows match their file now (read or written): the modified marker clears, and
    // undoing or redoing back to this point clears it again.
    void setClean();

    // Keeps the two actions' texts, enabled states and targets in step with the stack.
    void attach(QAction *undo, QAction *redo);
    // After a language change.
    void retranslate();

    QUndoStack &stack() { return m_stack; }

private:
    void updateActions();

    Document::OptionDocument &m_document;
    QUndoStack m_stack;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
};
