#pragma once

// Seconds since the program started, single precision, from a monotonic clock, so that
// a pause measured with it also ends correctly when the time of day passes midnight.
float Timer();
