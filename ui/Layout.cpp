#include "Layout.h"

#include "Diagram.h"

#include <algorithm>
#include <cmath>

using namespace KeptSize;

namespace {

// Layout arithmetic runs in double and each result is kept in single precision.
float toSingle(double v)
{
    return static_cast<float>(v);
}

} // namespace

FormLayout computeLayout(float SW, float SH, float frameWidth, float frameHeight,
                         float checkBoxHeight)
{
    FormLayout L;

    // The window spans the middle 90 % of the screen, touching its top edge.
    L.window = {toSingle(0.05 * SW), 0.0f, toSingle(0.9 * SW), toSingle(0.95 * SH)};
    L.clientWidth = L.window.width - frameWidth;
    L.clientHeight = L.window.height - frameHeight;
    const double W = L.clientWidth;
    const double H = L.clientHeight;

    // The diagram.
    L.picPolare = {toSingle(0.13 * W), toSingle(0.05 * H), toSingle(0.85 * W), toSingle(0.75 * H)};
    const TwipsRect &pic = L.picPolare;

    // "Ende", the credit line and the notice box, right edges flush.
    L.cmdEnde = {pic.right() - kCmdEndeW, toSingle(H - 1.5 * kCmdEndeH), kCmdEndeW, kCmdEndeH};
    L.lblAuthor = {L.cmdEnde.right() - kLblAuthorW, toSingle(L.cmdEnde.top - 1.5 * kLblAuthorH),
                   kLblAuthorW, kLblAuthorH};
    L.cboFree = {L.cmdEnde.right() - kCboFreeW, toSingle(L.lblAuthor.top - 1.5 * kCboFreeH),
                 kCboFreeW, kCboFreeH};

    // The wind bars, 50 twips off the diagram.
    L.VScroll1 = {pic.left - kScrollThickness - 50, pic.top, kScrollThickness, pic.height};
    L.HScroll1 = {pic.left, pic.bottom() + 50, pic.width, kScrollThickness};

    // The switches in the bottom row. The two tick boxes get the height their
    // style needs, so that the tick box is never cut off; the rules stay the same.
    const float tickHeight = std::max(checkBoxHeight, kChkAirspeedH);
    L.chkAirspeed.top = L.cmdEnde.bottom() - tickHeight;
    L.chkAirspeed.width = kChkAirspeedW;
    L.chkAirspeed.height = tickHeight;
    L.chkWind = {L.HScroll1.left, toSingle(L.chkAirspeed.top - 1.2 * tickHeight), kChkWindW,
                 std::max(checkBoxHeight, kChkWindH)};
    L.chkAirspeed.left = L.chkWind.left;
    L.chkBremsen = {toSingle(L.HScroll1.left + L.HScroll1.width / 2.0 - kChkBremsenW / 2.0),
                    L.chkWind.top, kChkBremsenW, kChkBremsenH};

    // "Tour" left of "Ende".
    L.cmdTour = {toSingle(L.cmdEnde.left - 1.2 * kCmdTourW), L.cmdEnde.top, kCmdTourW, kCmdTourH};

    // The tour's panel and continue button, in diagram units.
    L.txtTour = {kScaleLeft, kScaleTop, std::fabs(kScaleWidth),
                 toSingle(0.17 * std::fabs(kScaleHeight))};
    const float weiterW = toSingle(kCmdWeiterW * std::fabs(kScaleWidth) / pic.width);
    const float weiterH = toSingle(kCmdWeiterH * std::fabs(kScaleHeight) / pic.height);
    L.cmdWeiter = {toSingle(std::fabs(kScaleWidth) + kScaleLeft - 1.1 * weiterW),
                   toSingle(L.txtTour.top - L.txtTour.height - 0.2 * weiterH), weiterW, weiterH};

    // The labels.
    L.lblAufwind = {L.VScroll1.left - kLblAufwindW - 50,
                    toSingle(L.VScroll1.top + L.VScroll1.height / 2.0 - kLblH / 2.0), kLblAufwindW,
                    kLblH};
    L.lblWind = {toSingle(L.HScroll1.left + L.HScroll1.width / 2.0 - kLblWindW / 2.0),
                 toSingle(L.HScroll1.top + 1.3 * L.HScroll1.height), kLblWindW, kLblH};
    L.lblHscrLeft = {pic.right() - kLblHscrLeftW, L.lblWind.top, kLblHscrLeftW, kLblH};
    L.lblHScrRight = {pic.left, L.lblWind.top, kLblHScrRightW, kLblH};
    L.lblVScrUp = {L.VScroll1.left - kLblVScrW - 50, L.VScroll1.top, kLblVScrW, kLblH};
    L.lblVScrDown = {L.VScroll1.left - kLblVScrW - 50, L.VScroll1.bottom() - kLblH, kLblVScrW,
                     kLblH};
    L.lblInfo = {pic.left, toSingle((pic.top - kLblInfoH) / 2.0), pic.width, kLblInfoH};
    L.lblInfoTwoLines = {pic.left, toSingle(std::max(0.0, (pic.top - 2.0 * kLblInfoH) / 2.0)),
                         pic.width, 2 * kLblInfoH};
    const float gap = 60;
    L.lessonRow = {pic.left, L.lblWind.bottom() + gap, L.cboFree.left - 2 * gap - pic.left,
                   L.chkWind.top - L.lblWind.bottom() - 2 * gap};
    return L;
}
