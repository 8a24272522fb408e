#include "undo/puzzle_step.h"

namespace {

constexpr int TYPING = 1;  // the id of steps that merge

}  // namespace

PuzzleStep::PuzzleStep(PuzzleDocument &document, const QString &name, const DocumentState &before,
                       const DocumentState &after, bool designStep, int mergeWord, unsigned selection)
    : QUndoCommand(name),
      m_document(document),
      m_before(before),
      m_after(after),
      m_designStep(designStep),
      m_mergeWord(mergeWord),
      m_selection(selection)
{
}

void PuzzleStep::undo()
{
    m_document.restore(m_before, m_designStep, true);
}

void PuzzleStep::redo()
{
    if (m_done) {
        m_done = false;
        return;
    }
    m_document.restore(m_after, m_designStep, false);
}

int PuzzleStep::id() const
{
    return m_mergeWord != 0 ? TYPING : -1;
}

bool PuzzleStep::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const PuzzleStep *>(other);
    if (next->m_mergeWord != m_mergeWord || next->m_selection != m_selection)
        return false;
    m_after = next->m_after;
    return true;
}
