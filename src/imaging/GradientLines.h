#pragma once

#include "ColorGradient.h"

// The lines of the banded gradient kinds 0 to 7: which lines, in which
// order, where each one runs and which percentage of the ramp it takes.
// Bounds are inclusive; the diagonals span 2 x half pixels across the full
// height, so their bands lean at about 45 degrees.
struct GradientLines {
    enum Shape {
        RisingDiagonal,  // upper end to the right: ((i + half) tx, 0) to ((i - half) tx, H)
        FallingDiagonal, // upper end to the left: ((i - half) tx, 0) to ((i + half) tx, H)
        Horizontal,      // (0, i ty) to (W, i ty)
        Vertical,        // (i tx, 0) to (i tx, H)
    };

    Shape shape = Horizontal;
    long long first = 0; // loop variable, in drawing order
    long long last = 0;
    int step = 1;        // +1 ascending, -1 descending
    bool reversed = false;
    long long divisor = 1; // PW or PH

    static GradientLines of(int kind, const ColorGradient::Geometry &g)
    {
        GradientLines l;
        const long long pw = g.PW, ph = g.PH, half = g.half;
        switch (kind) {
        case 0: l = {RisingDiagonal, -half, pw + half, 1, false, pw}; break;
        case 1: l = {Horizontal, 0, ph, 1, false, ph}; break;
        case 2: l = {FallingDiagonal, pw + half, -half, -1, true, pw}; break;
        case 3: l = {Vertical, pw, 0, -1, true, pw}; break;
        case 4: l = {RisingDiagonal, pw + half, -half, -1, true, pw}; break;
        case 5: l = {Horizontal, ph, 0, -1, true, ph}; break;
        case 6: l = {FallingDiagonal, -half, pw + half, 1, false, pw}; break;
        default: l = {Vertical, 0, pw, 1, false, pw}; break;
        }
        return l;
    }

    long long count() const { return (last - first) * step + 1; }
    // The i of the n-th line drawn (n from 0).
    long long at(long long n) const { return first + n * step; }

    // Ends of line i, in twips.
    struct Ends {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    };
    Ends ends(long long i, const ColorGradient::Geometry &g) const
    {
        const double di = double(i), dh = double(g.half);
        switch (shape) {
        case RisingDiagonal: return {(di + dh) * g.tx, 0, (di - dh) * g.tx, g.H};
        case FallingDiagonal: return {(di - dh) * g.tx, 0, (di + dh) * g.tx, g.H};
        case Horizontal: return {0, di * g.ty, g.W, di * g.ty};
        case Vertical: return {di * g.tx, 0, di * g.tx, g.H};
        }
        return {};
    }

    float percent(long long i) const { return ColorGradient::linePercent(i, divisor, reversed); }
};
