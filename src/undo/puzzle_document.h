// The one puzzle of the window and its history. Every change to the puzzle
// goes through here: a handler asks for it, the document makes it through
// the core, tells what changed, and keeps the commands as named steps that
// Undo and Redo replay. A step holds the whole state before and after it, so
// Undo brings back exactly what was there and Redo exactly what the step
// made, and the parts redraw from what they are told, whichever it was.
//
// Design and play keep histories of their own, and the mode decides which
// one Undo and Redo work on. A design step no longer fits the player's steps
// (the words they were typed into may be gone), so it clears the play
// history; the design history survives a visit to play mode.
#pragma once

#include "document/gridlymod.h"
#include "play/play_keys.h"

#include <QObject>
#include <QUndoStack>

#include <string>
#include <type_traits>
#include <utility>

// What a change touched, for the parts that show it.
enum class Change : unsigned {
    List = 1 << 0,         // the words the panel shows: count, order, texts, clues, which are placed
    Grid = 1 << 1,         // the grid arrays, the places and numbers of the words
    CurrentWord = 1 << 2,  // curw, or the current word's own record
    Answers = 1 << 3,      // the player's letters, their judgement and the score
    Colour = 1 << 4,       // the grid colour
    Size = 1 << 5,         // the grid in use
    Scroll = 1 << 6,       // the first word the panel shows
    Cursor = 1 << 7,       // the play cursor
    Restored = 1 << 8,     // Undo or Redo brought the state back: show all of it afresh
};
Q_DECLARE_FLAGS(Changes, Change)
Q_DECLARE_OPERATORS_FOR_FLAGS(Changes)

// What a step brings back: the puzzle, the panel's first row and the play cursor.
struct DocumentState {
    Puzzle puzzle;
    int wtop = 1;  // first word shown in the word panel
    PlayCursor cursor;
};

class PuzzleDocument : public QObject {
    Q_OBJECT
public:
    // At least this many steps are kept in each history.
    static constexpr int HISTORY_STEPS = 200;

    explicit PuzzleDocument(QObject *parent = nullptr);
    ~PuzzleDocument() override;

    const Puzzle &puzzle() const { return m_state.puzzle; }
    int wtop() const { return m_state.wtop; }
    PlayCursor cursor() const { return m_state.cursor; }

    RunMode mode() const { return m_mode; }
    bool playing() const { return m_mode == RunMode::Play; }
    // Undo and Redo follow the history of the mode; switching undoes nothing.
    void setMode(RunMode mode);

    // The puzzle's file, UTF-8; "" for none.
    const std::string &fname() const { return m_fname; }
    const std::string &fpath() const { return m_fpath; }
    void setFile(const std::string &fname, const std::string &fpath);

    // Changes the puzzle and tells what changed; returns what change returns.
    // Inside a step the change is part of it; outside one (choosing a word,
    // scrolling, saving) it is not recorded.
    template <class F>
    decltype(auto) update(F &&change)
    {
        const DocumentState before = m_state;
        if constexpr (std::is_void_v<std::invoke_result_t<F, Puzzle &>>) {
            std::forward<F>(change)(m_state.puzzle);
            tell(before);
        } else {
            decltype(auto) result = std::forward<F>(change)(m_state.puzzle);
            tell(before);
            return result;
        }
    }
    void setWtop(int wtop);
    void setCursor(PlayCursor cursor);

    // Everything from beginStep to endStep is one step of the mode's history,
    // named for the Edit menu ("Clear Grid"). Steps nest, the outermost
    // naming the step. A step that changed neither what a save would write
    // nor the player's letters is not kept. Consecutive steps with the same
    // mergeWord (typing into one word) are kept as one.
    void beginStep(const QString &name, int mergeWord = 0);
    void endStep();
    bool inStep() const { return m_depth > 0; }
    // One update as a whole step.
    template <class F>
    decltype(auto) edit(const QString &name, F &&change)
    {
        const StepScope step(*this, name);
        return update(std::forward<F>(change));
    }
    // A step for as long as it lives.
    class StepScope {
    public:
        StepScope(PuzzleDocument &document, const QString &name, int mergeWord = 0) : m_document(document)
        {
            m_document.beginStep(name, mergeWord);
        }
        ~StepScope() { m_document.endStep(); }
        StepScope(const StepScope &) = delete;
        StepScope &operator=(const StepScope &) = delete;

    private:
        PuzzleDocument &m_document;
    };

    // Nothing is undone while a step is under way (a drag, a size bar held).
    bool canUndo() const;
    bool canRedo() const;
    QString undoText() const;  // the step Undo would undo, "" for none
    QString redoText() const;
    void undo();
    void redo();
    // New and every Open start an empty history.
    void clearHistory();
    // The puzzle as it is now is what its file holds: it is unchanged, and a
    // step that brings it back to this leaves it unchanged.
    void markSaved();

    // For the step commands: the state is replaced by one from the history.
    void restore(const DocumentState &state, bool designStep, bool undoing);

signals:
    void changed(Changes what);
    // What Undo and Redo would do changed.
    void historyChanged();

private:
    QUndoStack &history();
    const QUndoStack &history() const;
    void tell(const DocumentState &before, Changes also = {});

    DocumentState m_state;
    RunMode m_mode = RunMode::Design;
    std::string m_fname;
    std::string m_fpath;
    QUndoStack m_design;
    QUndoStack m_play;
    int m_depth = 0;             // steps begun and not ended
    DocumentState m_stepBefore;  // the state the outermost step began from
    QString m_stepName;
    int m_stepMerge = 0;
    unsigned m_selections = 0;     // counts changes of the current word, which end a merge
    unsigned m_stepSelection = 0;  // m_selections when the step began
    std::string m_savedBytes;      // what a save would have written when last opened or saved
};
