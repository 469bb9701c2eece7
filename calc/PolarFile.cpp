// Reading a polar file: the three-point line of gliding flight computers, or a table of
// measured points under the header airspeed_kmh,sink_ms. Errors name the file and line
// and, where a likely slip explains them (a decimal comma, another separator), say so.
#include "Wing.h"
#include "WingProblem.h"
#include "WingText.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

using namespace wingtext;

namespace {

constexpr double kDeepestPointSink = -10.0; // m/s; deeper is no glider's polar
constexpr long kLargestFile = 1024 * 1024;
constexpr const char *kHeader = "airspeed_kmh,sink_ms";

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

// The same number in every locale: a decimal point, no grouping, at most one sign.
bool parseNumber(const std::string &text, double &value, WingProblem &why)
{
    const char *begin = text.data();
    const char *end = text.data() + text.size();
    if (begin != end && *begin == '+' && begin + 1 != end && begin[1] != '-') {
        ++begin;
    }
    const auto result = std::from_chars(begin, end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end) {
        why.code = WingProblem::NotANumber;
        why.texts = {shortenedTo(text, 20)};
        return false;
    }
    if (!std::isfinite(value)) {
        why.code = WingProblem::NotFinite;
        why.texts = {shortenedTo(text, 20)};
        return false;
    }
    return true;
}

// One measured point as the file gives it.
struct Point
{
    double v = 0, w = 0;
    std::string vText, wText; // as typed, for messages
    int line = 0;
};

// The points of a polar: airspeeds rising inside the range a file may give, sink rates
// negative and of a glider's size. where(i) names the place of point i in errors.
bool checkPoints(const std::vector<Point> &p, const std::function<WingProblem(std::size_t)> &where,
                 WingProblem &error)
{
    const auto problem = [&](std::size_t i, WingProblem::Code code,
                             std::vector<std::string> texts) {
        WingProblem e = where(i);
        e.code = code;
        for (std::string &t : texts) {
            e.texts.push_back(shortenedTo(t, 20));
        }
        return fail(error, e);
    };
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (p[i].v < kWingLowestSpeed || p[i].v > kWingHighestSpeed) {
            return problem(i, WingProblem::SpeedOutOfRange, {p[i].vText});
        }
        if (i > 0 && !(p[i].v > p[i - 1].v)) {
            return problem(i, WingProblem::SpeedsNotRising, {p[i - 1].vText, p[i].vText});
        }
        if (!(p[i].w < 0)) {
            return problem(i, WingProblem::SinkNotNegative, {p[i].wText});
        }
        if (p[i].w < kDeepestPointSink) {
            return problem(i, WingProblem::SinkTooDeep, {p[i].wText});
        }
    }
    return true;
}

// A point that hardly sinks, named when the points make no polar: a curve through it
// cannot open downward and sink everywhere.
constexpr double kLeastPointSink = -0.3;

const Point *hardlySinking(const std::vector<Point> &p)
{
    const auto q = std::find_if(p.begin(), p.end(),
                                [](const Point &point) { return point.w > kLeastPointSink; });
    return q != p.end() ? &*q : nullptr;
}

WingProblem hardlySinkingProblem(WingProblem where, const Point &q)
{
    where.code = WingProblem::SinkTooSmall;
    where.texts = {shortenedTo(q.wText, 20)};
    return where;
}

// A problem at a line of the file.
WingProblem at(const std::string &path, int line)
{
    WingProblem p;
    p.file = shown(path);
    p.line = line;
    return p;
}

// The quadratic through the points, open downward as every polar is.
bool fitPoints(const std::vector<Point> &p, double &a, double &b, double &c)
{
    std::vector<double> v, w;
    for (const Point &q : p) {
        v.push_back(q.v);
        w.push_back(q.w);
    }
    return fitQuadratic(v.data(), w.data(), static_cast<int>(p.size()), a, b, c) && a < 0;
}

