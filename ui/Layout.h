#pragma once

// The start-up layout of the window as arithmetic in twips: a pure function of the
// screen's size (and the frame the window system adds), tested on its own.

struct TwipsRect
{
    float left = 0, top = 0, width = 0, height = 0;
    float right() const { return left + width; }
    float bottom() const { return top + height; }
};

// Sizes the window definition gives the controls and that start-up keeps (twips).
namespace KeptSize {
constexpr float kScrollThickness = 252;
constexpr float kChkWindW = 1452, kChkWindH = 192;
constexpr float kChkAirspeedW = 1692, kChkAirspeedH = 192;
constexpr float kChkBremsenW = 2412, kChkBremsenH = 372;
constexpr float kCmdTourW = 1092, kCmdTourH = 372;
constexpr float kCmdEndeW = 972, kCmdEndeH = 372;
constexpr float kCmdWeiterW = 1452, kCmdWeiterH = 372;
constexpr float kCboFreeW = 4695, kCboFreeH = 315;
constexpr float kLblAuthorW = 3855, kLblAuthorH = 255;
constexpr float kLblInfoH = 252;
constexpr float kLblVScrW = 1812, kLblH = 252;
constexpr float kLblAufwindW = 852;
constexpr float kLblHScrRightW = 2172;
constexpr float kLblHscrLeftW = 1932;
constexpr float kLblWindW = 1452;
} // namespace KeptSize

struct FormLayout
{
    TwipsRect window; // outer window on the screen
    float clientWidth = 0, clientHeight = 0;
    TwipsRect picPolare, cmdEnde, lblAuthor, cboFree, VScroll1, HScroll1;
    TwipsRect chkAirspeed, chkWind, chkBremsen, cmdTour;
    TwipsRect lblAufwind, lblWind, lblHscrLeft, lblHScrRight, lblVScrUp, lblVScrDown, lblInfo;
    // A lesson's row of fields, in the free band between the wind bar's labels and the
    // tick boxes, left of the notice box; the read-out on two lines for its answer.
    TwipsRect lessonRow, lblInfoTwoLines;
    // Inside the diagram, in its user units (left, top edge; positive sizes).
    TwipsRect txtTour, cmdWeiter;
};

// screenWidth/Height: twips. frameWidth/Height: twips the window system's frame takes
// from the window's size (0 where the window has no decorations). checkBoxHeight: twips
// the style needs for a whole tick box (at least the kept 192).
FormLayout computeLayout(float screenWidth, float screenHeight, float frameWidth = 0,
                         float frameHeight = 0, float checkBoxHeight = KeptSize::kChkAirspeedH);
