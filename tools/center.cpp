// SPDX-FileCopyrightText: 2026 tarnwick developers
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

struct TextLine {
    int top;
    std::string_view text;
};

constexpr int headingCentre = drawingSize / 2;
constexpr std::array heading{TextLine{5, "STRIP 1 OR 2 INCHES OF OUTER"}, TextLine{20, "INSULATOR OFF, CUT THE BRAID"},
                             TextLine{34, "AND DRESS IT INTO LEADS"}, TextLine{49, "DO NOT CUT THE CENTER CONDUCTOR"}};

constexpr int solderNoteCentre = 309;
constexpr std::array solderNote{TextLine{219, "SOLDER THE"}, TextLine{234, "LEADS TO THE"}, TextLine{250, "FEEDLINE"}};

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
// The feed line's centre conductor, bent over from the left blob.
constexpr Point feedConductorBend1{160, 212};
constexpr Point feedConductorBend2{feedConductorTop.x, 216};

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
    drawing.fillBox({leftJacket.right, dielectricBottom - 1, rightJacket.left, dielectricBottom}, black);
    drawing.line({leftJacket.right, conductorRow}, {rightJacket.left, conductorRow}, black);

    // Braid where it leaves each jacket, bulging a little as it is combed out.
    const std::vector<Point> leftBraid{{86, 90}, {114, 90}, {124, 102}, {124, 137}, {114, 149}, {86, 149}};
    const std::vector<Point> rightBraid{{320, 90}, {292, 90}, {282, 102}, {282, 137}, {292, 149}, {320, 149}};
    hatchedShape(drawing, leftBraid);
    hatchedShape(drawing, rightBraid);
}

// A twisted braid lead: a band along a curve, narrowing from its start to its
// end. Widths are measured across the rows, which suits leads that run down.
struct Lead {
    Point from;
    Point control1;
    Point control2;
    Point to;
    int startWidth;
    int endWidth;
};

constexpr int leadSamples = 12;

constexpr Lead leftLead{{100, 149}, {102, 178}, {116, 190}, {118, 213}, 26, 10};
constexpr Lead rightLead{{305, 149}, {302, 186}, {262, 204}, {236, 225}, 26, 10};
// Carries the right lead on to the feed line's braid, meeting it at its side.
constexpr Lead braidStrand{{234, 233}, {228, 252}, {216, 266}, {feedBraid.right - 2, feedBraid.top + 3}, 9, 7};

std::vector<Point> leadOutline(const Lead &lead)
{
    const std::vector<Point> centre = cubicBezier(lead.from, lead.control1, lead.control2, lead.to, leadSamples);
    const auto widthAt = [&](int i) { return lead.startWidth + (lead.endWidth - lead.startWidth) * i / leadSamples; };
    // Down the left edge, then back up the right one.
    std::vector<Point> outline;
    for (int i = 0; i <= leadSamples; ++i) {
        const Point c = centre[static_cast<std::size_t>(i)];
        outline.push_back({c.x - widthAt(i) / 2, c.y});
    }
    for (int i = leadSamples; i >= 0; --i) {
        const Point c = centre[static_cast<std::size_t>(i)];
        outline.push_back({c.x - widthAt(i) / 2 + widthAt(i), c.y});
    }
    return outline;
}

void drawLeads(Raster &drawing)
{
    hatchedShape(drawing, leadOutline(leftLead));
    hatchedShape(drawing, leadOutline(rightLead));
    hatchedShape(drawing, leadOutline(braidStrand));

    drawing.cubicCurve(leftBlob, feedConductorBend1, feedConductorBend2, feedConductorTop, feedConductorWidth, black);
    drawing.fillDisc(leftBlob, blobRadius, black);
    drawing.fillDisc(rightBlob, blobRadius, black);
}

void drawFeedLine(Raster &drawing)
{
    drawing.fillBox(feedJacket, black);
    hatchedShape(drawing, corners(feedBraid));
    drawing.outlinePolygon(corners(feedDielectric), black, outlineWidth);
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
