// Texts crossing between the puzzle and the widgets: the puzzle keeps
// Windows-1252 bytes (what a puzzle file holds), widgets speak Unicode.
#pragma once

#include <QString>

#include <string>
#include <string_view>

// Bytes of the puzzle, or of the program's own messages, as a widget shows them.
QString WidgetText(std::string_view cp1252);

// What an entry box holds, as the puzzle stores it: characters that
// Windows-1252 cannot hold and control characters are dropped.
std::string StoredText(const QString &entry);
