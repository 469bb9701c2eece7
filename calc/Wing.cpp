#include "Wing.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr double kLowestSpeed = 10.0; // km/h, any speed a file may give
constexpr double kHighestSpeed = 120.0;
constexpr double kLightest = 30.0; // kg
constexpr double kHeaviest = 300.0;
constexpr long kLargestFile = 1024 * 1024;
constexpr std::size_t kLongestName = 60;
// The wing as the diagram shows it: inside its speed axis, and every sink rate above
// its brake scale, which lies 3.5 m/s under the air origin.
constexpr double kDiagramSlowest = 10.0;
constexpr double kDiagramFastest = 60.0;
constexpr double kDeepestSink = -3.4;

// A path as messages show it: at most 60 bytes, cut where a character begins.
std::string shown(const std::string &path)
{
    constexpr std::size_t kLongest = 60;
    if (path.size() <= kLongest) {
        return path;
    }
    std::size_t cut = kLongest - 3;
    while (cut > 0 && (static_cast<unsigned char>(path[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return path.substr(0, cut) + "…";
}

std::string trimmed(const std::string &s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

std::vector<std::string> fields(const std::string &line)
{
    std::vector<std::string> out;
    std::size_t from = 0;
    for (;;) {
        const auto comma = line.find(',', from);
        out.push_back(trimmed(line.substr(from, comma - from)));
        if (comma == std::string::npos) {
            return out;
        }
        from = comma + 1;
    }
}

// The same number in every locale: a decimal point, no grouping.
bool parseNumber(const std::string &text, double &value, std::string &why)
{
    const char *begin = text.data();
    const char *end = text.data() + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
    }
    const auto result = std::from_chars(begin, end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end) {
        why = "„" + text.substr(0, 20) + "“ ist keine Zahl";
        return false;
    }
    if (!std::isfinite(value)) {
        why = "„" + text.substr(0, 20) + "“ ist keine endliche Zahl";
        return false;
    }
    return true;
}

std::string number(double v)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", v);
    std::string s = buffer;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

bool fail(std::string &error, const std::string &text)
{
    error = text;
    return false;
}

// The points of a polar: airspeeds rising inside the range a file may give, sink rates
// negative. where(i) names the place of point i in errors.
template <typename Where>
bool checkPoints(const std::vector<double> &v, const std::vector<double> &w, Where where,
                 std::string &error)
{
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] < kLowestSpeed || v[i] > kHighestSpeed) {
            return fail(error, where(i) + "die Fahrt " + number(v[i]) +
                                   " km/h liegt nicht zwischen 10 und 120 km/h");
        }
        if (i > 0 && !(v[i] > v[i - 1])) {
            return fail(error, where(i) + "die Fahrten steigen nicht (" + number(v[i - 1]) +
                                   ", dann " + number(v[i]) + " km/h)");
        }
        if (!(w[i] < 0)) {
            return fail(error, where(i) + "das Sinken " + number(w[i]) + " m/s ist nicht negativ");
        }
    }
    return true;
}

std::string baseName(const std::string &path)
{
    std::string name = path.substr(path.find_last_of('/') + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name;
}

bool readWhole(const std::string &path, std::string &text, std::string &error)
{
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return fail(error, shown(path) + ": die Datei kann nicht gelesen werden");
    }
    if (st.st_size > kLargestFile) {
        return fail(error, shown(path) + ": die Datei ist größer als 1 MB");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return fail(error, shown(path) + ": die Datei kann nicht gelesen werden");
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad() || text.size() > static_cast<std::size_t>(kLargestFile)) {
        return fail(error, shown(path) + ": die Datei kann nicht gelesen werden");
    }
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        text.erase(0, 3);
    }
    return true;
}

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from <= text.size()) {
        auto end = text.find('\n', from);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        from = end + 1;
    }
    return lines;
}

