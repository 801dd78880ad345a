#pragma once

#include "JournalWindowFixture.h"

#include "Calendar.h"
#include "ColonyTreeDrawer.h"
#include "JournalPages.h"
#include "JournalStores.h"
#include "LoseColonyOperation.h"
#include "SchemaMigrations.h"
#include "SplitColonyOperation.h"
#include "SwarmOperation.h"
#include "UniteColoniesOperation.h"

// The journal window with the program's pages on a journal whose colonies have a lineage, made
// with the events' own operations: Linden (North) split Linden 2 off to South on 10.05.2024 and
// cast a swarm caught as Linden 3 on 01.06.2024; Linden 2 split Linden 2.1 on 12.05.2025, cast a
// swarm caught as Linden 2.2 on 03.06.2025 and took Acacia in on 15.09.2025; Linden 2.1 split
// Linden 2.1.1 on 01.07.2025 and was lost to varroa on 10.02.2026. Heather has no lineage.
class ColonyTreeTest : public JournalWindowTest
{
protected:
    static constexpr std::int32_t kLinden = 5;
    static constexpr std::int32_t kAcacia = 3;

    ColonyTreeTest()
        : JournalWindowTest(JournalPageFactories())
    {
        SchemaMigrations::Migrate(CDatabaseLease().get());
        linden2 = Split(kLinden, u"Linden 2", 2, u"10.05.2024");
        linden3 = CaughtSwarm(kLinden, u"Linden 3", u"01.06.2024");
        linden21 = Split(linden2, u"Linden 2.1", 2, u"12.05.2025");
        linden22 = CaughtSwarm(linden2, u"Linden 2.2", u"03.06.2025");
        linden211 = Split(linden21, u"Linden 2.1.1", 2, u"01.07.2025");
        CUniteColoniesOperation unite;
        unite.record.id_other_family = kAcacia;
        Run(unite, linden2, u"15.09.2025");
        CLoseColonyOperation loss;
        loss.record.cause = LossCause::Varroa;
        Run(loss, linden21, u"10.02.2026");
    }

    static std::int64_t Noon(const std::u16string& day) { return ParseDateText(day) + 12 * 3600; }

    // Runs the event in its own transaction and brings the stores and windows up to date, as the
    // journal's handler of colony events does.
    template <class Operation>
    static void Run(Operation& operation, std::int32_t idFamily, const std::u16string& day)
    {
        CDatabaseLease database;
        operation.record.id_family = idFamily;
        operation.record.date = Noon(day);
        database->BeginTransaction(u"Event");
        operation.Execute(database.get());
        database->EndTransaction(u"Event");
        ASSERT_NE(operation.record.id_event, 0) << static_cast<int>(operation.record.refusal);
        ReloadJournalStores(database.get());
        UiTest::ProcessEvents();
    }
    static std::int32_t Split(std::int32_t idMother, const std::u16string& name, std::int32_t idPoint, const std::u16string& day)
    {
        CSplitColonyOperation split;
        split.record.name = name;
        split.record.id_point = idPoint;
        split.record.brood_frames = 3;
        split.record.daughter_queen = DaughterQueen::QueenCell;
        Run(split, idMother, day);
        return split.record.id_daughter;
    }
    static std::int32_t CaughtSwarm(std::int32_t idMother, const std::u16string& name, const std::u16string& day)
    {
        CSwarmOperation swarm;
        swarm.record.caught = true;
        swarm.record.name = name;
        swarm.record.id_point = 1;
        Run(swarm, idMother, day);
        return swarm.record.id_swarm_family;
    }
    static std::u16string WithDay(std::int32_t textId, const std::u16string& day)
    {
        return ReplaceAll(Text(textId), u"%1", day);
    }

    std::int32_t linden2 = 0;
    std::int32_t linden3 = 0;
    std::int32_t linden21 = 0;
    std::int32_t linden22 = 0;
    std::int32_t linden211 = 0;
};
