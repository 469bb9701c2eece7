#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// What the command-line tools share around their work: arguments, errors and output.

// "tool: message" as one line on standard error.
void printToolError(const char *tool, const QString &message);

// The common start of a tool, before anything else: standard descriptors guarded, broken
// pipes and size limits made plain write errors, the arguments decoded. False after a
// one-line message (exit code 2).
bool prepareTool(int argc, char *argv[], const char *tool, QStringList &args);

// prepareTool, then the arguments parsed by parse(args, error) into options; nothing
// after a one-line message (exit code 2).
template <typename Parse>
auto startTool(int argc, char *argv[], const char *tool, Parse parse)
    -> decltype(parse(QStringList(), std::declval<QString &>()))
{
    QStringList args;
    if (!prepareTool(argc, argv, tool, args)) {
        return std::nullopt;
    }
    QString error;
    auto options = parse(args, error);
    if (!options) {
        printToolError(tool, error);
    }
    return options;
}

// The arguments as text. One that is not valid text in the system's encoding would be
// read (and written) as another name than the one given: it is refused with a message,
// and the result is false.
bool decodeArguments(int argc, char *argv[], const char *tool, QStringList &args);

// A decimal number as it must be typed, whatever the locale: a decimal point, at most one
// sign, finite. False with error "OPTION: ..." otherwise; a decimal comma is named as such.
bool parseDecimalOption(const QString &option, const QString &text, double &value, QString &error);

// Whether text is a number written with a decimal comma ("24,5").
bool isDecimalComma(const QString &text);

// The message for a decimal comma typed in part of an option's value.
QString decimalCommaError(const QString &option, const QString &part);

// Writes bytes to the file target, or to standard output for "-". Returns the exit code:
// 0, or 1 after a one-line message.
int writeOutput(const char *tool, const QString &target, const QByteArray &bytes);

// Makes Qt draw offscreen whatever the environment names, and keeps its own messages,
// in English, out of the tool's one-line answers. Call before the application object.
void prepareOffscreenQt();
