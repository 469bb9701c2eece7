#include "FloatingPoint.h"

#include <cfenv>

QtFloatingPointScope::QtFloatingPointScope() : m_traps(fegetexcept())
{
    if (m_traps != 0) {
        fedisableexcept(FE_ALL_EXCEPT);
    }
}

QtFloatingPointScope::~QtFloatingPointScope()
{
    if (m_traps != 0) {
        std::feclearexcept(FE_ALL_EXCEPT);
        feenableexcept(m_traps);
    }
}
