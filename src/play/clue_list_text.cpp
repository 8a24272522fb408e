#include "play/clue_list_text.h"

std::string ClueListText(const WordEntry &entry)
{
    const std::string number = std::to_string(entry.nbr);
    return (number.size() < 2 ? "0" : "") + number + "- " + entry.clue.str();
}
