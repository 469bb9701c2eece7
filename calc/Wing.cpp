// The wing from a polar: the fit of its points, the speed range and masses applied, and
// every limit checked, in pilot's terms.
#include "Wing.h"
#include "WingText.h"

#include <algorithm>
#include <cmath>

using namespace wingtext;

namespace {

constexpr std::size_t kLongestName = 60;
// The wing as the diagram shows it: inside its speed axis, and every sink rate above
// its brake scale, which lies 3.5 m/s under the air origin.
constexpr double kDiagramSlowest = 10.0;
constexpr double kDiagramFastest = 60.0;
constexpr double kDeepestSink = -3.4;
// A glider sinks at least this much everywhere from MIN to MAX, m/s.
constexpr double kLeastSink = -0.3;
// Limits are met to within the rounding of the fit, so that a sink given as exactly
// 3,4 m/s is accepted.
constexpr double kSlack = 1e-9;
// How far MIN and MAX may lie beyond the measured points, and trim below the speed of
// least sink, before a note says so: km/h.
constexpr double kDoubtful = 3.0;

} // namespace

bool fitQuadratic(const double *v, const double *w, int count, double &a, double &b, double &c)
{
    if (count < 3) {
        return false;
    }
    // In a centred and scaled variable the normal equations stay well conditioned.
    double mean = 0;
    for (int i = 0; i < count; ++i) {
        mean += v[i];
    }
    mean /= count;
    double spread = 0;
    for (int i = 0; i < count; ++i) {
        spread = std::max(spread, std::fabs(v[i] - mean));
    }
    if (!(spread > 0)) {
        return false;
    }
    double m[3][4] = {};
    for (int i = 0; i < count; ++i) {
        const double t = (v[i] - mean) / spread;
        const double p[3] = {t * t, t, 1.0};
        for (int r = 0; r < 3; ++r) {
            for (int k = 0; k < 3; ++k) {
                m[r][k] += p[r] * p[k];
            }
            m[r][3] += p[r] * w[i];
        }
    }
    for (int col = 0; col < 3; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 3; ++r) {
            if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) {
                pivot = r;
            }
        }
        if (std::fabs(m[pivot][col]) < 1e-12) {
            return false;
        }
        std::swap(m[col], m[pivot]);
        for (int r = 0; r < 3; ++r) {
            if (r != col) {
                const double factor = m[r][col] / m[col][col];
                for (int k = col; k < 4; ++k) {
                    m[r][k] -= factor * m[col][k];
                }
            }
        }
    }
    const double p2 = m[0][3] / m[0][0];
    const double p1 = m[1][3] / m[1][1];
    const double p0 = m[2][3] / m[2][2];
    // Back from t = (v - mean) / spread to v.
    a = p2 / (spread * spread);
    b = p1 / spread - 2.0 * p2 * mean / (spread * spread);
    c = p0 - p1 * mean / spread + p2 * mean * mean / (spread * spread);
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
}

namespace {

// The speed range at the reference mass: the user's, else the three-point line's.
// A problem of the whole file, with computed numbers.
WingProblem problem(const std::string &file, WingProblem::Code code,
                    std::vector<std::string> numbers = {})
{
    WingProblem p;
    p.code = code;
    p.file = file;
    p.numbers = std::move(numbers);
    return p;
}

bool speedRange(const PolarData &data, const WingChoice &choice, double speeds[3],
                WingProblem &error)
{
    const std::string file = shown(choice.path);
    const bool given = choice.minSpeed && choice.trimSpeed && choice.maxSpeed;
    if (!given && !data.threePoint) {
        return fail(error, problem(file, WingProblem::TableNeedsSpeeds));
    }
    speeds[0] = given ? *choice.minSpeed : data.v1;
    speeds[1] = given ? *choice.trimSpeed : data.v2;
    speeds[2] = given ? *choice.maxSpeed : data.v3;
    for (int i = 0; i < 3; ++i) {
        if (!std::isfinite(speeds[i]) || speeds[i] < kWingLowestSpeed ||
            speeds[i] > kWingHighestSpeed) {
            return fail(error, problem(file, WingProblem::SpeedsOutsideFile));
        }
    }
    if (!(speeds[0] < speeds[1] && speeds[1] < speeds[2])) {
        return fail(error, problem(file, WingProblem::SpeedsNotOrdered,
                                   {number(speeds[0]), number(speeds[1]), number(speeds[2])}));
    }
    return true;
}

// The reference and take-off masses, kg; 0 for a table given without any.
bool masses(const PolarData &data, const WingChoice &choice, double &ref, double &mass,
            WingProblem &error)
{
    const std::string file = shown(choice.path);
    if (data.threePoint && choice.refMassKg) {
        return fail(error, problem(file, WingProblem::RefMassOnlyForTable));
    }
    ref = data.threePoint ? data.refMassKg : choice.refMassKg.value_or(0.0);
    if (choice.massKg && ref == 0.0) {
        return fail(error, problem(file, WingProblem::MassNeedsRefMass));
    }
    mass = choice.massKg.value_or(ref);
    for (const double m : {ref, mass}) {
        if (m != 0.0 && !(m >= kWingLightest && m <= kWingHeaviest)) {
            return fail(error, problem(file, WingProblem::MassOutOfLimits, {number(m)}));
        }
    }
    return true;
}

// The wing at its mass inside the diagram, clear of its brake scale, and sinking as a
// glider does everywhere from MIN to MAX.
bool fitsDiagram(const Wing &wing, const std::string &file, WingProblem &error)
{
    if (wing.minSpeed < kDiagramSlowest || wing.maxSpeed > kDiagramFastest) {
        const std::string lo = wing.minSpeed < kDiagramSlowest
                                   ? beyond(wing.minSpeed, kDiagramSlowest)
                                   : number(wing.minSpeed);
        const std::string hi = wing.maxSpeed > kDiagramFastest
                                   ? beyond(wing.maxSpeed, kDiagramFastest)
                                   : number(wing.maxSpeed);
        WingProblem p = problem(file, WingProblem::SpeedsBeyondDiagram, {lo, hi});
        if (wing.massKg > 0) {
            p.withMass = true;
            p.numbers.insert(p.numbers.begin(), number(wing.massKg));
        }
        return fail(error, p);
    }
    // Opening downward, the polar sinks deepest at an end of the range and least at its
    // vertex or an end. In double: the float of -3,4 lies beyond -3,4.
    const auto w = [&](double v) {
        return wing.a * v * v + wing.b * v + wing.c;
    };
    const double lo = wing.minSpeed;
    const double hi = wing.maxSpeed;
    const double deepestAt = w(lo) < w(hi) ? lo : hi;
    const double deepest = w(deepestAt);
    if (deepest < kDeepestSink - kSlack) {
        return fail(error, problem(file, WingProblem::SinksTooDeep,
                                   {number(deepestAt), beyond(-deepest, -kDeepestSink)}));
    }
    const double vertex = -wing.b / (2 * wing.a);
    double leastAt = w(lo) > w(hi) ? lo : hi;
    if (vertex > lo && vertex < hi) {
        leastAt = vertex;
    }
    const double least = w(leastAt);
    if (least > kLeastSink + kSlack) {
        return fail(error, least >= 0
                               ? problem(file, WingProblem::CurveDoesNotSink, {number(leastAt)})
                               : problem(file, WingProblem::SinksTooLittle,
                                         {number(leastAt), beyond(-least, -kLeastSink)}));
    }
    return true;
}

// The name shown: the user's, which must be one plain line, or the file's base name
// without extension, made one plain line and shortened.
bool wingName(const WingChoice &choice, std::string &name, WingProblem &error)
{
    const std::string file = shown(choice.path);
    if (choice.name && !choice.name->empty()) {
        if (const char32_t c = firstControl(*choice.name); c != 0) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
            WingProblem p = problem(file, WingProblem::NameHasControl);
            p.texts = {code};
            return fail(error, p);
        }
        if (characters(*choice.name) > kLongestName) {
            return fail(error, problem(file, WingProblem::NameTooLong));
        }
        name = *choice.name;
        return true;
    }
    name = choice.path.substr(choice.path.find_last_of('/') + 1);
    // A byte order mark some programs put before a file's name is no part of the wing's.
    if (name.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        name.erase(0, 3);
    }
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    name = shortenedTo(blankControls(name), kLongestName);
    return true;
}

