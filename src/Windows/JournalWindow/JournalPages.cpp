#include "JournalPages.h"

#include "AddChangeFamilyView.h"
#include "AddChangeInspectView.h"
#include "AddChangePointView.h"
#include "AddChangeQueenBeeView.h"
#include "AddHousingDialog.h"
#include "AllSitesChartView.h"
#include "CalendarView.h"
#include "ColonyChartView.h"
#include "ColonyHistoryView.h"
#include "ColonyTreeHintView.h"
#include "ColonyTreeView.h"
#include "ColonyVarroaView.h"
#include "QBeeFamilyView.h"
#include "QBeeInspectView.h"
#include "QBeePointView.h"
#include "SiteChartView.h"
#include "VarroaStandingView.h"
#include "ViewFamilies.h"
#include "ViewInspect.h"
#include "ViewPoints.h"
#include "WinterLossView.h"

#include <type_traits>

namespace {
template <typename Page>
PageFactory Make()
{
    return [](JournalState* state, IJournalComponent& journal) -> std::unique_ptr<IViewJournal> {
        if constexpr (std::is_constructible_v<Page, JournalState*, IJournalComponent&, HousingPicker>)
            return std::make_unique<Page>(state, journal, AddHousingDialogPicker(journal));
        else if constexpr (std::is_constructible_v<Page, JournalState*, IJournalComponent&>)
            return std::make_unique<Page>(state, journal);
        else
            return std::make_unique<Page>(state);
    };
}
}

std::vector<PageFactory> JournalPageFactories()
{
    return { Make<CViewPoints>(), Make<CViewFamilies>(), Make<CViewInspect>(), Make<CAddPointView>(),
        Make<CChangePointView>(), Make<CAddFamilyView>(), Make<CChangeFamilyView>(), Make<CAddInspectView>(),
        Make<CChangeInspectView>(), Make<CQBeePointView>(), Make<CQBeeFamilyView>(), Make<CQBeeInspectView>(),
        Make<CAddQueenBeeView>(), Make<CChangeQueenBeeView>(), Make<CColonyChartView>(), Make<CSiteChartView>(),
        Make<CAllSitesChartView>(), Make<CWinterLossView>(), Make<CColonyHistoryView>(), Make<CColonyTreeView>(),
        Make<CColonyTreeHintView>(), Make<CColonyVarroaView>(), Make<CVarroaStandingView>(), Make<CCalendarView>() };
}
