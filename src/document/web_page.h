// The puzzle as one web page that plays it in any browser: one HTML file
// holding its own style and script (resources/web/), the puzzle's data in a
// JSON block the browser does not run, and nothing that loads anything else.
//
// The page's security policy lets only that style and that script run, by
// their SHA-256; the data is escaped so that no text of the puzzle can end
// its block, and the page's script shows texts as text. The answers are in
// the page, for checking without a server, scrambled so that reading the
// source does not give them away at a glance: they stop peeking, not a
// determined solver. Letters typed are kept in the browser's local storage
// under a key made from the puzzle's content.
#pragma once

#include "document/export_grid.h"

#include <string_view>

// The page of p, every word in the grid, titled title (UTF-8; invalid bytes
// become U+FFFD). Refuses only what ReadExportGrid refuses.
ExportFile WriteWebPage(const Puzzle &p, std::string_view title);
