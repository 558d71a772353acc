// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// The whole antenna as the main window shows it under its dimension lines:
// wire, coax sleeve and the feed line hanging from the centre.
#include "pictures.h"

namespace artwork {

namespace {

constexpr int drawingWidth = 379;
constexpr int drawingHeight = 89;

constexpr Box wire{0, 10, drawingWidth - 1, 13};
constexpr int wireMiddle = 11;

// The sleeve's walls are two pixels thick; a two-pixel pen puts its second
// pixel right of and below the path, hence the bottom wall path one row up.
constexpr int wallWidth = 2;
constexpr int sleeveTop = 5;
constexpr int sleeveBottomPath = 15;
constexpr int sleeveTip = 58;
constexpr int sleeveEndTipPath = 301; // second pen pixel reaches column 302
constexpr int taperLength = 12;
// The coax is cut through at the centre; its two halves end here.
constexpr int breakLeft = 165;
constexpr int breakRightPath = 190; // wall reaches column 191

constexpr Box leftTab{165, 17, 169, 26};
constexpr Box rightTab{187, 17, 191, 26};

// The feed line, its jacket walls and where the jacket stops.
constexpr int feedLeft = 155;
constexpr int feedRightPath = 174;
constexpr int feedJacketTop = 48;
constexpr int braidFanTop = 38;
constexpr int braidFanSpread = 6;
constexpr Box dielectric{163, 33, 169, feedJacketTop - 1};
constexpr int centreConductorColumn = 166;

void drawSleeve(Raster &drawing)
{
    const int left = sleeveTip;
    const int right = sleeveEndTipPath;
    // The centre conductor shows through the sleeve, as in a cutaway.
    drawing.fillBox(wire, black);
    drawing.outlinePolygon({{left, wireMiddle},
                            {left + taperLength, sleeveTop},
                            {breakLeft, sleeveTop},
                            {breakLeft, sleeveBottomPath},
                            {left + taperLength, sleeveBottomPath}},
                           black, wallWidth);
    drawing.outlinePolygon({{breakRightPath, sleeveTop},
                            {right - taperLength, sleeveTop},
                            {right, wireMiddle},
                            {right - taperLength, sleeveBottomPath},
                            {breakRightPath, sleeveBottomPath}},
                           black, wallWidth);
}

void drawFeedLine(Raster &drawing)
{
    const int bottom = drawingHeight - 1;
    const int feedRight = feedRightPath + wallWidth - 1;
    drawing.thickLine({feedLeft, feedJacketTop}, {feedLeft, bottom}, wallWidth, black);
    drawing.thickLine({feedRightPath, feedJacketTop}, {feedRightPath, bottom}, wallWidth, black);

    const std::vector<Point> braidFan{{feedLeft, feedJacketTop},
                                      {feedLeft - braidFanSpread, braidFanTop},
                                      {feedRight + braidFanSpread, braidFanTop},
                                      {feedRight, feedJacketTop}};
    drawing.fillPolygon(braidFan, black, crossHatch(3));
    drawing.outlinePolygon(braidFan, black);

    drawing.fillBox(dielectric, white);
    drawing.line({dielectric.left, dielectric.top}, {dielectric.left, dielectric.bottom}, black);
    drawing.line({dielectric.right, dielectric.top}, {dielectric.right, dielectric.bottom}, black);
    drawing.line({dielectric.left, dielectric.top}, {dielectric.right, dielectric.top}, black);

    // Centre conductor straight up to the left half, braid swept up to the right.
    drawing.thickLine({centreConductorColumn, dielectric.top}, {centreConductorColumn, leftTab.bottom}, wallWidth,
                      black);
    drawing.quadraticCurve({feedRight + braidFanSpread, braidFanTop}, {rightTab.right + 1, braidFanTop},
                           {rightTab.left, rightTab.bottom}, wallWidth, black);
}

} // namespace

Raster drawAntenna()
{
    Raster drawing(drawingWidth, drawingHeight, white);
    drawSleeve(drawing);
    drawing.fillBox(leftTab, black);
    drawing.fillBox(rightTab, black);
    drawFeedLine(drawing);
    return drawing;
}

} // namespace artwork
