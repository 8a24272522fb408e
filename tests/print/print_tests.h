// The test classes of the print folder, run one after another by one
// executable, and the puzzles they share.
#pragma once

#include "puzzle_builder.h"

#include <QStringList>

int RunClueLayoutTests(int argc, char **argv);
int RunPrintHeadTests(int argc, char **argv);
int RunPuzzlePageTests(int argc, char **argv);
int RunQtPagePrinterTests(int argc, char **argv);

// Words given as "A7" (across, clue 7), "D12" (down, clue 12) or "U" (not in
// the grid), in list order; the clue of "A7" is "Clue A7". Only what the clue
// block reads is set: no grid.
inline Puzzle CluePuzzle(const QStringList &words)
{
    Puzzle p;
    for (const QString &item : words) {
        const std::string name = item.toStdString();
        AppendWord(p, "W" + std::to_string(p.nwords + 1), "Clue " + name);
        WordEntry &entry = p.Words[p.nwords];
        if (name == "U")
            continue;
        entry.stat = STAT_PLACED;
        entry.dr.assign(name[0] == 'A' ? DIR_ACROSS : DIR_DOWN);
        entry.nbr = int16_t(std::stoi(name.substr(1)));
        ++p.nplaced;
    }
    return p;
}

// "A1", "A2", ... "An".
inline QStringList AcrossClues(int n)
{
    QStringList words;
    for (int i = 1; i <= n; ++i)
        words << "A" + QString::number(i);
    return words;
}
