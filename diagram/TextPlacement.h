#pragma once

#include <QPointF>
#include <vector>

class PictureBox;
struct DeferredText;

// What a drawing operation of the diagram belongs to. A text may touch the lines of the
// element it labels, never another element's.
namespace Element {
enum : int {
    None = 0, // the background's ticks, which texts may cross
    Axis,     // the background's axes, which only captions keep clear of
    WindH,
    WindV,
    AirspeedH,
    AirspeedV,
    Polar, // the shifted polar with the brake scale's boxes
    GlideArc,
    GroundVector,
    Path, // the flight path seen from the side
    BrakeBar,
    Comparison,
    Solution,
    Reach,         // a landing field's needed glide and the airspeeds that reach it
    ReachSideView, // the glide to the field seen from the side, in a small frame
    SpeedToFly,    // the tangent from the expected climb and the average it gives
};
}

// The texts of the diagram in their order of importance: where not all of them find a
// place, the later ones give way first, each left out whole.
namespace TextRank {
enum : int {
    BrakeLabel = 0, // "100%", "0%", "Beschleuniger", "Bremse": shown while the scale is
    AirspeedValue,
    VerticalValue,
    GlideAngle,
    Reach,
    SpeedToFly,
    WindH,
    WindV,
    BrakeCaption, // the captions keep clear of the axes too
    SideView,
    ReachSideView, // placed last, and left out whole where there is no room
};
}

// Places the diagram's waiting texts into the box: each at the first of its places that
// lies whole inside the box and on no other text, on no other element's line, box or arc
// (dotted guides excepted, the axes too but for the captions), more important texts first; a
// text with no such place is left out. Brake-scale labels with any place inside the box are never
// left out: where every place meets something, the one meeting least is taken, but never one on
// another text.
void placeDiagramTexts(PictureBox &pic, std::vector<DeferredText> texts);

// Places around a preferred top-left corner, nearest first: moved sideways by steps of
// step, up to steps each way, on rows rows below (positive) or above (negative) it, a row
// being rowHeight (user units, signed as the scale runs); a row counts as far as
// rowCost of sideways movement.
std::vector<QPointF> placesAround(QPointF preferred, double step, int steps, int rowsBelow,
                                  int rowsAbove, double rowHeight, double rowCost);
