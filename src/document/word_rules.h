// Editing the word list: what the word and clue boxes accept, and the Add,
// Update and Delete commands with their checks. A refused command leaves the
// puzzle untouched and hands back the message the window shows. Texts given
// to these functions are Windows-1252 bytes, as the puzzle holds them.
#pragma once

#include "document/gridlymod.h"

#include <optional>
#include <string>
#include <string_view>

// A character typed into the word box, upper-cased: letters, digits, blank,
// "&", "-" and Backspace (8) are kept; 0 cancels any other key. Enter is the
// window's to handle before this.
int FilterWordKey(int charCode);

// Text put into the word box by pasting or dropping, kept to what typing could
// give: upper-cased, only A-Z, 0-9, blank, "&" and "-", at most 24 characters.
// UTF-8 in, plain ASCII out.
std::string SanitizeWordText(std::string_view utf8);

// Text for the clue box: no control characters, only characters Windows-1252
// can store, at most 40 characters. UTF-8 in and out.
std::string SanitizeClueText(std::string_view utf8);

enum class EntryBox { Word, Clue };

// An information message, OK button; the focus goes back to the box given.
struct Rejection {
    std::string text;
    std::string title;
    EntryBox focus = EntryBox::Word;
    std::optional<std::string> restoreWord;  // put back into the word box when set
    bool operator==(const Rejection &) const = default;
};

// Add: nwords < MAXWORDS (the window does nothing otherwise). The word and the
// clue are trimmed of blanks (the window shows them trimmed); a word is cut to
// 24 characters, a clue is stored cut to 40. On success the word is appended
// out of the grid and changed is True; the window then brings it into view
// and runs Clear.
std::optional<Rejection> AddWord(Puzzle &p, std::string_view word, std::string_view clue);

// Update of the current word: 1 <= curw <= nwords. A word in the grid keeps
// its text and only takes the new clue; the player's answer to it is dropped.
// On success changed is True and the window runs Clear.
std::optional<Rejection> UpdateWord(Puzzle &p, std::string_view word, std::string_view clue);

// The Yes/No question before Delete, title DELETE_TITLE. 1 <= curw <= nwords.
inline constexpr std::string_view DELETE_TITLE = "Delete Word";
std::string DeleteQuestion(const Puzzle &p);

// Delete of the current word once the user said Yes: 1 <= curw <= nwords.
// Later words move down one place, the grid is rebuilt and renumbered, no
// word is current, and changed is True unless the list is now empty.
void DeleteWord(Puzzle &p);
