// Printing the puzzle.
#include "window/gridly.h"

void gridly::cb_print_Click() {}
