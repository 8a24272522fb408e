#include "print/pdf_page.h"

#include "print/puzzle_page.h"
#include "print/qt_page_printer.h"
#include "view/svg_picture.h"

#include <QBuffer>
#include <QPdfWriter>

QByteArray PdfPageBytes(const Puzzle &p)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        auto writer = std::make_unique<QPdfWriter>(&pdf);
        writer->setPageSize(QPageSize(QPageSize::A4));
        // The margins and resolution of Qt's PDF printer, which drew this page before.
        writer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Point);
        writer->setResolution(1200);
        writer->setTitle(QStringLiteral("Gridly"));
        QtPagePrinter printer(std::move(writer));
        PrintPuzzlePage(printer, p, DrawSvg(QStringLiteral(":/icons/logo.svg"), QSize(64, 67)), GridLook{});
    }
    return pdf.data();
}
