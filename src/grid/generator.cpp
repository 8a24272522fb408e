#include "grid/generator.h"

#include "document/puzzle_grid.h"
#include "grid/grid_size.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// The next whole number at or below x.
int Int(double x)
{
    return int(std::floor(x));
}

// One of 1..n, all equally likely.
int DrawIndex(const RandomSource &random, int n)
{
    return Int(n * random() + 1);
}

// A start column or row for a word that leaves `room` cells free; 1 when
// there is no room.
int DrawPlace(const RandomSource &random, int room)
{
    return std::max(1, Int(room * random() + 1));
}

Direction OtherDirection(Direction dr)
{
    return dr == Direction::Down ? Direction::Across : Direction::Down;
}

void Place(Puzzle &p, int w, Found at, Direction dr)
{
    PutWordInGrid(p, w, at.fndcol, at.fndrow, dr);
}

// The first word goes across without any test. Its row is drawn from the
// same room as its column. Returns false when a fixed size cannot hold it.
bool PlaceFirstWord(Puzzle &p, const RandomSource &random, Sizing sizing)
{
    const int w = DrawIndex(random, p.nwords);
    WordEntry &first = p.Words[w];
    if (sizing == Sizing::Fixed && first.lw > p.gcols) {
        first.stat = STAT_UNPLACED;
        return false;
    }
    const int gc = DrawPlace(random, p.gcols - first.lw);
    const int gr = DrawPlace(random, p.grows - first.lw);
    Place(p, w, Found{int16_t(gc), int16_t(gr)}, Direction::Across);
    return true;
}

// Every word that nothing crossed is lifted out and put at the first crossing
// the finished grid offers it, in its own direction first; failing that, back
// where it was. Words lifted earlier may give later ones a crossing.
void GiveUncrossedWordsACrossing(Puzzle &p)
{
    for (int i = 1; i <= p.nwords; ++i) {
        if (p.Words[i].stat != STAT_UNCROSSED)
            continue;
        TakeWordOutOfGrid(p, i);
        const WordEntry &entry = p.Words[i];
        Direction dr = entry.dr;
        const std::string text = entry.word.trimmed();
        Found at = MatchLetters(p, text, dr);
        if (!at.found()) {
            const Direction other = OtherDirection(dr);
            at = MatchLetters(p, text, other);
            if (at.found())
                dr = other;
        }
        if (!at.found())
            at = Found{entry.gc, entry.gr};
        Place(p, i, at, dr);
    }
}

// Up to `tries` runs, stopping at the first that places every word.
bool Generated(Puzzle &p, const RandomSource &random, int tries, Sizing sizing)
{
    for (int t = 1; t <= tries; ++t)
        if (GenCWGrid(p, random, sizing) == 0)
            return true;
    return false;
}

}  // namespace

int GenCWGrid(Puzzle &p, const RandomSource &random, Sizing sizing)
{
    ClearGrid(p);
    for (int i = 1; i <= p.nwords; ++i) {
        p.Words[i].stat = STAT_NONE;
        p.Words[i].dr = Direction::Across;
    }
    if (!PlaceFirstWord(p, random, sizing))
        return 1;

    int leftOut = 0;
    int uncrossed = 0;
    Direction dr = Direction::Across;
    for (int step = 2; step <= p.nwords; ++step) {
        dr = OtherDirection(dr);
        int w;
        do
            w = DrawIndex(random, p.nwords);
        while (p.Words[w].stat != STAT_NONE);

        WordEntry &entry = p.Words[w];
        Found at = MatchLetters(p, entry.word.trimmed(), dr);
        const bool crossing = at.found();
        if (!crossing)
            at = GetEmpty(p, entry.lw, dr);
        if (!at.found()) {
            // The other direction is not tried: the run is lost anyway.
            entry.stat = STAT_UNPLACED;
            ++leftOut;
            continue;
        }
        Place(p, w, at, dr);
        if (!crossing) {
            entry.stat = STAT_UNCROSSED;
            ++uncrossed;
        }
    }

    if (leftOut > 0) {
        ClearGrid(p);
        return leftOut;
    }
    if (uncrossed > 0)
        GiveUncrossedWordsACrossing(p);
    GenGridNbrs(p);
    return 0;
}

bool GenerateAutoSize(Puzzle &p, const RandomSource &random)
{
    if (p.nwords < 1)
        return false;
    const int16_t savedCols = p.gcols;
    const int16_t savedRows = p.grows;
    bool done = false;
    for (int size = 16; size <= GRIDMAX && !done; size += 2) {
        p.gcols = p.grows = int16_t(size);
        done = Generated(p, random, 5, Sizing::Auto);
    }
    if (!done) {
        p.gcols = savedCols;
        p.grows = savedRows;
        ResetWords(p);
        return false;
    }

    GetGridSize(p);
    if (p.gcolsmin != p.gcols || p.growsmin != p.grows) {
        p.gcols = p.gcolsmin;
        p.grows = p.growsmin;
        LoadGrid(p);
    }
    p.curw = 0;
    p.changed = true;
    return true;
}

bool GenerateFixedSize(Puzzle &p, const RandomSource &random)
{
    if (p.nwords < 1)
        return false;
    if (!Generated(p, random, 10, Sizing::Fixed)) {
        ResetWords(p);
        return false;
    }
    p.gcolsmin = p.gcols;
    p.growsmin = p.grows;
    p.curw = 0;
    p.changed = true;
    return true;
}

Found AutoPutWord(Puzzle &p)
{
    if (p.curw == 0 || p.Words[p.curw].placed())
        return {};
    const WordEntry &entry = p.Words[p.curw];
    const std::string text = entry.word.trimmed();

    Direction dr = Direction::Across;
    Found at = MatchLetters(p, text, Direction::Across);
    if (!at.found()) {
        dr = Direction::Down;
        at = MatchLetters(p, text, Direction::Down);
    }
    if (!at.found())
        at = GetEmpty(p, entry.lw, Direction::Down);
    if (!at.found()) {
        dr = Direction::Across;
        at = GetEmpty(p, entry.lw, Direction::Across);
    }
    if (!at.found())
        return at;

    Place(p, p.curw, at, dr);
    p.changed = true;
    GenGridNbrs(p);
    return at;
}
