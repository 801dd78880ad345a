#include "CalendarEvents.h"

#include "ScriptRecords.h"
#include "Text.h"

namespace {
constexpr char kScript[] = R"(
import sys, icalendar
calendar = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())
out = []
for event in calendar.walk('VEVENT'):
    end = event.get('DTEND')
    rule = event.get('RRULE')
    out.append([str(event['UID']), str(event['SUMMARY']), event.decoded('DTSTART').isoformat(),
        end.dt.isoformat() if end else '', str(event.decoded('DURATION')) if event.get('DURATION') else '',
        rule.to_ical().decode() if rule else '', str(event.get('DESCRIPTION', '')), str(event.get('SEQUENCE', 0))])
open(sys.argv[2], 'w', encoding='utf-8').write(''.join(''.join(f + chr(31) for f in r) + chr(30) for r in out))
)";
}

std::vector<CalendarEvent> ReadCalendarEvents(const std::filesystem::path& file)
{
    std::vector<CalendarEvent> events;
    for (const auto& record : ScriptRecords(kScript, file)) {
        events.push_back({ record[0], FromUtf8(record[1]), record[2], record[3], record[4], record[5],
            FromUtf8(record[6]), std::stoll(record[7]) });
    }
    return events;
}
