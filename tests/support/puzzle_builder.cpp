#include "puzzle_builder.h"

#include "document/puzzle_file.h"
#include "document/puzzle_grid.h"

void AppendWord(Puzzle &p, const std::string &word, const std::string &clue)
{
    WordEntry &entry = p.Words[++p.nwords];
    entry = WordEntry{};
    entry.word.assign(word);
    entry.lw = int16_t(entry.word.trimmed().size());
    entry.stat = STAT_UNPLACED;
    entry.clue.assign(clue.empty() ? "Clue of " + word : clue);
}

Puzzle MakePuzzle(const std::vector<WordSpec> &words, int gcols, int grows)
{
    Puzzle p;
    p.gcols = p.gcolsmin = int16_t(gcols);
    p.grows = p.growsmin = int16_t(grows);
    for (const WordSpec &item : words) {
        AppendWord(p, item.word, item.clue);
        if (item.col < 1)
            continue;
        WordEntry &entry = p.Words[p.nwords];
        entry.stat = STAT_PLACED;
        entry.gc = int16_t(item.col);
        entry.gr = int16_t(item.row);
        SetDirection(entry, item.dr);
    }
    LoadGrid(p);
    GenGridNbrs(p);
    p.changed = false;
    return p;
}

Puzzle Ring(const std::vector<std::string> &answers)
{
    Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}, {"TEN", 3, 1, "Down"}, {"WIN", 1, 3, "Acro"}});
    for (std::size_t w = 0; w < answers.size(); ++w)
        p.Words[int(w) + 1].pword.assign(answers[w]);
    return p;
}

std::string DirectionOf(const WordEntry &entry)
{
    return std::string(DirectionBytes(entry.dr));
}

void SetDirection(WordEntry &entry, const std::string &dr)
{
    entry.dr = DirectionFromBytes(dr).value();
}

QByteArray FileBytes(const Puzzle &p)
{
    return QByteArray::fromStdString(WritePuzzleFile(p));
}

std::string GridRows(const Grid<char> &grid, int cols, int rows)
{
    std::string text;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols + 1; ++c)
            text += c <= cols ? grid(c, r) : '\n';
    return text.substr(0, text.size() - 1);
}
