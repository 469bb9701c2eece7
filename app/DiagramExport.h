#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

// The picture export: the diagram for one state, rendered offscreen as the window
// draws it, with the glide-ratio read-out above it.

struct RenderOptions
{
    int windH = 0;                  // km/h, as the horizontal bar counts (-50..50)
    int windVTenths = 0;            // tenths of m/s, positive updraft (-40..40)
    std::optional<double> airspeed; // free-brake mode at this airspeed (18..50)
    bool windVectors = true;
    bool airspeedVectors = true;
    int width = 1600; // pixels of the diagram
    int height = 1000;
    QString output;
    bool help = false;
    bool version = false;
};

std::optional<RenderOptions> parseRenderArguments(const QStringList &args, QString &error);
QString renderUsage();

// Needs a QApplication. The image is the read-out strip over the diagram.
QImage renderDiagram(const RenderOptions &options);

// The image as PNG bytes; empty if it cannot be encoded.
QByteArray encodePng(const QImage &image);