std::optional<PolarData> threePointLine(const std::string &path, const std::string &line,
                                        int lineNumber, std::string &error)
{
    const std::string where = shown(path) + ", Zeile " + std::to_string(lineNumber) + ": ";
    const std::vector<std::string> f = fields(line);
    if (f.size() < 8) {
        error = where + "erwartet Masse, Ballast, v1, w1, v2, w2, v3, w3, nicht " +
                std::to_string(f.size()) + " Felder";
        return std::nullopt;
    }
    double x[8];
    for (int i = 0; i < 8; ++i) {
        std::string why;
        if (!parseNumber(f[i], x[i], why)) {
            error = where + "Feld " + std::to_string(i + 1) + ": " + why;
            return std::nullopt;
        }
    }
    if (x[0] < kLightest || x[0] > kHeaviest) {
        error = where + "die Masse " + number(x[0]) + " kg liegt nicht zwischen 30 und 300 kg";
        return std::nullopt;
    }
    const std::vector<double> v{x[2], x[4], x[6]};
    const std::vector<double> w{x[3], x[5], x[7]};
    if (!checkPoints(
            v, w, [&](std::size_t) { return where; }, error)) {
        return std::nullopt;
    }
    PolarData data;
    data.threePoint = true;
    data.refMassKg = x[0];
    data.v1 = static_cast<float>(v[0]);
    data.v2 = static_cast<float>(v[1]);
    data.v3 = static_cast<float>(v[2]);
    if (!fitQuadratic(v.data(), w.data(), 3, data.a, data.b, data.c)) {
        error = where + "die drei Punkte ergeben keine Polare";
        return std::nullopt;
    }
    return data;
}

std::optional<PolarData> pointTable(const std::string &path, const std::vector<std::string> &lines,
                                    std::size_t header, std::string &error)
{
    std::vector<double> v, w;
    std::vector<int> lineOf;
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
        if (trimmed(lines[i]).empty()) {
            continue;
        }
        const std::string where = shown(path) + ", Zeile " + std::to_string(i + 1) + ": ";
        const std::vector<std::string> f = fields(lines[i]);
        if (f.size() != 2) {
            error = where + "erwartet airspeed_kmh,sink_ms";
            return std::nullopt;
        }
        double pv = 0, pw = 0;
        std::string why;
        if (!parseNumber(f[0], pv, why) || !parseNumber(f[1], pw, why)) {
            error = where + why;
            return std::nullopt;
        }
        v.push_back(pv);
        w.push_back(pw);
        lineOf.push_back(static_cast<int>(i + 1));
    }
    if (v.size() < 3) {
        error = shown(path) + ": zu wenige Punkte (" + std::to_string(v.size()) + "), mindestens 3";
        return std::nullopt;
    }
    const auto where = [&](std::size_t i) {
        return shown(path) + ", Zeile " + std::to_string(lineOf[i]) + ": ";
    };
    if (!checkPoints(v, w, where, error)) {
        return std::nullopt;
    }
    PolarData data;
    data.v1 = static_cast<float>(v.front());
    data.v3 = static_cast<float>(v.back());
    if (!fitQuadratic(v.data(), w.data(), static_cast<int>(v.size()), data.a, data.b, data.c)) {
        error = shown(path) + ": die Punkte ergeben keine Polare";
        return std::nullopt;
    }
    return data;
}

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

std::optional<PolarData> readPolarFile(const std::string &path, std::string &error)
{
    std::string text;
    if (!readWhole(path, text, error)) {
        return std::nullopt;
    }
    const std::vector<std::string> lines = linesOf(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = trimmed(lines[i]);
        if (line.empty() || line[0] == '*') {
            continue;
        }
        std::string header;
        for (char ch : line) {
            if (ch != ' ' && ch != '\t') {
                header += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            }
        }
        if (header == "airspeed_kmh,sink_ms") {
            return pointTable(path, lines, i, error);
        }
        // The first data line is the polar; flight computers may add more after it.
        return threePointLine(path, line, static_cast<int>(i + 1), error);
    }
    error = shown(path) + ": keine Polare in der Datei";
    return std::nullopt;
}

