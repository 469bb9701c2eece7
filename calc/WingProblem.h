#pragma once

#include <string>
#include <vector>

// What is wrong with a polar file or a wing choice, or doubtful about it, as a code with
// its values: the programs say it in the user's language. No Qt.
struct WingProblem
{
    enum Code {
        None,
        // Reading the file.
        Unreadable,        // the file cannot be read
        UnreadableIo,      // ... an input/output error
        UnreadableMissing, // ... there is none of that name
        UnreadableDenied,  // ... no permission to read it
        UnreadableFolder,  // ... it is a folder
        UnreadableFifo,    // ... it is a FIFO
        UnreadableSocket,  // ... it is a socket
        UnreadableDevice,  // ... it is a device
        TooLarge,          // over 1 MB
        Utf16,             // the text is UTF-16
        ZeroBytes,         // the text holds zero bytes
        NoPolar,           // no line that is not a comment
        // A line or row (texts: the user's own fields).
        NotANumber,         // texts: field; field: its number, or 0 in a table
        NotFinite,          // texts: field; field as above
        NotAThreePointLine, // fewer than eight fields, no other separator
        SemicolonSeparated, // the fields are separated by semicolons
        TabSeparated,       // ... tabs
        BlankSeparated,     // ... blanks
        DecimalComma,       // texts: the pair "A,B"
        TwoFieldsExpected,  // numbers: the fields found
        MassOutOfRange,     // texts: the mass field
        SpeedOutOfRange,    // texts: the airspeed field
        SpeedsNotRising,    // texts: the earlier and the later airspeed
        SinkNotNegative,    // texts: the sink field
        SinkTooDeep,        // texts: the sink field
        SinkTooSmall,       // texts: the sink field
        MiddlePointLow,     // texts: v1, w1, v2, w2, v3, w3
        PointDoesNotFit,    // texts: v, w of the point
        PointsOpenUpward,   // line .. lastLine
        TooFewPoints,       // numbers: the points found
        // The wing made of it (numbers: computed values, one decimal or more).
        TableNeedsSpeeds,
        SpeedsOutsideFile, // the airspeeds lie outside 10..120 km/h
        SpeedsNotOrdered,  // numbers: MIN, TRIM, MAX
        RefMassOnlyForTable,
        MassNeedsRefMass,
        MassOutOfLimits,     // numbers: the mass
        SpeedsBeyondDiagram, // numbers: [mass,] lowest, highest; withMass says which
        SinksTooDeep,        // numbers: airspeed, sink
        CurveDoesNotSink,    // numbers: airspeed
        SinksTooLittle,      // numbers: airspeed, sink
        NameHasControl,      // texts: "U+001B"
        NameTooLong,
        CurveOpensUpward,
        // Notes: the wing loads, the programs show them.
        NoteMinExtrapolated, // numbers: MIN, the slowest point
        NoteMaxExtrapolated, // numbers: MAX, the fastest point
        NoteTrimSlow,        // numbers: TRIM, the airspeed of least sink
    };

    Code code = None;
    std::string file; // the path as messages show it
    int line = 0;     // 0: the whole file
    int lastLine = 0; // a range of lines, PointsOpenUpward
    int field = 0;    // NotANumber and NotFinite in a three-point line
    bool withMass = false;
    // The user's own texts, shortened, quoted when shown; computed numbers written with a
    // decimal point, for the language to write as it writes numbers.
    std::vector<std::string> texts;
    std::vector<std::string> numbers;

    explicit operator bool() const { return code != None; }
};
