// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// A picture under construction: one palette index per pixel, origin at the
// top-left. Every primitive works in whole numbers only, so that the same
// source yields the same bytes with any compiler on any machine. Drawing
// outside the raster is clipped silently, which lets shapes run off an edge.
namespace artwork {

using Ink = std::uint8_t;

struct Point {
    int x;
    int y;
};

// A rectangle given by its inclusive corner pixels, as drawings are measured.
struct Box {
    int left;
    int top;
    int right;
    int bottom;
};

// The four corners of `box`, clockwise from the top-left, for outlining.
std::vector<Point> corners(Box box);

// Decides per pixel whether a filled shape puts ink there; lets one polygon
// routine paint both solid areas and cross-hatched braid.
using Pattern = std::function<bool(int x, int y)>;

bool solid(int x, int y);

// Points along a cubic Bezier curve, both ends included, `steps` apart in t.
std::vector<Point> cubicBezier(Point from, Point control1, Point control2, Point to, int steps);
// Two families of 45-degree lines, `spacing` pixels apart, as braid is drawn.
Pattern crossHatch(int spacing);

class Raster
{
public:
    Raster(int width, int height, Ink background);

    int width() const { return m_width; }
    int height() const { return m_height; }
    Ink at(int x, int y) const;

    void plot(int x, int y, Ink ink);
    void fillBox(Box box, Ink ink);
    // One-pixel Bresenham line, both ends included.
    void line(Point from, Point to, Ink ink);
    // A line drawn with a round pen `width` pixels across.
    void thickLine(Point from, Point to, int width, Ink ink);
    // The ellipse inscribed in `box`, filled.
    void fillEllipse(Box box, Ink ink);
    void fillDisc(Point centre, int radius, Ink ink);
    // Even-odd scanline fill of a closed polygon, sampled at pixel centres.
    void fillPolygon(const std::vector<Point> &corners, Ink ink, const Pattern &pattern = solid);
    void outlinePolygon(const std::vector<Point> &corners, Ink ink, int width = 1);
    void quadraticCurve(Point from, Point control, Point to, int width, Ink ink);
    void cubicCurve(Point from, Point control1, Point control2, Point to, int width, Ink ink);
    // An upright arrow: a one-pixel shaft from `tip` down to row `tailRow`
    // with a filled head at the top.
    void upArrow(Point tip, int tailRow, Ink ink);

private:
    void stamp(Point centre, int width, Ink ink);
    void polyline(const std::vector<Point> &points, int width, Ink ink);

    int m_width;
    int m_height;
    std::vector<Ink> m_pixels;
};

} // namespace artwork
