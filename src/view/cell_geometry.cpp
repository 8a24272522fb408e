#include "view/cell_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Column (or row) of a coordinate measured from pb's edge.
int cellIndex(double offset)
{
    if (offset < CELLPX)
        return 1;
    const int n = RoundHalfEven(offset);
    return n / CELLPX + (n % CELLPX != 0 ? 1 : 0);
}

}  // namespace

int RoundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    const int whole = int(below);
    if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0))
        return whole + 1;
    return whole;
}

CellCorner GetXYpos(double pbLeft, double pbTop, int c, int r)
{
    return {RoundHalfEven(pbLeft + std::max(c - 1, 0) * CELLPX), RoundHalfEven(pbTop + std::max(r - 1, 0) * CELLPX)};
}

CellHit GetCRpos(double pbLeft, double pbTop, double X, double Y)
{
    const double x = X - pbLeft;
    const double y = Y - pbTop;
    return {cellIndex(x), cellIndex(y), x, y};
}