bool readWhole(const std::string &path, std::string &text, WingProblem &error)
{
    WingProblem unreadable = at(path, 0);
    unreadable.code = WingProblem::Unreadable;
    WingProblem tooLarge = at(path, 0);
    tooLarge.code = WingProblem::TooLarge;
    // Why a file is no file to read, by what it is.
    const auto notAFile = [&](const struct stat &st) {
        unreadable.code = S_ISDIR(st.st_mode)    ? WingProblem::UnreadableFolder
                          : S_ISFIFO(st.st_mode) ? WingProblem::UnreadableFifo
                          : S_ISSOCK(st.st_mode) ? WingProblem::UnreadableSocket
                          : S_ISREG(st.st_mode)  ? WingProblem::Unreadable
                                                 : WingProblem::UnreadableDevice;
        return fail(error, unreadable);
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        const int why = errno;
        struct stat st
        {
        };
        if (why != ENOENT && ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
            return notAFile(st); // a socket cannot be opened at all
        }
        unreadable.code = why == ENOENT                   ? WingProblem::UnreadableMissing
                          : why == EACCES || why == EPERM ? WingProblem::UnreadableDenied
                          : why == EIO                    ? WingProblem::UnreadableIo
                                                          : WingProblem::Unreadable;
        return fail(error, unreadable);
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return fail(error, unreadable);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return notAFile(st);
    }
    if (st.st_size > kLargestFile) {
        ::close(fd);
        return fail(error, tooLarge);
    }
    // Read to the end, whatever the size said: a file may shrink or grow while read, and
    // /proc reports none. A failing medium is an error text, never an exception.
    text.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            if (errno == EIO) {
                unreadable.code = WingProblem::UnreadableIo;
            }
            ::close(fd);
            return fail(error, unreadable);
        }
        if (n == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > static_cast<std::size_t>(kLargestFile)) {
            ::close(fd);
            return fail(error, tooLarge);
        }
    }
    ::close(fd);
    return true;
}

// Lines ended by LF, CRLF or a lone CR (old Macs).
std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\n' || ch == '\r') {
            lines.push_back(line);
            line.clear();
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            line += ch;
        }
    }
    lines.push_back(line);
    return lines;
}

bool isComment(const std::string &line)
{
    const std::string t = trimmed(line);
    return t.empty() || t[0] == '*';
}

// A separator that is not the comma, as the problem it makes; None when there is none.
WingProblem::Code otherSeparator(const std::string &line)
{
    if (line.find(';') != std::string::npos) {
        return WingProblem::SemicolonSeparated;
    }
    if (line.find('\t') != std::string::npos) {
        return WingProblem::TabSeparated;
    }
    if (trimmed(line).find(' ') != std::string::npos) {
        return WingProblem::BlankSeparated;
    }
    return WingProblem::None;
}

bool isInteger(const std::string &s)
{
    std::size_t i = s.size() > 1 && (s[0] == '-' || s[0] == '+') ? 1 : 0;
    if (i == s.size()) {
        return false;
    }
    for (; i < s.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) {
            return false;
        }
    }
    return true;
}

bool isDigits(const std::string &s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char ch) {
        return std::isdigit(static_cast<unsigned char>(ch)) != 0;
    });
}

// A decimal comma splits one number into two fields. Tries each neighbouring pair "A,B"
// among the first nine fields (A an integer, B digits) read as A.B, and returns the
// pair's text when the fields then pass; empty when none does.
std::string decimalComma(const std::vector<std::string> &f,
                         const std::function<bool(const std::vector<std::string> &)> &passes)
{
    // Fields that may be the two halves of one number: a whole number, then digits.
    std::vector<std::size_t> candidates;
    const std::size_t last = std::min<std::size_t>(f.size(), 16);
    for (std::size_t i = 0; i + 1 < last; ++i) {
        if (isInteger(f[i]) && isDigits(f[i + 1])) {
            candidates.push_back(i);
        }
    }
    // Fewest joins first, up to one per number of the line: the first pair joined is named.
    std::vector<std::size_t> chosen;
    std::string found;
    const std::function<bool(std::size_t, std::size_t)> tryJoins = [&](std::size_t from,
                                                                       std::size_t joins) {
        if (chosen.size() == joins) {
            std::vector<std::string> joined;
            for (std::size_t i = 0, k = 0; i < f.size(); ++i) {
                if (k < chosen.size() && chosen[k] == i) {
                    joined.push_back(f[i] + "." + f[i + 1]);
                    ++i;
                    ++k;
                } else {
                    joined.push_back(f[i]);
                }
            }
            if (passes(joined)) {
                found = f[chosen.front()] + "," + f[chosen.front() + 1];
                return true;
            }
            return false;
        }
        for (std::size_t c = from; c < candidates.size(); ++c) {
            if (!chosen.empty() && candidates[c] <= chosen.back() + 1) {
                continue; // the pairs may not overlap
            }
            chosen.push_back(candidates[c]);
            const bool done = tryJoins(c + 1, joins);
            chosen.pop_back();
            if (done) {
                return true;
            }
        }
        return false;
    };
    for (std::size_t joins = 1; joins <= std::min<std::size_t>(candidates.size(), 7); ++joins) {
        if (tryJoins(0, joins)) {
            return found;
        }
    }
    return {};
}

