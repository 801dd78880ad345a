#pragma once

#include <optional>
#include <string>

// Puts the process in a time zone (a name from the zone database, such as "Europe/Berlin") for the
// lifetime of the object, and the zone it was in back afterwards.
class TimeZone
{
public:
    explicit TimeZone(const char* name);
    ~TimeZone();
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

private:
    std::optional<std::string> m_previous;
};
