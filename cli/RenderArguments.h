#pragma once

#include "DiagramFile.h"
#include "Wing.h"
#include "Worksheet.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The arguments of azodo-render: which state of the diagram to draw, how large, and
// where to write it.

// One state given with --state.
struct RenderState
{
    int windH = 0;
    int windVTenths = 0;
    std::optional<double> airspeed;
    QString text; // as given, for error lines
};

struct RenderOptions
{
    int windH = 0;                  // km/h, as the horizontal bar counts (-50..50)
    int windVTenths = 0;            // tenths of m/s, positive updraft (-40..40)
    std::optional<double> airspeed; // free-brake mode at this airspeed (MIN..MAX)
    QString airspeedText;           // as given, for the error line
    bool windVectors = true;
    bool airspeedVectors = true;
    bool fit = false;   // --fit: the window shifted to show the state whole
    bool fixed = false; // --fixed: the window's own frame, also for --state pages
    // Pixels of the whole picture, read-out strip included; without --size the diagram is
    // 1600 x 1000 (1100 x 700 for a PDF, where it is fitted to an A4 page and its texts
    // should print at a readable size) and the strip comes on top: 1600 x 1026.
    int width = 0;
    int height = 0;
    int outputWidth() const { return width > 0 ? width : isPdf() ? 1100 : 1600; }
    // The diagram's height under a strip of stripHeight pixels.
    int diagramHeight(int stripHeight) const
    {
        return height > 0 ? height - stripHeight : isPdf() ? 700 : 1000;
    }
    // The whole picture's height before any font is measured: the default strip is 26
    // pixels at scale 1.
    int wholeHeight() const { return height > 0 ? height : isPdf() ? 726 : 1026; }
    bool isPdf() const { return exportFormatFor(output) == ExportFormat::Pdf && output != "-"; }
    QString output;
    std::optional<WingChoice> wing; // a pilot's wing instead of the built-in polar
    QStringList wingArguments;      // its options as given, for a command that remakes
    Wing polar;                     // the polar drawn: the built-in one, or the wing
                                    // chosen, once loaded
    double scale = 1.0;             // fonts and line widths, 0.5..8
    bool scaleGiven = false;
    QList<RenderState> states;             // --state, in order: one PDF page each
    std::optional<RenderState> compare;    // --compare: a state held in grey beneath
    std::optional<WingChoice> compareWing; // its own wing (--compare-polar ...)
    Wing comparePolar;             // the held state's polar: the picture's own unless one is chosen
    bool stateOptionGiven = false; // --wind-h, --wind-v or --airspeed seen
    std::optional<ReachQuestion> reach;  // --reach: a landing field on every picture
    std::optional<double> climb;         // --mc: the expected climb, m/s
    bool drifting = false;               // --drift: the thermal drifts with the wind
    int worksheet = 0;                   // tasks of a worksheet; 0: none
    std::optional<WorksheetTopic> topic; // --topic: what the worksheet asks
    std::optional<std::uint64_t> seed;
    bool help = false;
    bool version = false;
};

std::optional<RenderOptions> parseRenderArguments(const QStringList &args, QString &error);

// --airspeed and each state's airspeed within the range of the options' polar, the held
// state's within its own; else false with a line in the user's language.
bool airspeedInRange(const RenderOptions &options, QString &error);
QString renderUsage();

// The state the options describe (the first --state, if any). Lecture pages (--state)
// and --fit draw in a window shifted to show the state whole, unless --fixed.
DiagramState stateOf(const RenderOptions &options);

// Every state the options describe, in order: the --state ones, or the one above.
QList<DiagramState> statesOf(const RenderOptions &options);
