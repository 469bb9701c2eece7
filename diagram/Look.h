#pragma once

#include "Controls.h"

// Every colour the diagram and the window use, in one place.
namespace Look {

constexpr int kWhite = RGB(255, 255, 255);
constexpr int kBlack = RGB(0, 0, 0);
constexpr int kScaleGrey = RGB(153, 153, 153);

constexpr int kWindBlue = RGB(0, 0, 255);
constexpr int kWindGuide = RGB(136, 136, 255);
constexpr int kAirspeedRed = RGB(255, 0, 0);
constexpr int kPolarBlue = RGB(0, 0, 255);
constexpr int kAirOriginBlack = RGB(0, 0, 0);
constexpr int kBrakeLabel = RGB(119, 0, 119);
constexpr int kBrakeCaption = RGB(230, 0, 0);

constexpr int kGroundGreen = RGB(0, 155, 0);
constexpr int kPathCaptionGreen = RGB(0, 225, 0);
constexpr int kGuideDarkRed = RGB(136, 0, 0);
constexpr int kBrakeBarBlack = RGB(0, 0, 0);

constexpr int kBestGlideGreen = RGB(0, 80, 0);
constexpr int kComparisonGrey = RGB(170, 170, 170);
constexpr int kLegendGrey = RGB(112, 112, 112); // text: 5:1 on white, where 170 gives 2.3:1
constexpr int kSolutionViolet = RGB(150, 0, 170);
constexpr int kTourPanel = RGB(255, 255, 200);
constexpr int kLabelBlue = RGB(0, 0, 255);
// A landing field: its needed glide and what reaches it. Text at 4.9:1 on white.
constexpr int kReachOrange = RGB(190, 85, 0);
// The speed to fly: the tangent from the expected climb and the average. Text at 5:1.
constexpr int kSpeedToFlyTeal = RGB(0, 115, 125);

} // namespace Look