std::optional<PolarData> threePointFields(const WingProblem &where,
                                          const std::vector<std::string> &f, WingProblem &error)
{
    double x[8];
    for (int i = 0; i < 8; ++i) {
        WingProblem why = where;
        if (!parseNumber(f[static_cast<std::size_t>(i)], x[i], why)) {
            why.field = i + 1;
            error = why;
            return std::nullopt;
        }
    }
    if (x[0] < kWingLightest || x[0] > kWingHeaviest) {
        error = where;
        error.code = WingProblem::MassOutOfRange;
        error.texts = {shortenedTo(f[0], 20)};
        return std::nullopt;
    }
    std::vector<Point> p;
    for (int i = 0; i < 3; ++i) {
        p.push_back({x[2 + 2 * i], x[3 + 2 * i], f[static_cast<std::size_t>(2 + 2 * i)],
                     f[static_cast<std::size_t>(3 + 2 * i)], 0});
    }
    if (!checkPoints(
            p, [&](std::size_t) { return where; }, error)) {
        return std::nullopt;
    }
    PolarData data;
    data.threePoint = true;
    data.refMassKg = x[0];
    data.v1 = static_cast<float>(p[0].v);
    data.v2 = static_cast<float>(p[1].v);
    data.v3 = static_cast<float>(p[2].v);
    if (!fitPoints(p, data.a, data.b, data.c)) {
        if (const Point *q = hardlySinking(p)) {
            error = hardlySinkingProblem(where, *q);
            return std::nullopt;
        }
        error = where;
        error.code = WingProblem::MiddlePointLow;
        error.texts = {p[0].vText, p[0].wText, p[1].vText, p[1].wText, p[2].vText, p[2].wText};
        return std::nullopt;
    }
    return data;
}

std::optional<PolarData> threePointLine(const std::string &path, const std::string &line,
                                        int lineNumber, WingProblem &error)
{
    const WingProblem where = at(path, lineNumber);
    const std::vector<std::string> f = fields(line);
    if (f.size() < 8) {
        const WingProblem::Code separator = otherSeparator(line);
        error = where;
        error.code = separator != WingProblem::None ? separator : WingProblem::NotAThreePointLine;
        return std::nullopt;
    }
    std::optional<PolarData> data = threePointFields(where, f, error);
    if (!data) {
        // A line that passes is never rejoined: flight instruments add fields of their own.
        const std::string pair = decimalComma(f, [&](const std::vector<std::string> &joined) {
            WingProblem ignored;
            return joined.size() >= 8 && threePointFields(where, joined, ignored).has_value();
        });
        if (!pair.empty()) {
            error = where;
            error.code = WingProblem::DecimalComma;
            error.texts = {shortenedTo(pair, 20)};
        }
        return std::nullopt;
    }
    data->line = lineNumber;
    data->text = trimmed(line);
    return data;
}

bool tableRow(const std::vector<std::string> &f, Point &p, WingProblem &why)
{
    return f.size() == 2 && parseNumber(f[0], p.v, why) && parseNumber(f[1], p.w, why);
}

// Names what makes a table's fit open upward: a point that hardly sinks, the one point
// without which the rest opens downward, else the lines of all points.
WingProblem upwardCause(const std::string &path, const std::vector<Point> &p)
{
    if (const Point *q = hardlySinking(p)) {
        return hardlySinkingProblem(at(path, q->line), *q);
    }
    for (std::size_t skip = 0; p.size() > 3 && skip < p.size(); ++skip) {
        std::vector<Point> rest = p;
        rest.erase(rest.begin() + static_cast<long>(skip));
        double a = 0, b = 0, c = 0;
        if (fitPoints(rest, a, b, c)) {
            WingProblem e = at(path, p[skip].line);
            e.code = WingProblem::PointDoesNotFit;
            e.texts = {p[skip].vText, p[skip].wText};
            return e;
        }
    }
    WingProblem e = at(path, p.front().line);
    e.lastLine = p.back().line;
    e.code = WingProblem::PointsOpenUpward;
    return e;
}

