// The printed puzzle as a PDF file: the page Print sends to a printer, drawn
// by the same page code into a PDF writer, A4 at the printer's resolution.
#pragma once

#include "document/gridlymod.h"

#include <QByteArray>

// The PDF of the page of p. The grid shows p as the grid view would: its
// letters when p.gridwrd, else only the numbered cells. Needs a
// QGuiApplication for its fonts, but no display.
QByteArray PdfPageBytes(const Puzzle &p);
