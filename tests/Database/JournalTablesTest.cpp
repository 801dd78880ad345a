#include "Calendar.h"
#include "EvacuationTable.h"
#include "InspectTable.h"
#include "JournalTable.h"
#include "QueenBeeTable.h"
#include "TableFixture.h"

namespace {
void AddHiveRow(IDatabase* db, std::int32_t journal, std::int32_t housing, const std::u16string& name)
{
    CInspectTable inspect;
    inspect.record.id_journal = journal;
    inspect.record.id_housing = housing;
    inspect.record.name_housing = name;
    inspect.record.honey = 3;
    inspect.Insert(db);
    EXPECT_EQ(inspect.record.id_journal, -1);
}
}

using JournalTableTest = TableFixture;
using InspectTableTest = TableFixture;
using EvacuationTableTest = TableFixture;
using QueenBeeTableTest = TableFixture;

TEST_F(JournalTableTest, RecordRoundTripsAndSelectByColonyWinsOverKey)
{
    CJournalTable journal;
    journal.record.id_family = 5;
    journal.record.date = LocalMidnight(2010, 5, 7);
    journal.record.frame = 8;
    journal.record.strength = 6;
    journal.record.is_queen_bee = 1;
    journal.record.disease = 2;
    journal.record.note = u"it's calm";
    journal.record.id_record = 3;
    journal.Insert(db.get());
    EXPECT_EQ(journal.record.id_journal, 1);
    EXPECT_EQ(Column(u"SELECT date FROM journal"), (std::vector<std::u16string> { u"07.05.2010 00:00:00" }));

    journal.record = {};
    journal.record.id_family = 6;
    journal.Insert(db.get());
    EXPECT_EQ(journal.record.id_journal, 2);

    journal.record = {};
    journal.record.id_family = 5;
    journal.record.id_journal = 2;
    const auto rows = SelectFrom(journal);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]->id_journal, 1);
    EXPECT_EQ(rows[0]->date, LocalMidnight(2010, 5, 7));
    EXPECT_EQ(rows[0]->frame, 8);
    EXPECT_EQ(rows[0]->is_queen_bee, 1);
    EXPECT_EQ(rows[0]->disease, 2);
    EXPECT_EQ(rows[0]->note, u"it's calm");
    EXPECT_EQ(rows[0]->id_record, 3);

    journal.record.id_journal = 2;
    journal.record.date = LocalMidnight(2010, 5, 8);
    journal.record.wax = 4;
    journal.Update(db.get());
    EXPECT_EQ(Exec(u"SELECT id_family, date, wax FROM journal WHERE id_journal=2"),
        (RowList { { { u"id_family", u"6" }, { u"date", u"08.05.2010 00:00:00" }, { u"wax", u"4" } } }));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(InspectTableTest, SelectWithTheResetRecordListsEveryRowAndZeroOnlyItsOwn)
{
    AddHiveRow(db.get(), 1, 10, u"H10");
    AddHiveRow(db.get(), 2, 11, u"H11");
    AddHiveRow(db.get(), 0, 12, u"H12");

    CInspectTable inspect;
    EXPECT_EQ(SelectFrom(inspect).size(), 3u);
    inspect.record.id_journal = 0;
    const auto orphans = SelectFrom(inspect);
    ASSERT_EQ(orphans.size(), 1u);
    EXPECT_EQ(orphans[0]->name_housing, u"H12");
    inspect.record.id_journal = 2;
    const auto second = SelectFrom(inspect);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0]->id_housing, 11);
    EXPECT_EQ(second[0]->honey, 3);

    // The reset record deletes nothing; a key deletes that record's rows.
    inspect.Delete(db.get());
    EXPECT_EQ(SelectFrom(inspect).size(), 3u);
    inspect.record.id_journal = 1;
    inspect.Delete(db.get());
    EXPECT_EQ(SelectFrom(inspect).size(), 2u);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(InspectTableTest, UpdateMatchesAHiveWithoutKeyByItsName)
{
    AddHiveRow(db.get(), 1, 0, u"Borrowed");
    AddHiveRow(db.get(), 1, 0, u"Other");
    AddHiveRow(db.get(), 1, 4, u"Keyed");

    CInspectTable inspect;
    inspect.record.id_journal = 1;
    inspect.record.name_housing = u"Borrowed";
    inspect.record.brood = 5;
    inspect.Update(db.get());
    inspect.record.id_journal = 1;
    inspect.record.id_housing = 4;
    inspect.record.name_housing = u"Other";
    inspect.record.goods_honey = 2;
    inspect.Update(db.get());

    EXPECT_EQ(Exec(u"SELECT name_housing, brood, goods_honey FROM inspect ORDER BY rowid"),
        (RowList { { { u"name_housing", u"Borrowed" }, { u"brood", u"5" }, { u"goods_honey", u"0" } },
            { { u"name_housing", u"Other" }, { u"brood", u"0" }, { u"goods_honey", u"0" } },
            { { u"name_housing", u"Keyed" }, { u"brood", u"0" }, { u"goods_honey", u"2" } } }));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(EvacuationTableTest, EmptyPlantIsStoredAsNullAndDeletesNarrowByDateAndColony)
{
    const std::int64_t may7 = LocalMidnight(2010, 5, 7);
    const std::int64_t may8 = LocalMidnight(2010, 5, 8);
    CEvacuationTable evacuation;
    for (auto [date, family, plant] : { std::tuple { may7, 1, u"" }, { may7, 2, u"lime" }, { may8, 1, u"clover" } }) {
        evacuation.record.date = date;
        evacuation.record.id_family = family;
        evacuation.record.honey = 10;
        evacuation.record.plant = plant;
        evacuation.Insert(db.get());
        EXPECT_EQ(evacuation.record.id_family, 0);
    }
    EXPECT_EQ(Column(u"SELECT typeof(plant) FROM evacuation ORDER BY rowid"),
        (std::vector<std::u16string> { u"null", u"text", u"text" }));

    evacuation.record.date = may7;
    const auto onMay7 = SelectFrom(evacuation);
    ASSERT_EQ(onMay7.size(), 2u);
    EXPECT_EQ(onMay7[0]->plant, u"");
    EXPECT_EQ(onMay7[0]->date, may7);

    evacuation.record.date = may7;
    evacuation.record.id_family = 1;
    evacuation.Delete(db.get());
    evacuation.record.id_family = 1;
    const auto colonyOne = SelectFrom(evacuation);
    ASSERT_EQ(colonyOne.size(), 1u);
    EXPECT_EQ(colonyOne[0]->plant, u"clover");

    evacuation.record.id_family = 2;
    evacuation.Delete(db.get());
    EXPECT_EQ(SelectFrom(evacuation).size(), 1u);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(QueenBeeTableTest, DeletingAMotherOrphansHerDaughtersAndUpdateKeepsTheLinks)
{
    CQueenBeeTable queens;
    queens.record.name = u"Mother";
    queens.record.id_family = 3;
    queens.record.date = LocalMidnight(2009, 6, 1);
    queens.Insert(db.get());
    EXPECT_EQ(queens.record.id_queen_bee, 1);
    for (const char16_t* name : { u"Daughter A", u"Daughter B" }) {
        queens.record = {};
        queens.record.name = name;
        queens.record.id_parent_queen_bee = 1;
        queens.record.id_family = 4;
        queens.Insert(db.get());
    }
    EXPECT_EQ(queens.record.id_queen_bee, 3);

    queens.record = {};
    queens.record.id_queen_bee = 2;
    queens.record.name = u"Daughter A";
    queens.record.fert = u"it's fine";
    queens.record.is_dead = true;
    queens.record.breed = 5;
    queens.Update(db.get());
    queens.record.id_queen_bee = 2;
    const auto updated = SelectFrom(queens);
    ASSERT_EQ(updated.size(), 1u);
    EXPECT_TRUE(updated[0]->is_dead);
    EXPECT_EQ(updated[0]->fert, u"it's fine");
    EXPECT_EQ(updated[0]->breed, 5);
    EXPECT_EQ(updated[0]->id_parent_queen_bee, 1);
    EXPECT_EQ(updated[0]->id_family, 4);

    queens.record.id_queen_bee = 1;
    queens.Delete(db.get());
    EXPECT_EQ(queens.record.id_queen_bee, 0);
    EXPECT_EQ(Exec(u"SELECT id_queen_bee, id_parent_queen_bee FROM queen_bee ORDER BY id_queen_bee"),
        (RowList { { { u"id_queen_bee", u"2" }, { u"id_parent_queen_bee", u"0" } },
            { { u"id_queen_bee", u"3" }, { u"id_parent_queen_bee", u"0" } } }));

    queens.record.id_family = 4;
    EXPECT_EQ(SelectFrom(queens).size(), 2u);
    queens.record.name = u"Daughter B";
    queens.Delete(db.get());
    EXPECT_EQ(Column(u"SELECT name FROM queen_bee"), (std::vector<std::u16string> { u"Daughter A" }));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(JournalTableTest, UpdateKeepsTheStoredTimeOfDayUnlessTheDayChanges)
{
    Exec(u"INSERT INTO journal(id_family, date, frame, strength, is_queen_bee) VALUES(5, '24.02.2026 12:00:00', 1, 2, 0)");
    CJournalTable journal;
    journal.record.id_journal = 1;
    const auto stored = SelectFrom(journal);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0]->date, LocalMidnight(2026, 2, 24));

    journal.record = *stored[0];
    journal.record.strength = 7;
    journal.Update(db.get());
    EXPECT_EQ(Column(u"SELECT date || ' ' || strength FROM journal"),
        (std::vector<std::u16string> { u"24.02.2026 12:00:00 7" }));

    journal.record = *stored[0];
    journal.record.date = LocalMidnight(2026, 2, 25);
    journal.Update(db.get());
    EXPECT_EQ(Column(u"SELECT date FROM journal"), (std::vector<std::u16string> { u"25.02.2026 00:00:00" }));
    EXPECT_TRUE(boxes.Calls().empty());
}
