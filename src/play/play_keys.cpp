#include "play/play_keys.h"

#include <algorithm>

namespace {

// Position of the cursor along the word, 1..lw; 1 when it is elsewhere.
int positionOf(const WordEntry &entry, PlayCursor cursor)
{
    for (int k = 1; k <= entry.lw; ++k)
        if (entry.cellCol(k) == cursor.pcol && entry.cellRow(k) == cursor.prow)
            return k;
    return 1;
}

PlayCursor cellOf(const WordEntry &entry, int k)
{
    return {int16_t(entry.cellCol(k)), int16_t(entry.cellRow(k))};
}

// The character a key types, or 0 when it types none. Shift alone turns the
// 7 into the ampersand and drops every other key; Ctrl and Alt change nothing.
char typedCharacter(int keycode, int shift)
{
    if (shift == KEY_SHIFT)
        return keycode == KEY_DIGIT_7 ? '&' : 0;
    if (keycode == KEY_MINUS)
        return '-';
    if (keycode == KEY_SPACE || (keycode >= '0' && keycode <= '9') || (keycode >= 'A' && keycode <= 'Z'))
        return char(keycode);
    return 0;
}

bool typesCharacter(int keycode)
{
    return typedCharacter(keycode, 0) != 0;
}

}  // namespace

KeyOutcome PlayKeyDown(Puzzle &p, PlayCursor cursor, int keycode, int shift)
{
    if (p.curw < 1 || p.curw > p.nwords || !WordInPlayGrid(p.Words[p.curw]))
        return {false, cursor, std::nullopt};
    const WordEntry &entry = p.Words[p.curw];
    int k = positionOf(entry, cursor);
    std::optional<PlayStat> stat;

    switch (keycode) {
    case KEY_HOME: k = 1; break;
    case KEY_END: k = entry.lw; break;
    case KEY_LEFT:
    case KEY_UP: k = std::max(k - 1, 1); break;
    case KEY_RIGHT:
    case KEY_DOWN: k = std::min(k + 1, int(entry.lw)); break;
    default:
        if (!typesCharacter(keycode))
            break;
        if (const char ch = typedCharacter(keycode, shift)) {
            const PlayCursor at = cellOf(entry, k);
            p.Pgrid(at.pcol, at.prow) = ch;
            k = std::min(k + 1, int(entry.lw));
            PgridToPwords(p);
            stat = PGridStat(p);
            p.changed = true;
        }
    }
    return {true, cellOf(entry, k), stat};
}
