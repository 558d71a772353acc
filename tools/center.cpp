// SPDX-License-Identifier: MIT
// How the coax is opened at the centre of the antenna: braid dressed into two
// leads, the leads soldered to the feed line, the centre conductor left whole.
#include "font.h"
#include "pictures.h"

#include <array>
#include <string_view>
#include <vector>

namespace artwork {

namespace {

constexpr int drawingSize = 400;
constexpr int lastPixel = drawingSize - 1;

struct TextLine
{
    int top;
    std::string_view text;
};

constexpr int headingCentre = drawingSize / 2;
constexpr std::array heading{
    TextLine{5, "STRIP 1 OR 2 INCHES OF OUTER"}, TextLine{20, "INSULATOR OFF, CUT THE BRAID"},
    TextLine{34, "AND DRESS IT INTO LEADS"}, TextLine{49, "DO NOT CUT THE CENTER CONDUCTOR"}};

constexpr int solderNoteCentre = 309;
constexpr std::array solderNote{TextLine{219, "SOLDER THE"}, TextLine{234, "LEADS TO THE"},
                                TextLine{250, "FEEDLINE"}};

constexpr Point feedLineLabel{218, 323};
constexpr std::string_view feedLineText = "50 OHM FEEDLINE";
constexpr int feedLineLabelAdvance = 11;

// The antenna's coax, lying across the picture with its jacket cut away in
// the middle.
constexpr Box leftJacket{0, 85, 85, 154};
constexpr Box rightJacket{321, 85, lastPixel, 154};
constexpr int dielectricTop = 104;
constexpr int dielectricBottom = 135;
constexpr int conductorRow = 119;
constexpr int braidSpacing = 4;
constexpr int outlineWidth = 2;

constexpr Point leftBlob{118, 218};
constexpr Point rightBlob{235, 230};
constexpr int blobRadius = 7;
constexpr int feedConductorWidth = 5;

// The feed line stands up from the bottom edge, stripped at its top.
constexpr Box feedJacket{150, 295, 209, lastPixel};
constexpr Box feedBraid{153, 279, 206, 294};
constexpr Box feedDielectric{166, 244, 193, 278};
constexpr Point feedConductorTop{180, 242};

void hatchedShape(Raster &drawing, const std::vector<Point> &corners)
{
    drawing.fillPolygon(corners, white);
    drawing.fillPolygon(corners, black, crossHatch(braidSpacing));
    drawing.outlinePolygon(corners, black);
}

void drawLettering(Raster &drawing)
{
    for (const TextLine &line : heading)
        font::drawCentredText(drawing, headingCentre, line.top, line.text, black);
    for (const TextLine &line : solderNote)
        font::drawCentredText(drawing, solderNoteCentre, line.top, line.text, black);
    font::drawText(drawing, feedLineLabel, feedLineText, black, feedLineLabelAdvance);
}

void drawOpenedCoax(Raster &drawing)
{
    drawing.fillBox(leftJacket, black);
    drawing.fillBox(rightJacket, black);
    drawing.fillBox({leftJacket.right, dielectricTop, rightJacket.left, dielectricTop + 1}, black);
    drawing.fillBox({leftJacket.right, dielectricBottom - 1, rightJacket.left, dielectricBottom},
                    black);
    drawing.line({leftJacket.right, conductorRow}, {rightJacket.left, conductorRow}, black);

    // Braid where it leaves each jacket, bulging a little as it is combed out.
    hatchedShape(drawing, {{86, 90}, {114, 90}, {124, 102}, {124, 137}, {114, 149}, {86, 149}});
    hatchedShape(drawing, {{320, 90}, {292, 90}, {282, 102}, {282, 137}, {292, 149}, {320, 149}});
}

void drawLeads(Raster &drawing)
{
    // Each lead is the braid twisted together, narrowing as it goes.
    hatchedShape(drawing, {{88, 149}, {114, 149}, {121, 180}, {123, 212}, {112, 212}, {103, 180}});
    hatchedShape(drawing, {{290, 149}, {318, 149}, {296, 190}, {240, 226}, {230, 222}, {270, 182}});
    // A thinner strand carries the right lead on to the feed line's braid.
    hatchedShape(drawing, {{229, 233}, {240, 236}, {212, feedBraid.top + 8}, {feedBraid.right, feedBraid.top}});

    drawing.cubicCurve(leftBlob, {160, 212}, {feedConductorTop.x, 216}, feedConductorTop,
                       feedConductorWidth, black);
    drawing.fillDisc(leftBlob, blobRadius, black);
    drawing.fillDisc(rightBlob, blobRadius, black);
}

void drawFeedLine(Raster &drawing)
{
    drawing.fillBox(feedJacket, black);
    const std::vector<Point> braid{{feedBraid.left, feedBraid.top}, {feedBraid.right, feedBraid.top},
                                   {feedBraid.right, feedBraid.bottom}, {feedBraid.left, feedBraid.bottom}};
    hatchedShape(drawing, braid);
    drawing.outlinePolygon({{feedDielectric.left, feedDielectric.bottom},
                            {feedDielectric.left, feedDielectric.top},
                            {feedDielectric.right, feedDielectric.top},
                            {feedDielectric.right, feedDielectric.bottom}},
                           black, outlineWidth);
}

} // namespace

Raster drawCenterDetail()
{
    Raster drawing(drawingSize, drawingSize, white);
    drawLettering(drawing);
    drawOpenedCoax(drawing);
    drawFeedLine(drawing);
    drawLeads(drawing);
    return drawing;
}

} // namespace artwork
