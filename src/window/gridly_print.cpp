// Printing the puzzle.
#include "window/gridly.h"

#include "play/play_side.h"
#include "print/page_printer.h"
#include "print/puzzle_page.h"

#include <QLabel>

void gridly::cb_print_Click()
{
    const Puzzle &p = m_doc.puzzle();
    if (p.nwords == 0 || p.nplaced == 0)
        return;
    if (p.nwords != p.nplaced
        && m_desktop.message(QStringLiteral("Crossword Grid is Not Completed, Continue Printing"),
                             QStringLiteral("Print"), Desktop::Buttons::YesNo, Desktop::Icon::Question)
            == Desktop::Answer::No)
        return;
    // A print that cannot happen says so, rather than seem to have worked.
    const std::unique_ptr<PagePrinter> printer = m_desktop.defaultPrinter();
    if (!printer) {
        m_desktop.message(QStringLiteral("No Printer is Available"), QStringLiteral("Print"), Desktop::Buttons::Ok,
                          Desktop::Icon::Critical);
        return;
    }
    m_desktop.setWaitCursor(true);
    PrintPuzzlePage(*printer, p, imglogo->pixmap().toImage(), {m_doc.playing(), false, m_play->ValidWord()});
    m_desktop.setWaitCursor(false);
    if (!printer->printed())
        m_desktop.message(QStringLiteral("The Puzzle Could Not be Printed"), QStringLiteral("Print"),
                          Desktop::Buttons::Ok, Desktop::Icon::Critical);
}
