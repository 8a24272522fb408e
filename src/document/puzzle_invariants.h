// The rules a Puzzle keeps between commands, checked all at once for tests
// and fuzzers: a broken one is named in the result.
#pragma once

#include "document/gridlymod.h"

#include <string>

// "" when all hold, else a short description of the first that does not:
// nwords 0..40; every word's lw 1..24; every placed word inside gcols x grows
// with CWGrid holding its letters; nplaced = number of placed words; curw
// 0..nwords; gcols and grows 15..24; gboxidx 0..5; CWIdx values 0..nwords;
// every word's lw its trimmed length from the first character, dr across or
// down, stat 0..2 and pwok 0..1; no word twice; every cell of a placed word
// a letter (not "#") in CWGrid and Pgrid, owned in CWIdx by a placed word
// through it; every other cell "#" in both.
std::string CheckInvariants(const Puzzle &p);
