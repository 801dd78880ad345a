#pragma once

#include <cstdint>
#include <string>

class CWnd;
struct Treatment;

// After a record of the colony on the day: each open inspection task of the colony due by a week
// after that day is offered, one question each, to be marked done by the record.
void OfferToCloseTasks(CWnd* owner, std::int32_t idFamily, std::int64_t day, std::int32_t idRecord);

// The follow-ups an event implies are offered as tasks, one question each, once it is saved. The
// beekeeper sets in the settings how many days after the event each falls, and whether they are
// offered at all.
inline constexpr char16_t kFollowUpsKey[] = u"Software\\Tolvik\\FollowUps";
inline constexpr char16_t kOfferFollowUpsValue[] = u"check_offer";
inline constexpr char16_t kSplitFollowUpValue[] = u"days_split";
inline constexpr char16_t kRequeenFollowUpValue[] = u"days_requeen";
inline constexpr char16_t kMiteCountFollowUpValue[] = u"days_mite_count";

struct FollowUpDays
{
    bool offered = true;
    // Days after a split until its new queen should lay, and after requeening until the queen's
    // acceptance shows.
    std::int32_t split = 21;
    std::int32_t requeen = 7;
    // Days after a treatment's last day until its mite count.
    std::int32_t miteCount = 0;
};
// As set; the default where a value is missing or is no number of days.
FollowUpDays SavedFollowUpDays();

// A split: whether the colony that is to have a new queen lays, the mother when the daughter took
// its queen, else the daughter.
void OfferSplitFollowUp(CWnd* owner, std::int32_t idNewQueenColony, std::int64_t day);
// A requeening: whether the colony accepted its new queen.
void OfferRequeenFollowUp(CWnd* owner, std::int32_t idFamily, std::int64_t day);
// A treatment: its end, when it lasts beyond its first day, and a mite count after it.
void OfferTreatmentFollowUps(CWnd* owner, const Treatment& treatment);
