#include "documenthistory.h"

#include <QAction>

namespace {

class RowsCommand : public QUndoCommand
{
public:
    RowsCommand(Document::OptionDocument &document, const Document::Rows &after,
                const DocumentHistory::Describe &describe, int mergeKey)
        : m_document(document), m_before(document.rows()), m_after(after), m_describe(describe), m_mergeKey(mergeKey)
    {
    }

    void redo() override { m_document.setRows(m_after); }
    void undo() override { m_document.setRows(m_before); }
    int id() const override { return m_mergeKey; }

    bool mergeWith(const QUndoCommand *other) override
    {
        m_after = static_cast<const RowsCommand *>(other)->m_after;
        setObsolete(m_after == m_before);   // back where it started: no step at all
        return true;
    }

    QString description() const { return m_describe(m_before, m_after); }

private:
    Document::OptionDocument &m_document;
    const Document::Rows m_before;
    Document::Rows m_after;
    const DocumentHistory::Describe m_describe;
    const int m_mergeKey;
};

QString describeAt(const QUndoStack &stack, int index)
{
    const auto *command = static_cast<const RowsCommand *>(stack.command(index));
    return command ? command->description() : QString();
}

} // namespace

DocumentHistory::DocumentHistory(Document::OptionDocument &document, QObject *parent)
    : QObject(parent), m_document(document)
{
    connect(&m_stack, &QUndoStack::cleanChanged, &m_document,
            [this](bool clean) { m_document.setModified(!clean); });
    connect(&m_stack, &QUndoStack::indexChanged, this, &DocumentHistory::updateActions);
}

void DocumentHistory::change(const Document::Rows &after, const Describe &describe, int mergeKey)
{
    if (after != m_document.rows())
        m_stack.push(new RowsCommand(m_document, after, describe, mergeKey));
}

void DocumentHistory::setClean()
{
    m_stack.setClean();
}

void DocumentHistory::attach(QAction *undo, QAction *redo)
{
    m_undo = undo;
    m_redo = redo;
    connect(undo, &QAction::triggered, &m_stack, &QUndoStack::undo);
    connect(redo, &QAction::triggered, &m_stack, &QUndoStack::redo);
    updateActions();
}

void DocumentHistory::retranslate()
{
    updateActions();
}

void DocumentHistory::updateActions()
{
    if (!m_undo)
        return;
    const QString undone = describeAt(m_stack, m_stack.index() - 1);
    const QString redone = describeAt(m_stack, m_stack.index());
    m_undo->setEnabled(m_stack.canUndo());
    m_redo->setEnabled(m_stack.canRedo());
    m_undo->setText(undone.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undone));
    m_redo->setText(redone.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redone));
}
