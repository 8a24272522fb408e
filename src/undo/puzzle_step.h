// One step of a puzzle's history: the whole state before and after it, so
// that Undo and Redo put back exactly what was there. The step is made once
// the change is done, so its first redo, the one QUndoStack runs when the
// step is pushed, does nothing.
#pragma once

#include "undo/puzzle_document.h"

#include <QUndoCommand>

class PuzzleStep : public QUndoCommand {
public:
    // mergeWord: the word typed into (0 for a step that never merges);
    // selection: the document's count of word choices when the step began.
    PuzzleStep(PuzzleDocument &document, const QString &name, const DocumentState &before,
               const DocumentState &after, bool designStep, int mergeWord, unsigned selection);

    void undo() override;
    void redo() override;
    int id() const override;
    // Typing into the same word with no other word chosen in between is one step.
    bool mergeWith(const QUndoCommand *other) override;

private:
    PuzzleDocument &m_document;
    DocumentState m_before;
    DocumentState m_after;
    bool m_designStep;
    int m_mergeWord;
    unsigned m_selection;
    bool m_done = true;
};
