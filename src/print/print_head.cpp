#include "print/print_head.h"

bool PrintHead::breakPageFor(int lineHeight)
{
    if (m_y <= 0 || m_y + lineHeight <= m_pageHeight)
        return false;
    m_y = 0;
    return true;
}

void PrintHead::endLine(int lineHeight)
{
    m_x = 0;
    m_y += lineHeight;
}