namespace {

// The speed range at the reference mass: the user's, else the three-point line's.
bool speedRange(const PolarData &data, const WingChoice &choice, double speeds[3],
                std::string &error)
{
    const std::string file = shown(choice.path);
    const bool given = choice.minSpeed && choice.trimSpeed && choice.maxSpeed;
    if (!given && !data.threePoint) {
        return fail(error, file + ": eine Tabelle von Punkten braucht die Fahrten MIN:TRIMM:MAX");
    }
    speeds[0] = given ? *choice.minSpeed : data.v1;
    speeds[1] = given ? *choice.trimSpeed : data.v2;
    speeds[2] = given ? *choice.maxSpeed : data.v3;
    if (!(speeds[0] < speeds[1] && speeds[1] < speeds[2])) {
        return fail(error, file + ": die Fahrten " + number(speeds[0]) + ", " + number(speeds[1]) +
                               ", " + number(speeds[2]) + " km/h erfüllen nicht MIN < TRIMM < MAX");
    }
    if (speeds[0] < kLowestSpeed || speeds[2] > kHighestSpeed) {
        return fail(error, file + ": die Fahrten liegen nicht zwischen 10 und 120 km/h");
    }
    return true;
}

// A proper polar opens downward and sinks everywhere between lo and hi; its highest point
// there is an end or its vertex.
bool properPolar(const PolarData &data, double lo, double hi, const std::string &file,
                 std::string &error)
{
    const auto w = [&](double v) {
        return data.a * v * v + data.b * v + data.c;
    };
    double top = std::max(w(lo), w(hi));
    if (data.a < 0) {
        const double vertex = -data.b / (2 * data.a);
        if (vertex > lo && vertex < hi) {
            top = std::max(top, w(vertex));
        }
    }
    if (!(data.a < 0) || !(top < 0)) {
        return fail(error, file + ": die angepasste Kurve ist keine Polare (sie muss nach unten "
                                  "offen sein und zwischen MIN und MAX überall sinken)");
    }
    return true;
}

// The reference and take-off masses, kg; 0 for a table given without any.
bool masses(const PolarData &data, const WingChoice &choice, double &ref, double &mass,
            std::string &error)
{
    const std::string file = shown(choice.path);
    ref = data.threePoint ? data.refMassKg : choice.refMassKg.value_or(0.0);
    if (choice.massKg && ref == 0.0) {
        return fail(
            error, file + ": für eine Tabelle braucht die Masse auch die Bezugsmasse (--ref-mass)");
    }
    mass = choice.massKg.value_or(ref);
    for (const double m : {ref, mass}) {
        if (m != 0.0 && (m < kLightest || m > kHeaviest)) {
            return fail(error, file + ": die Masse " + number(m) +
                                   " kg liegt nicht zwischen 30 und 300 kg");
        }
    }
    return true;
}

// The wing at its mass inside the diagram and clear of its brake scale.
bool fitsDiagram(const Wing &wing, const std::string &file, std::string &error)
{
    if (wing.minSpeed < kDiagramSlowest || wing.maxSpeed > kDiagramFastest) {
        return fail(error, file + ": bei " + number(wing.massKg) + " kg reichen die Fahrten von " +
                               number(wing.minSpeed) + " bis " + number(wing.maxSpeed) +
                               " km/h; das Diagramm zeigt 10 bis 60 km/h");
    }
    // Opening downward, the polar sinks deepest at an end of the range.
    const double deepest = std::min(wing.sink(wing.minSpeed), wing.sink(wing.maxSpeed));
    if (!(deepest > kDeepestSink)) {
        return fail(error, file + ": das Sinken erreicht " + number(deepest) +
                               " m/s; mehr als 3,4 m/s reicht in die Bremsskala des Diagramms");
    }
    return true;
}

} // namespace

std::optional<Wing> makeWing(const PolarData &data, const WingChoice &choice, std::string &error)
{
    const std::string file = shown(choice.path);
    Wing wing;
    wing.name = choice.name && !choice.name->empty() ? *choice.name : baseName(choice.path);
    const auto characters = std::count_if(wing.name.begin(), wing.name.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    });
    if (static_cast<std::size_t>(characters) > kLongestName) {
        error = file + ": der Name ist länger als 60 Zeichen";
        return std::nullopt;
    }
    double speeds[3] = {0, 0, 0};
    double ref = 0;
    double mass = 0;
    if (!speedRange(data, choice, speeds, error) ||
        !properPolar(data, speeds[0], speeds[2], file, error) ||
        !masses(data, choice, ref, mass, error)) {
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
    return wing;
}

std::optional<Wing> loadWing(const WingChoice &choice, std::string &error)
{
    const std::optional<PolarData> data = readPolarFile(choice.path, error);
    if (!data) {
        return std::nullopt;
    }
    return makeWing(*data, choice, error);
}