std::optional<PolarData> pointTable(const std::string &path, const std::vector<std::string> &lines,
                                    std::size_t header, WingProblem &error)
{
    std::vector<Point> points;
    std::string text = trimmed(lines[header]);
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
        if (isComment(lines[i])) {
            continue;
        }
        const WingProblem where = at(path, static_cast<int>(i + 1));
        const std::vector<std::string> f = fields(lines[i]);
        Point p;
        WingProblem why = where;
        if (!tableRow(f, p, why)) {
            const std::string pair =
                f.size() > 2 ? decimalComma(f,
                                            [](const auto &joined) {
                                                Point ignored;
                                                WingProblem whyNot;
                                                return tableRow(joined, ignored, whyNot);
                                            })
                             : std::string();
            const WingProblem::Code separator = otherSeparator(lines[i]);
            error = where;
            if (!pair.empty()) {
                error.code = WingProblem::DecimalComma;
                error.texts = {shortenedTo(pair, 20)};
            } else if (f.size() < 2 && separator != WingProblem::None) {
                error.code = separator;
            } else if (f.size() != 2) {
                error.code = WingProblem::TwoFieldsExpected;
                error.numbers = {std::to_string(f.size())};
            } else {
                error = why;
            }
            return std::nullopt;
        }
        p.vText = f[0];
        p.wText = f[1];
        p.line = static_cast<int>(i + 1);
        points.push_back(p);
        text += "\n" + f[0] + "," + f[1];
    }
    if (points.size() < 3) {
        error = at(path, 0);
        error.code = WingProblem::TooFewPoints;
        error.numbers = {std::to_string(points.size())};
        return std::nullopt;
    }
    const auto where = [&](std::size_t i) {
        return at(path, points[i].line);
    };
    if (!checkPoints(points, where, error)) {
        return std::nullopt;
    }
    PolarData data;
    data.text = text;
    data.v1 = static_cast<float>(points.front().v);
    data.v3 = static_cast<float>(points.back().v);
    if (!fitPoints(points, data.a, data.b, data.c)) {
        error = upwardCause(path, points);
        return std::nullopt;
    }
    return data;
}

} // namespace

std::optional<PolarData> readPolarFile(const std::string &path, WingProblem &error)
{
    std::string text;
    if (!readWhole(path, text, error)) {
        return std::nullopt;
    }
    return parsePolarText(path, std::move(text), error);
}

std::optional<PolarData> parsePolarText(const std::string &path, std::string text,
                                        WingProblem &error)
{
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        text.erase(0, 3);
    }
    // Text in UTF-16 (with or without its mark: every other byte zero) or with zero bytes
    // is no text this reader knows; said as such, not as fields badly separated.
    const bool utf16 = text.compare(0, 2, "\xFF\xFE") == 0 || text.compare(0, 2, "\xFE\xFF") == 0 ||
                       (text.size() >= 2 && (text[0] == '\0') != (text[1] == '\0'));
    if (utf16 || text.find('\0') != std::string::npos) {
        error = at(path, 0);
        error.code = utf16 ? WingProblem::Utf16 : WingProblem::ZeroBytes;
        return std::nullopt;
    }
    const std::vector<std::string> lines = linesOf(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (isComment(lines[i])) {
            continue;
        }
        std::string header;
        for (char ch : lines[i]) {
            if (ch != ' ' && ch != '\t') {
                header += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            }
        }
        if (header == kHeader) {
            return pointTable(path, lines, i, error);
        }
        // The header with another separator between its two names.
        if (header.rfind("airspeed_kmh", 0) == 0 && otherSeparator(lines[i]) != WingProblem::None) {
            error = at(path, static_cast<int>(i + 1));
            error.code = otherSeparator(lines[i]);
            return std::nullopt;
        }
        // The first data line is the polar; flight computers may add more after it.
        return threePointLine(path, lines[i], static_cast<int>(i + 1), error);
    }
    error = at(path, 0);
    error.code = WingProblem::NoPolar;
    return std::nullopt;
}
