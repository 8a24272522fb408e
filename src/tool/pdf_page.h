// The printed puzzle as a PDF file: the page Print sends to a printer, drawn
// by the same page code into a PDF printer.
#pragma once

#include "document/gridlymod.h"

#include <string>

// Writes the page of p to path, whole or not at all; returns "" or the
// reason it could not be written. The grid shows p as the grid view would:
// its letters when p.gridwrd, else only the numbered cells.
std::string WritePdfPage(const Puzzle &p, const std::string &path);
