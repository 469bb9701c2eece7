#pragma once

// azodo-render: the diagram for one state as PNG, SVG or PDF. Returns the exit code: 0,
// 1 when the output cannot be written, 2 for a bad argument.
int runRenderTool(int argc, char *argv[]);
