// Conversion between grid cells and window points. Cell (c, r) covers x from
// (c - 1) * CELLPX to c * CELLPX inside the grid picture pb, y likewise;
// neighbouring cells share their border line, which belongs to the cell on its
// left (or above). Window points are in pixels and may be fractional; they are
// rounded to whole pixels with halves going to the even neighbour.
#pragma once

inline constexpr int CELLPX = 20;  // side of a cell
inline constexpr int txtoff = 8;   // offset of a letter from its cell's corner

// Rounds to the nearest whole number, halves to the even one.
int RoundHalfEven(double value);

struct CellCorner {
    int cellx = 0;
    int celly = 0;

    bool operator==(const CellCorner &) const = default;
};

// Window point of the top-left corner of cell (c, r), pb's top-left corner
// being at (pbLeft, pbTop). A c or r below 2 gives pb's own edge.
CellCorner GetXYpos(double pbLeft, double pbTop, int c, int r);

struct CellHit {
    int ptcol = 0;
    int ptrow = 0;
    double x = 0;  // the point inside pb
    double y = 0;

    bool operator==(const CellHit &) const = default;
};

// The cell under the window point (X, Y). Points left of or above the grid
// give column or row 1; points beyond it give columns or rows beyond the grid
// in use, which the caller checks.
CellHit GetCRpos(double pbLeft, double pbTop, double X, double Y);
