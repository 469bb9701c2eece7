#pragma once

// Where the brake scale lies in the diagram: a band from 3.5 to 3.7 m/s below the air
// origin, with its labels and caption under it. The scale's boxes, the brake bar on it
// and the test whether the pointer grabs the bar all place themselves from here, so that
// the bar is always grabbed where it is drawn.
namespace BrakeBand {

constexpr double kTopBelowOrigin = 3.5;     // m/s under the air origin
constexpr double kBottomBelowOrigin = 3.7;  // m/s
constexpr double kLabelsBelowOrigin = 3.8;  // top of "100%", "Bremse", "0%", ...
constexpr double kCaptionBelowOrigin = 4.2; // top of the caption under the labels

// Diagram y (100 units per m/s) of the band's edges for a vertical wind (m/s).
inline double topY(float windV)
{
    return 100.0 * (static_cast<double>(windV) - kTopBelowOrigin);
}
inline double bottomY(float windV)
{
    return 100.0 * (static_cast<double>(windV) - kBottomBelowOrigin);
}

// Diagram x (10 units per km/h) of an airspeed (km/h) on the band, in a horizontal
// wind (km/h): the polar is shifted by the wind, and the band with it.
inline double x(double airspeed, float windH)
{
    return 10.0 * (airspeed + static_cast<double>(windH));
}

} // namespace BrakeBand
