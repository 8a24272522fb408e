#include "play/play_commands.h"

namespace {

bool hasCurrentWord(const Puzzle &p)
{
    return p.curw >= 1 && p.curw <= p.nwords;
}

// The character of `other` that lies in a cell of `current`, which runs the
// other way; 0 when the two words do not cross.
int sharedCharacter(const WordEntry &current, const WordEntry &other)
{
    const int c1 = current.cellCol(1), c2 = current.cellCol(current.lw);
    const int r1 = current.cellRow(1), r2 = current.cellRow(current.lw);
    const int last = other.lw - 1;
    if (other.across())
        return other.gc <= c1 && c2 <= other.gc + last && r1 <= other.gr && other.gr <= r2 ? c1 - other.gc + 1 : 0;
    return c1 <= other.gc && other.gc <= c2 && other.gr <= r1 && r2 <= other.gr + last ? r1 - other.gr + 1 : 0;
}

}  // namespace

std::optional<PlayStat> GetWord(Puzzle &p)
{
    if (!hasCurrentWord(p))
        return std::nullopt;
    WordEntry &entry = p.Words[p.curw];
    entry.pword = entry.word;
    entry.pwok = 1;
    PwordsToPgrid(p);
    // The grid may keep an earlier crossing word's letter; reading the answers
    // back makes the revealed word and its partners agree with what is shown.
    PgridToPwords(p);
    p.changed = true;
    return PGridStat(p);
}

std::optional<PlayStat> ClearCurrentWord(Puzzle &p)
{
    if (!hasCurrentWord(p))
        return std::nullopt;
    WordEntry &current = p.Words[p.curw];
    current.pword.clear();
    current.pwok = 0;
    for (int i = 1; i <= p.nwords; ++i) {
        WordEntry &other = p.Words[i];
        if (!other.placed() || other.dr == current.dr || other.pwok != 0)
            continue;
        if (const int k = sharedCharacter(current, other))
            other.pword[std::size_t(k - 1)] = ' ';
    }
    PwordsToPgrid(p);
    p.changed = true;
    return PGridStat(p);
}

PlayStat ClearAllWords(Puzzle &p)
{
    for (int w = 1; w <= p.nwords; ++w) {
        p.Words[w].pword.clear();
        p.Words[w].pwok = 0;
    }
    PwordsToPgrid(p);
    p.changed = true;
    return PGridStat(p);
}
