#include "TimeZone.h"

#include <cstdlib>
#include <ctime>

TimeZone::TimeZone(const char* name)
{
    if (const char* previous = std::getenv("TZ"))
        m_previous = previous;
    setenv("TZ", name, 1);
    tzset();
}

TimeZone::~TimeZone()
{
    if (m_previous)
        setenv("TZ", m_previous->c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}
