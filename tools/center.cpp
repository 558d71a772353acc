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

// A twisted braid lead: a band along a curve, narrowing from its start to its
// end. Widths are measured across the rows, which suits leads that run down.
struct Lead
{
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
constexpr Lead braidStrand{{234, 233}, {228, 252}, {216, 266}, {feedBraid.right - 2, feedBraid.top + 3},
                           9, 7};

std::vector<Point> leadOutline(const Lead &lead)
{
    const std::vector<Point> centre =
        cubicBezier(lead.from, lead.control1, lead.control2, lead.to, leadSamples);
    std::vector<Point> corners;
    for (int i = 0; i <= leadSamples; ++i) {
        const Point c = centre[static_cast<std::size_t>(i)];
        const int width = lead.startWidth + (lead.endWidth - lead.startWidth) * i / leadSamples;
        corners.push_back({c.x - width / 2, c.y});
    }
    for (int i = leadSamples; i >= 0; --i) {
        const Point c = centre[static_cast<std::size_t>(i)];
        const int width = lead.startWidth + (lead.endWidth - lead.startWidth) * i / leadSamples;
        corners.push_back({c.x - width / 2 + width, c.y});
    }
    return corners;
}

void drawLeads(Raster &drawing)
{
    hatchedShape(drawing, leadOutline(leftLead));
    hatchedShape(drawing, leadOutline(rightLead));
    hatchedShape(drawing, leadOutline(braidStrand));

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
