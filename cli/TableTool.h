#pragma once

// azodo-table: the speed-to-fly card as text, CSV or a printable PDF. Returns the exit
// code: 0, 1 when the output cannot be written, 2 for a bad argument.
int runTableTool(int argc, char *argv[]);
