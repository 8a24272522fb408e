#include "play/play_grid.h"

namespace {

void judge(Puzzle &p, WordEntry &entry)
{
    entry.pwok = AnswerIsRight(entry) ? 1 : 0;
    p.ncorrect = int16_t(p.ncorrect + entry.pwok);
}

// A non-negative number with the blank that stands in for its sign.
std::string signedNumber(int n)
{
    return " " + std::to_string(n);
}

}  // namespace

bool AnswerIsRight(const WordEntry &entry)
{
    return entry.pword == entry.word;
}

bool WordInPlayGrid(const WordEntry &entry)
{
    return entry.placed() && entry.lw >= 1 && entry.lw <= WORDLEN
        && Grid<char>::inside(entry.cellCol(1), entry.cellRow(1))
        && Grid<char>::inside(entry.cellCol(entry.lw), entry.cellRow(entry.lw));
}

void PwordsToPgrid(Puzzle &p)
{
    p.ncorrect = 0;
    for (int c = 1; c <= GRIDMAX; ++c)
        for (int r = 1; r <= GRIDMAX; ++r)
            if (p.Pgrid(c, r) != CELL_EMPTY)
                p.Pgrid(c, r) = CELL_UNFILLED;

    for (int w = 1; w <= p.nwords; ++w) {
        const WordEntry &entry = p.Words[w];
        if (!WordInPlayGrid(entry))
            continue;
        for (int k = 1; k <= entry.lw; ++k) {
            char &cell = p.Pgrid(entry.cellCol(k), entry.cellRow(k));
            if (cell == CELL_UNFILLED)
                cell = entry.pword[std::size_t(k - 1)];
        }
    }

    for (int w = 1; w <= p.nwords; ++w)
        judge(p, p.Words[w]);
}

void PgridToPwords(Puzzle &p)
{
    p.ncorrect = 0;
    for (int w = 1; w <= p.nwords; ++w) {
        WordEntry &entry = p.Words[w];
        if (!WordInPlayGrid(entry)) {
            p.ncorrect = int16_t(p.ncorrect + (entry.pwok == 1 ? 1 : 0));
            continue;
        }
        std::string answer;
        for (int k = 1; k <= entry.lw; ++k)
            answer += p.Pgrid(entry.cellCol(k), entry.cellRow(k));
        entry.pword.assign(answer);
        judge(p, entry);
    }
}

std::string ScoreCaption(const Puzzle &p)
{
    if (p.ncorrect != p.nwords)
        return signedNumber(p.ncorrect) + " out of " + signedNumber(p.nwords) + " words are Correct!";
    return "Crossword Completed!!!";
}

PlayStat PGridStat(Puzzle &p)
{
    const bool completed = p.ncorrect == p.nwords;
    if (completed)
        p.curw = 0;
    return {ScoreCaption(p), completed};
}
