// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// One end of the antenna: where the coax stops and its braid and centre
// conductor are soldered together, and how the wire end is tied off to rope.
#include "font.h"
#include "pictures.h"

#include <array>
#include <string_view>
#include <vector>

namespace artwork {

namespace {

constexpr int drawingSize = 400;
constexpr int lastPixel = drawingSize - 1;

struct TextLine {
    Point origin;
    std::string_view text;
};

constexpr std::array lettering{
    TextLine{{92, 116}, "MEASURE VELOCITY LENGTH TO THE"}, TextLine{{92, 129}, "SOLDER POINT"},
    TextLine{{39, 152}, "YOU MAY STRIP THE COAX CENTER"},  TextLine{{39, 168}, "CONDUCTOR BACK TO THIS POINT"},
    TextLine{{39, 184}, "OR SOLDER A LENGTH OF WIRE IN"},  TextLine{{174, 300}, "MEASURE TOTAL LENGTH"},
    TextLine{{159, 320}, "TO THE END OF THE LOOP"},        TextLine{{20, 350}, "USE NONCONDUCTIVE ROPE TO TIE TO"},
    TextLine{{20, 368}, "SUPPORT ANCHOR POINT"},
};

// The coax end, upper part.
constexpr Box jacket{176, 43, lastPixel, 100};
constexpr Point solderDot{78, 69};
constexpr int solderDotRadius = 6;
constexpr Box centreConductor{0, 69, solderDot.x, 70};
constexpr int braidSpacing = 4;
// Half the height of the braid cone where it closes on the solder dot.
constexpr int coneTipHalfHeight = 4;

struct Arrow {
    Point tip;
    int tailRow;
};

constexpr std::array arrows{
    Arrow{{76, 83}, 126}, // to the solder point
    Arrow{{22, 77}, 163}, // to where the centre conductor may be cut
    Arrow{{165, 285}, 313}, // to the end of the loop
    Arrow{{12, 277}, 340}, // to the rope
};

// The support, lower part: a rope ending in a loop, and the wire tied to it.
constexpr int ropeTop = 250;
constexpr int ropeBottom = 272;
constexpr int ropeEnd = 170;
constexpr int ropeLineWidth = 2;
constexpr int strandPitch = 9;
constexpr Box loop{163, 248, 213, 280};
constexpr int loopThickness = 3;
constexpr int wireRow = 258; // the two-pixel pen covers rows 258 and 259
constexpr int wireWidth = 2;
constexpr int twistStart = 222;
constexpr int twistTurns = 6;
constexpr int twistPitch = 5;

void drawCoaxEnd(Raster &drawing)
{
    drawing.fillBox(jacket, black);
    const std::vector<Point> braidCone{{jacket.left - 1, jacket.top + 1},
                                       {jacket.left - 1, jacket.bottom - 1},
                                       {solderDot.x + solderDotRadius, solderDot.y + coneTipHalfHeight},
                                       {solderDot.x + solderDotRadius, solderDot.y - coneTipHalfHeight}};
    drawing.fillPolygon(braidCone, black, crossHatch(braidSpacing));
    drawing.outlinePolygon(braidCone, black);
    drawing.fillBox(centreConductor, black);
    drawing.fillDisc(solderDot, solderDotRadius, black);
}

void drawSupport(Raster &drawing)
{
    drawing.thickLine({0, ropeTop}, {ropeEnd, ropeTop}, ropeLineWidth, black);
    drawing.thickLine({0, ropeBottom - 1}, {ropeEnd, ropeBottom - 1}, ropeLineWidth, black);
    // The lay of the rope: one short twisted stroke per strand.
    for (int x = 2; x + strandPitch <= ropeEnd; x += strandPitch)
        drawing.cubicCurve({x, ropeBottom - 5}, {x + 1, ropeBottom - 11}, {x + 6, ropeTop + 11}, {x + 7, ropeTop + 5},
                           1, black);

    drawing.fillEllipse(loop, black);
    drawing.fillEllipse(
        {loop.left + loopThickness, loop.top + loopThickness, loop.right - loopThickness, loop.bottom - loopThickness},
        white);

    // The wire comes in from the right, passes through the loop, folds back
    // around its far side and is twisted round itself.
    const int foldColumn = loop.right - 12;
    drawing.thickLine({lastPixel, wireRow}, {foldColumn, wireRow}, wireWidth, black);
    drawing.cubicCurve({foldColumn, wireRow}, {foldColumn - 3, loop.bottom + 2}, {loop.right + 6, loop.bottom},
                       {twistStart, wireRow + 2}, wireWidth, black);
    for (int i = 0; i < twistTurns; ++i) {
        const int x = twistStart + i * twistPitch;
        drawing.line({x, wireRow + 6}, {x + twistPitch - 1, wireRow - 5}, black);
    }
}

} // namespace

Raster drawEndDetail()
{
    Raster drawing(drawingSize, drawingSize, white);
    for (const TextLine &line : lettering)
        font::drawText(drawing, line.origin, line.text, black);
    drawCoaxEnd(drawing);
    drawSupport(drawing);
    for (const Arrow &arrow : arrows)
        drawing.upArrow(arrow.tip, arrow.tailRow, black);
    return drawing;
}

} // namespace artwork
