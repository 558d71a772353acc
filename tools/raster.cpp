// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "raster.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace artwork {

namespace {

// Division rounded half away from zero, for a positive divisor.
std::int64_t roundDiv(std::int64_t numerator, std::int64_t divisor)
{
    return numerator >= 0 ? (numerator + divisor / 2) / divisor : -((-numerator + divisor / 2) / divisor);
}

int positiveModulo(int value, int modulus)
{
    return ((value % modulus) + modulus) % modulus;
}

// Enough steps that consecutive points of a curve touch: the length of the
// control polygon measured in the larger of its x and y runs.
int curveSteps(const std::vector<Point> &controls)
{
    int steps = 1;
    for (std::size_t i = 1; i < controls.size(); ++i)
        steps += std::max(std::abs(controls[i].x - controls[i - 1].x), std::abs(controls[i].y - controls[i - 1].y));
    return steps;
}

} // namespace

bool solid(int, int)
{
    return true;
}

std::vector<Point> corners(Box box)
{
    return {{box.left, box.top}, {box.right, box.top}, {box.right, box.bottom}, {box.left, box.bottom}};
}

// Bernstein form with t = i / steps, kept as exact integer fractions.
std::vector<Point> cubicBezier(Point from, Point control1, Point control2, Point to, int steps)
{
    const std::int64_t n = std::max(steps, 1);
    const std::int64_t cube = n * n * n;
    std::vector<Point> points;
    for (std::int64_t i = 0; i <= n; ++i) {
        const std::int64_t a = (n - i) * (n - i) * (n - i);
        const std::int64_t b = 3 * (n - i) * (n - i) * i;
        const std::int64_t c = 3 * (n - i) * i * i;
        const std::int64_t d = i * i * i;
        points.push_back({static_cast<int>(roundDiv(a * from.x + b * control1.x + c * control2.x + d * to.x, cube)),
                          static_cast<int>(roundDiv(a * from.y + b * control1.y + c * control2.y + d * to.y, cube))});
    }
    return points;
}

Pattern crossHatch(int spacing)
{
    return
        [spacing](int x, int y) { return positiveModulo(x + y, spacing) == 0 || positiveModulo(x - y, spacing) == 0; };
}

Raster::Raster(int width, int height, Ink background)
    : m_width(width)
    , m_height(height)
    , m_pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), background)
{
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("raster needs a positive size");
}

Ink Raster::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        throw std::out_of_range("pixel outside the raster");
    return m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)];
}

void Raster::plot(int x, int y, Ink ink)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)] = ink;
}

void Raster::fillBox(Box box, Ink ink)
{
    for (int y = box.top; y <= box.bottom; ++y)
        for (int x = box.left; x <= box.right; ++x)
            plot(x, y, ink);
}

void Raster::line(Point from, Point to, Ink ink)
{
    thickLine(from, to, 1, ink);
}

void Raster::thickLine(Point from, Point to, int width, Ink ink)
{
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    Point p = from;
    for (;;) {
        stamp(p, width, ink);
        if (p.x == to.x && p.y == to.y)
            return;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            p.x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            p.y += stepY;
        }
    }
}

// A round pen: the cells of a width x width square whose centres lie within
// the inscribed circle. Widths 1 to 3 come out square, wider ones rounded.
void Raster::stamp(Point centre, int width, Ink ink)
{
    const int offset = (width - 1) / 2;
    for (int j = 0; j < width; ++j)
        for (int i = 0; i < width; ++i) {
            const int u = 2 * i + 1 - width;
            const int v = 2 * j + 1 - width;
            if (u * u + v * v <= width * width)
                plot(centre.x - offset + i, centre.y - offset + j, ink);
        }
}

// Works in doubled coordinates so that the centre and radii of a box with an
// even side, which fall on half pixels, stay whole numbers.
void Raster::fillEllipse(Box box, Ink ink)
{
    const std::int64_t w = box.right - box.left + 1;
    const std::int64_t h = box.bottom - box.top + 1;
    const std::int64_t centreX2 = box.left + box.right + 1;
    const std::int64_t centreY2 = box.top + box.bottom + 1;
    for (int y = box.top; y <= box.bottom; ++y)
        for (int x = box.left; x <= box.right; ++x) {
            const std::int64_t u = 2 * x + 1 - centreX2;
            const std::int64_t v = 2 * y + 1 - centreY2;
            if (u * u * h * h + v * v * w * w <= w * w * h * h)
                plot(x, y, ink);
        }
}

void Raster::fillDisc(Point centre, int radius, Ink ink)
{
    fillEllipse({centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius}, ink);
}

void Raster::fillPolygon(const std::vector<Point> &corners, Ink ink, const Pattern &pattern)
{
    if (corners.size() < 3)
        return;
    const auto [low, high] =
        std::minmax_element(corners.begin(), corners.end(), [](Point a, Point b) { return a.y < b.y; });
    std::vector<std::int64_t> crossings;
    for (int y = low->y; y <= high->y; ++y) {
        crossings.clear();
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const Point a = corners[i];
            const Point b = corners[(i + 1) % corners.size()];
            if (a.y == b.y || y < std::min(a.y, b.y) || y >= std::max(a.y, b.y))
                continue;
            // x at this row, doubled; the fraction is normalised to a positive divisor.
            const int sign = b.y > a.y ? 1 : -1;
            crossings.push_back(2 * std::int64_t{a.x}
                                + roundDiv(sign * 2 * std::int64_t{y - a.y} * (b.x - a.x), sign * (b.y - a.y)));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
            for (std::int64_t x2 = crossings[i] + (crossings[i] & 1); x2 <= crossings[i + 1]; x2 += 2) {
                const int x = static_cast<int>(x2 / 2);
                if (pattern(x, y))
                    plot(x, y, ink);
            }
    }
}

void Raster::outlinePolygon(const std::vector<Point> &corners, Ink ink, int width)
{
    for (std::size_t i = 0; i < corners.size(); ++i)
        thickLine(corners[i], corners[(i + 1) % corners.size()], width, ink);
}

void Raster::polyline(const std::vector<Point> &points, int width, Ink ink)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        thickLine(points[i - 1], points[i], width, ink);
}

// Bernstein form again, as for the cubic.
void Raster::quadraticCurve(Point from, Point control, Point to, int width, Ink ink)
{
    const std::int64_t n = curveSteps({from, control, to});
    std::vector<Point> points;
    for (std::int64_t i = 0; i <= n; ++i) {
        const std::int64_t a = (n - i) * (n - i);
        const std::int64_t b = 2 * (n - i) * i;
        const std::int64_t c = i * i;
        points.push_back({static_cast<int>(roundDiv(a * from.x + b * control.x + c * to.x, n * n)),
                          static_cast<int>(roundDiv(a * from.y + b * control.y + c * to.y, n * n))});
    }
    polyline(points, width, ink);
}

void Raster::cubicCurve(Point from, Point control1, Point control2, Point to, int width, Ink ink)
{
    polyline(cubicBezier(from, control1, control2, to, curveSteps({from, control1, control2, to})), width, ink);
}

void Raster::upArrow(Point tip, int tailRow, Ink ink)
{
    constexpr int headLength = 8;
    constexpr int headHalfWidth = 3;
    line(tip, {tip.x, tailRow}, ink);
    const std::vector<Point> head{
        tip, {tip.x - headHalfWidth, tip.y + headLength}, {tip.x + headHalfWidth, tip.y + headLength}};
    fillPolygon(head, ink);
    outlinePolygon(head, ink);
}

} // namespace artwork
