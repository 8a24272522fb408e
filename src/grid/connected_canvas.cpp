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
    m_placed = 0;
    m_minC = m_maxC = m_minR = m_maxR = 0;
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
        if (here == 0 ? letter(x - dr, y - dc) || letter(x + dr, y + dc) : (m_dirs[std::size_t(cellAt(x, y))] & dir))
            return PlaceFault::NoRoom;
        clash = clash || (here != 0 && here != w[std::size_t(k)]);
    }
    return clash ? PlaceFault::Clash : PlaceFault::None;
}

void ConnectedCanvas::clear(CanvasLimit limit, const std::vector<std::string> &words,
                            const std::vector<CanvasPlace> &places)
{
    clear(limit);
    for (std::size_t i = 0; i < words.size(); ++i)
        if (places[i].col != 0)
            write(words[i], places[i]);
    // The letters indexed once, in reading order, rather than word by word.
    for (int r = m_minR; m_placed > 0 && r <= m_maxR; ++r) {
        for (int c = m_minC; c <= m_maxC; ++c) {
            const int i = cellAt(c, r);
            const auto letter = static_cast<unsigned char>(m_letters[std::size_t(i)]);
            if (letter == 0)
                continue;
            ++m_count[letter];
            if (m_dirs[std::size_t(i)] != (ACROSS | DOWN))
                m_open[letter].push_back(int16_t(i));
        }
    }
}

void ConnectedCanvas::place(const std::string &w, CanvasPlace at)
{
    for (int k = 0; k < int(w.size()); ++k) {
        const int i = cellAt(at.colAt(k), at.rowAt(k));
        const auto letter = static_cast<unsigned char>(w[std::size_t(k)]);
        std::vector<int16_t> &open = m_open[letter];
        if (m_letters[std::size_t(i)] == 0) {
            open.push_back(int16_t(i));
            ++m_count[letter];
        } else {
            open.erase(std::find(open.begin(), open.end(), int16_t(i)));
        }
    }
    write(w, at);
}

void ConnectedCanvas::write(const std::string &w, CanvasPlace at)
{
    const int len = int(w.size());
    const uint8_t dir = at.across ? ACROSS : DOWN;
    for (int k = 0; k < len; ++k) {
        const int i = cellAt(at.colAt(k), at.rowAt(k));
        m_letters[std::size_t(i)] = w[std::size_t(k)];
        m_dirs[std::size_t(i)] |= dir;
    }
    const int endC = at.colAt(len - 1), endR = at.rowAt(len - 1);
    if (m_placed++ == 0) {
        m_minC = at.col, m_maxC = endC, m_minR = at.row, m_maxR = endR;
    } else {
        m_minC = std::min(m_minC, at.col), m_maxC = std::max(m_maxC, endC);
        m_minR = std::min(m_minR, at.row), m_maxR = std::max(m_maxR, endR);
    }
}
