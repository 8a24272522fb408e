#include "undo/puzzle_document.h"

#include "document/puzzle_file.h"
#include "play/play_grid.h"
#include "undo/puzzle_step.h"

#include <algorithm>

namespace {

// What Save would write: it reads the answers from the player's grid first.
std::string SavedBytes(const Puzzle &p)
{
    if (!p.complete())
        return WritePuzzleFile(p);
    Puzzle saved = p;
    PgridToPwords(saved);
    return WritePuzzleFile(saved);
}

Changes Difference(const DocumentState &a, const DocumentState &b)
{
    const Puzzle &p = a.puzzle;
    const Puzzle &q = b.puzzle;
    bool list = p.nwords != q.nwords;
    bool grid = p.nplaced != q.nplaced || p.gridwrd != q.gridwrd || !(p.CWGrid == q.CWGrid) || !(p.CWIdx == q.CWIdx);
    bool answers = p.ncorrect != q.ncorrect || !(p.Pgrid == q.Pgrid);
    for (int w = 1; w <= std::max(p.nwords, q.nwords); ++w) {
        const WordEntry &x = p.Words[w];
        const WordEntry &y = q.Words[w];
        list = list || x.word != y.word || x.clue != y.clue || x.stat != y.stat || x.lw != y.lw;
        grid = grid || x.dr != y.dr || x.gc != y.gc || x.gr != y.gr || x.nbr != y.nbr;
        answers = answers || x.pword != y.pword || x.pwok != y.pwok;
    }
    Changes what;
    what.setFlag(Change::List, list);
    what.setFlag(Change::Grid, grid);
    what.setFlag(Change::Answers, answers);
    what.setFlag(Change::CurrentWord, p.curw != q.curw || (q.curw >= 1 && !(p.Words[q.curw] == q.Words[q.curw])));
    what.setFlag(Change::Colour, p.gboxidx != q.gboxidx || p.gridclr != q.gridclr);
    what.setFlag(Change::Size, p.gcols != q.gcols || p.grows != q.grows);
    what.setFlag(Change::Scroll, a.wtop != b.wtop);
    what.setFlag(Change::Cursor, a.cursor != b.cursor);
    return what;
}

// The player's letters typed since a design step stay where the grid it
// brings back has the same word in the same cells, as rebuilding the grid
// keeps them.
void KeepTypedLetters(Puzzle &restored, const Puzzle &now)
{
    for (int r = 1; r <= restored.nwords; ++r) {
        const WordEntry &word = restored.Words[r];
        if (!word.placed() || !WordInPlayGrid(word))
            continue;
        for (int n = 1; n <= now.nwords; ++n) {
            const WordEntry &same = now.Words[n];
            if (!same.placed() || same.word != word.word || same.gc != word.gc || same.gr != word.gr
                || same.dr != word.dr)
                continue;
            for (int k = 1; k <= word.lw; ++k)
                restored.Pgrid(word.cellCol(k), word.cellRow(k)) = now.Pgrid(word.cellCol(k), word.cellRow(k));
            break;
        }
    }
}

}  // namespace

PuzzleDocument::PuzzleDocument(QObject *parent) : QObject(parent)
{
    for (QUndoStack *stack : {&m_design, &m_play}) {
        stack->setUndoLimit(HISTORY_STEPS);
        connect(stack, &QUndoStack::indexChanged, this, &PuzzleDocument::historyChanged);
    }
    m_savedBytes = SavedBytes(puzzle());
}

// The steps refer to the document: they go first, and quietly, since the
// window that listens is going too.
PuzzleDocument::~PuzzleDocument()
{
    const QSignalBlocker quiet(this);
    m_design.clear();
    m_play.clear();
}

void PuzzleDocument::setMode(RunMode mode)
{
    m_mode = mode;
    emit historyChanged();
}

void PuzzleDocument::setFile(const std::string &fname, const std::string &fpath)
{
    m_fname = fname;
    m_fpath = fpath;
}

void PuzzleDocument::setWtop(int wtop)
{
    const DocumentState before = m_state;
    m_state.wtop = wtop;
    tell(before);
}

void PuzzleDocument::setCursor(PlayCursor cursor)
{
    const DocumentState before = m_state;
    m_state.cursor = cursor;
    tell(before);
}

void PuzzleDocument::beginStep(const QString &name, int mergeWord)
{
    if (m_depth++ > 0)
        return;
    m_stepBefore = m_state;
    m_stepName = name;
    m_stepMerge = mergeWord;
    m_stepSelection = m_selections;
    emit historyChanged();  // nothing is undone while a step is under way
}

void PuzzleDocument::endStep()
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    const Puzzle &before = m_stepBefore.puzzle;
    if (SavedBytes(before) != SavedBytes(puzzle()) || !(before.Pgrid == puzzle().Pgrid)) {
        const bool design = !playing();
        if (design)
            m_play.clear();
        history().push(  // which tells the history's change
            new PuzzleStep(*this, m_stepName, m_stepBefore, m_state, design, m_stepMerge, m_stepSelection));
    } else {
        emit historyChanged();  // Undo is back, as it was before the step
    }
}

QUndoStack &PuzzleDocument::history()
{
    return playing() ? m_play : m_design;
}

const QUndoStack &PuzzleDocument::history() const
{
    return playing() ? m_play : m_design;
}

bool PuzzleDocument::canUndo() const
{
    return !inStep() && history().canUndo();
}

bool PuzzleDocument::canRedo() const
{
    return !inStep() && history().canRedo();
}

QString PuzzleDocument::undoText() const
{
    return canUndo() ? history().undoText() : QString();
}

QString PuzzleDocument::redoText() const
{
    return canRedo() ? history().redoText() : QString();
}

void PuzzleDocument::undo()
{
    if (canUndo())
        history().undo();
}

void PuzzleDocument::redo()
{
    if (canRedo())
        history().redo();
}

void PuzzleDocument::clearHistory()
{
    m_design.clear();
    m_play.clear();
    emit historyChanged();
}

void PuzzleDocument::markSaved()
{
    m_state.puzzle.changed = false;  // tells nothing: no control shows it
    m_savedBytes = SavedBytes(puzzle());
}

void PuzzleDocument::restore(const DocumentState &state, bool designStep, bool undoing)
{
    DocumentState next = state;
    if (designStep && undoing)
        KeepTypedLetters(next.puzzle, puzzle());
    // Showing the grid's words is a switch of the window's, not part of a step.
    next.puzzle.gridwrd = puzzle().gridwrd;
    next.puzzle.gridwrdsv = puzzle().gridwrdsv;
    // Back to what the file holds is unchanged; an empty list is never changed.
    next.puzzle.changed = next.puzzle.nwords > 0 && SavedBytes(next.puzzle) != m_savedBytes;
    const DocumentState before = m_state;
    m_state = next;
    if (designStep)
        m_play.clear();  // the player's steps no longer fit the grid
    tell(before, Change::Restored);
}

void PuzzleDocument::tell(const DocumentState &before, Changes also)
{
    const Changes what = Difference(before, m_state) | also;
    if (before.puzzle.curw != puzzle().curw)
        ++m_selections;
    if (what)
        emit changed(what);
}
