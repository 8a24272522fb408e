#include "print/qt_page_printer.h"

#include "view/grid_renderer.h"
#include "view/twips.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

namespace {

constexpr int TWIPS_PER_POINT = 20;
constexpr double TWIPS_PER_INCH = 1440.0;

// A picture as it lands on white paper. An alpha channel on the page, however
// opaque the picture looks, makes the print filters that turn the job into
// PostScript flatten the whole page into one bitmap, text and all.
QImage OnPaper(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return picture;
    QImage paper(picture.size(), QImage::Format_RGB32);
    paper.setDevicePixelRatio(picture.devicePixelRatio());
    paper.fill(Qt::white);
    QPainter(&paper).drawImage(0, 0, picture);
    return paper;
}

// The printable area in twips, rounded to whole twips.
QSize PrintableSize(const QPagedPaintDevice &printer)
{
    const QSizeF points = printer.pageLayout().paintRect(QPageLayout::Point).size();
    return (points * TWIPS_PER_POINT).toSize();
}

}  // namespace

QtPagePrinter::QtPagePrinter(std::unique_ptr<QPagedPaintDevice> device)
    : m_printer(std::move(device)), m_head(PrintableSize(*m_printer).height())
{
    setFontSize(12);
}

QtPagePrinter::~QtPagePrinter()
{
    endDoc();
}

void QtPagePrinter::setFontName(const QString &name)
{
    m_font.setFamily(name);
}

void QtPagePrinter::setFontSize(int points)
{
    // The painter measures in twips, so a font's pixel is a twip.
    m_font.setPixelSize(points * TWIPS_PER_POINT);
}

void QtPagePrinter::setBold(bool on)
{
    m_font.setBold(on);
}

void QtPagePrinter::setUnderline(bool on)
{
    m_font.setUnderline(on);
}

void QtPagePrinter::setTextColour(const QColor &colour)
{
    m_colour = colour;
}

int QtPagePrinter::pageWidth()
{
    return PrintableSize(*m_printer).width();
}

int QtPagePrinter::pageHeight()
{
    return PrintableSize(*m_printer).height();
}

void QtPagePrinter::printStay(const QString &text)
{
    printText(text);
}

void QtPagePrinter::printLine(const QString &text)
{
    printText(text);
    newLine();
}

void QtPagePrinter::newLine()
{
    m_head.endLine(lineHeight());
}

void QtPagePrinter::drawPicture(int x, int y, const QImage &picture)
{
    if (printing())
        m_painter.drawImage(QRectF(QPointF(x, y), picture.deviceIndependentSize() * TPP), OnPaper(picture));
}

void QtPagePrinter::drawGrid(int x, int y, const Puzzle &p, GridLook look)
{
    if (!printing())
        return;
    m_painter.save();
    m_painter.translate(x, y);
    m_painter.scale(TPP, TPP);
    DrawGrid(m_painter, p, look);
    m_painter.restore();
}

void QtPagePrinter::endDoc()
{
    if (m_state == State::Printing)
        m_printed = m_painter.end();
    m_state = State::Ended;
}

bool QtPagePrinter::printing()
{
    if (m_state == State::NotBegun) {
        m_state = m_painter.begin(m_printer.get()) ? State::Printing : State::Refused;
        if (m_state == State::Printing) {
            const double scale = m_printer->logicalDpiX() / TWIPS_PER_INCH;
            m_painter.scale(scale, scale);
        }
    }
    return m_state == State::Printing;
}

void QtPagePrinter::printText(const QString &text)
{
    const QFontMetricsF metrics(m_font, m_printer.get());
    const bool nextPage = m_head.breakPageFor(lineHeight());
    if (printing()) {
        if (nextPage)
            m_printer->newPage();  // refused: the text lands on this page rather than nowhere
        m_painter.setFont(m_font);
        m_painter.setPen(m_colour);
        m_painter.drawText(QPointF(m_head.x(), m_head.y() + metrics.ascent()), text);
    }
    m_head.advance(qRound(metrics.horizontalAdvance(text)));
}

int QtPagePrinter::lineHeight() const
{
    return qRound(QFontMetricsF(m_font, m_printer.get()).lineSpacing());
}