// Doubtful but possible choices, at the reference mass.
void addNotes(const PolarData &data, const double speeds[3], const std::string &file, Wing &wing)
{
    if (speeds[0] < data.v1 - kDoubtful) {
        wing.extrapolatedSlow = true;
        wing.notes.push_back(
            problem(file, WingProblem::NoteMinExtrapolated, {number(speeds[0]), number(data.v1)}));
    }
    if (speeds[2] > data.v3 + kDoubtful) {
        wing.extrapolatedFast = true;
        wing.notes.push_back(
            problem(file, WingProblem::NoteMaxExtrapolated, {number(speeds[2]), number(data.v3)}));
    }
    const double leastSinkSpeed = -data.b / (2 * data.a);
    if (speeds[1] < leastSinkSpeed - kDoubtful) {
        wing.notes.push_back(
            problem(file, WingProblem::NoteTrimSlow, {number(speeds[1]), number(leastSinkSpeed)}));
    }
}

} // namespace

std::optional<Wing> makeWing(const PolarData &data, const WingChoice &choice, WingProblem &error)
{
    const std::string file = shown(choice.path);
    Wing wing;
    wing.builtIn = false;
    wing.polarText = data.text;
    wing.choice = choice;
    if (!wingName(choice, wing.name, error)) {
        return std::nullopt;
    }
    double speeds[3] = {0, 0, 0};
    double ref = 0;
    double mass = 0;
    if (!speedRange(data, choice, speeds, error) || !masses(data, choice, ref, mass, error)) {
        return std::nullopt;
    }
    if (!(data.a < 0)) {
        error = problem(file, WingProblem::CurveOpensUpward);
        return std::nullopt;
    }
    // Heavier, the same polar runs faster and sinks faster by the same factor: speeds
    // and sink rates scale with the root of the mass, the glide ratio stays.
    const double k = ref > 0 ? std::sqrt(mass / ref) : 1.0;
    wing.massKg = mass;
    wing.a = data.a / k;
    wing.b = data.b;
    wing.c = data.c * k;
    wing.minSpeed = static_cast<float>(speeds[0] * k);
    wing.trimSpeed = static_cast<float>(speeds[1] * k);
    wing.maxSpeed = static_cast<float>(speeds[2] * k);
    if (!fitsDiagram(wing, file, error)) {
        return std::nullopt;
    }
    addNotes(data, speeds, file, wing);
    return wing;
}

float Wing::sink(float v) const
{
    const double x = v;
    if (builtIn) {
        const double v3 = std::pow(x, 3);
        const double v4 = std::pow(x, 4);
        const double v2 = std::pow(x, 2);
        return static_cast<float>(0.0011469 * v3 + -7e-6 * v4 - 0.07322 * v2 + 2.0617961 * x -
                                  22.37158);
    }
    return static_cast<float>(a * x * x + b * x + c);
}

std::optional<Wing> loadWing(const WingChoice &choice, WingProblem &error)
{
    const std::optional<PolarData> data = readPolarFile(choice.path, error);
    if (!data) {
        return std::nullopt;
    }
    return makeWing(*data, choice, error);
}
