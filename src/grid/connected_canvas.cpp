#include "grid/connected_canvas.h"

#include <algorithm>

ConnectedCanvas::ConnectedCanvas(CanvasLimit limit)
{
    clear(limit);
}

void ConnectedCanvas::clear(CanvasLimit limit)
{
    m_limit = limit;
    m_letters.fill(0);
    m_dirs.fill(0);
    for (std::vector<int16_t> &cells : m_open)
        cells.clear();
    m_count.fill(0);
    m_placed = m_crossings = 0;
    m_minC = m_maxC = m_minR = m_maxR = 0;
}

bool ConnectedCanvas::inside(int len, CanvasPlace at)
{
    // The word and the cells around it.
    const int endC = at.across ? at.col + len - 1 : at.col, endR = at.across ? at.row : at.row + len - 1;
    return at.col >= 1 && at.row >= 1 && endC <= SIDE - 2 && endR <= SIDE - 2;
}

int ConnectedCanvas::crossings(const std::string &w, CanvasPlace at, int &first) const
{
    ++m_checks;
    const int len = int(w.size());
    if (m_placed == 0 || !withinLimit(len, at) || !inside(len, at))
        return -1;
    const int dc = at.across ? 1 : 0, dr = at.across ? 0 : 1;
    if (letter(at.col - dc, at.row - dr) || letter(at.col + dc * len, at.row + dr * len))
        return -1;
    const uint8_t dir = at.across ? ACROSS : DOWN;
    int count = 0;
    first = -1;
    for (int k = 0; k < len; ++k) {
        const int x = at.col + dc * k, y = at.row + dr * k;
        const char here = letter(x, y);
        if (here == 0) {
            if (letter(x - dr, y - dc) || letter(x + dr, y + dc))
                return -1;
        } else if (here != w[std::size_t(k)] || (m_dirs[std::size_t(index(x, y))] & dir)) {
            return -1;
        } else if (count++ == 0) {
            first = k;
        }
    }
    return count > 0 ? count : -1;
}

PlaceFault ConnectedCanvas::fault(const std::string &w, CanvasPlace at) const
{
    const int len = int(w.size());
    if (!withinLimit(len, at) || !inside(len, at))
        return PlaceFault::NoRoom;
    const int dc = at.across ? 1 : 0, dr = at.across ? 0 : 1;
    if (letter(at.col - dc, at.row - dr) || letter(at.col + dc * len, at.row + dr * len))
        return PlaceFault::NoRoom;
    const uint8_t dir = at.across ? ACROSS : DOWN;
    bool clash = false;
    for (int k = 0; k < len; ++k) {
        const int x = at.col + dc * k, y = at.row + dr * k;
        const char here = letter(x, y);
        if (here == 0 ? letter(x - dr, y - dc) || letter(x + dr, y + dc) : (m_dirs[std::size_t(index(x, y))] & dir))
            return PlaceFault::NoRoom;
        clash = clash || (here != 0 && here != w[std::size_t(k)]);
    }
    return clash ? PlaceFault::Clash : PlaceFault::None;
}

void ConnectedCanvas::place(const std::string &w, CanvasPlace at)
{
    const int len = int(w.size());
    const uint8_t dir = at.across ? ACROSS : DOWN;
    for (int k = 0; k < len; ++k) {
        const int i = index(at.across ? at.col + k : at.col, at.across ? at.row : at.row + k);
        std::vector<int16_t> &open = m_open[static_cast<unsigned char>(w[std::size_t(k)])];
        if (m_letters[std::size_t(i)] == 0) {
            m_letters[std::size_t(i)] = w[std::size_t(k)];
            open.push_back(int16_t(i));
            ++m_count[static_cast<unsigned char>(w[std::size_t(k)])];
        } else {
            open.erase(std::find(open.begin(), open.end(), int16_t(i)));
            ++m_crossings;
        }
        m_dirs[std::size_t(i)] |= dir;
    }
    const int endC = at.across ? at.col + len - 1 : at.col;
    const int endR = at.across ? at.row : at.row + len - 1;
    if (m_placed++ == 0) {
        m_minC = at.col, m_maxC = endC, m_minR = at.row, m_maxR = endR;
    } else {
        m_minC = std::min(m_minC, at.col), m_maxC = std::max(m_maxC, endC);
        m_minR = std::min(m_minR, at.row), m_maxR = std::max(m_maxR, endR);
    }
}
