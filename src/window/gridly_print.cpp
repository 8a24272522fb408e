// Printing the puzzle.
#include "window/gridly.h"

#include "play/play_side.h"
#include "print/page_printer.h"
#include "print/puzzle_page.h"

#include <QLabel>

void gridly::cb_print_Click()
{
    if (m_puzzle.nwords == 0 || m_puzzle.nplaced == 0)
        return;
    if (m_puzzle.nwords != m_puzzle.nplaced
        && m_desktop.message(QStringLiteral("Crossword Grid is Not Completed, Continue Printing"),
                             QStringLiteral("Print"), Desktop::Buttons::YesNo, Desktop::Icon::Question)
            == Desktop::Answer::No)
        return;
    // Without a printer every printer operation would fail and be skipped.
    const std::unique_ptr<PagePrinter> printer = m_desktop.defaultPrinter();
    if (!printer)
        return;
    m_desktop.setWaitCursor(true);
    PrintPuzzlePage(*printer, m_puzzle, imglogo->pixmap().toImage(), m_play->ValidWord());
    m_desktop.setWaitCursor(false);
}
