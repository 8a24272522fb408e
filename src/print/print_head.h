// Where a text printer prints next, in twips from the top-left corner of the
// printable area, and when the text must go on to a new page.
//
// Text lines go down the page from wherever the caller puts the head; a line
// that would pass the bottom of the page goes to the top of the next page
// instead, in the same column, so that no text is lost below the page. The
// page break comes only when a line is printed, never at a line end, so a
// document whose last line ends at the bottom gets no empty page after it.
#pragma once

class PrintHead {
public:
    // pageHeight: the printable height in twips.
    explicit PrintHead(int pageHeight) : m_pageHeight(pageHeight) {}

    int x() const { return m_x; }
    int y() const { return m_y; }
    void setX(int x) { m_x = x; }
    void setY(int y) { m_y = y; }

    // Called before a line of lineHeight is printed at the head. True when the
    // line would pass the bottom of the page: the head is then at the top of
    // the next page, in the same column. A line that starts at the top of a
    // page stays there even when it is taller than the page.
    bool breakPageFor(int lineHeight);
    // After text that stays on the line.
    void advance(int width) { m_x += width; }
    // Back to the left margin of the next line.
    void endLine(int lineHeight);

private:
    int m_pageHeight;
    int m_x = 0;
    int m_y = 0;
};
