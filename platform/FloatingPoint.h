#pragma once

// Qt's own code (painting, font metrics, number formatting) runs with whatever
// floating-point traps the program has enabled for checking its own arithmetic
// switched off, and leaves no pending flag behind. Costs nothing when no trap is on.
class QtFloatingPointScope
{
public:
    QtFloatingPointScope();
    ~QtFloatingPointScope();
    QtFloatingPointScope(const QtFloatingPointScope &) = delete;
    QtFloatingPointScope &operator=(const QtFloatingPointScope &) = delete;

private:
    int m_traps;
};
