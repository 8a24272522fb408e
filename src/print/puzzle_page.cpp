#include "print/puzzle_page.h"

#include "print/clue_layout.h"
#include "print/page_printer.h"
#include "view/grid_renderer.h"
#include "view/twips.h"
#include "view/widget_text.h"

namespace {

constexpr int LOGO_LEFT = 12;  // twips

void PrintHeadings(PagePrinter &printer, int x_mid)
{
    printer.setBold(true);
    printer.setUnderline(true);
    printer.printStay(QStringLiteral("Across"));
    printer.setCurrentX(x_mid);
    printer.printLine(QStringLiteral("Down"));
    printer.setBold(false);
    printer.setUnderline(false);
}

void PrintClues(PagePrinter &printer, const Puzzle &p, int x_mid)
{
    for (const ClueOp &op : CluePrintOps(ClueLines(p))) {
        switch (op.kind) {
        case ClueOpKind::PrintStay: printer.printStay(WidgetText(op.text)); break;
        case ClueOpKind::MoveToMid: printer.setCurrentX(x_mid); break;
        case ClueOpKind::PrintEndLine: printer.printLine(WidgetText(op.text)); break;
        case ClueOpKind::EndLine: printer.newLine(); break;
        }
    }
}

}  // namespace

void PrintPuzzlePage(PagePrinter &printer, const Puzzle &p, const QImage &logo, GridLook look)
{
    printer.setFontName(QStringLiteral("Courier"));
    printer.setFontSize(12);

    // The grid is centred on the middle of the page, the logo at the left.
    const int x_mid = printer.pageWidth() / 2;
    const int x_grid = x_mid - GridSize(p).width() * TPP / 2;
    printer.newLine();
    const int y0 = printer.currentY();
    printer.drawPicture(LOGO_LEFT, y0, logo);
    printer.drawGrid(x_grid, y0, p, look);

    printer.setCurrentY(printer.pageHeight() / 2);
    printer.setTextColour(Qt::black);
    printer.newLine();
    PrintHeadings(printer, x_mid);

    printer.setFontSize(10);
    PrintClues(printer, p, x_mid);
    printer.endDoc();
}
