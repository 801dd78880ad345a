#include "AddInspectOperation.h"
#include "ChangeInspectOperation.h"
#include "FieldValuesOperation.h"
#include "GetInspectOperation.h"
#include "OperationFixture.h"
#include "RenameOperation.h"

using InspectOperationsTest = OperationFixture;

namespace {
const std::int64_t kDate = 1275350400; // 1 June 2010

std::int32_t AddRecord(IDatabase* db, std::int32_t family, const InspectHousings& hives, const FieldValues& values = {})
{
    CAddInspectOperation add;
    add.record.id_family = family;
    add.record.date = kDate;
    add.record.frame = 8;
    add.record.strength = 5;
    add.record.note = u"calm";
    add.record.values = values;
    add.record.hives = hives;
    add.Add(db);
    return add.record.id_journal;
}

std::vector<std::u16string> Describe(IResult* result)
{
    std::vector<std::u16string> rows;
    for (const auto* row : RecordsOf<CGetInspectOperation::content>(result))
        rows.push_back(std::u16string(1, char16_t(u'0' + row->id_journal)) + u":"
            + std::u16string(1, char16_t(u'0' + row->id_housing)) + u":" + row->name + u":"
            + std::u16string(1, char16_t(u'0' + row->honey)));
    return rows;
}
}

TEST_F(InspectOperationsTest, AddWritesOneRecordAndItsHiveRowsInOrder)
{
    AddRecord(db.get(), 3, { { 1, u"H1", 1, 2, 3, 4, 5 } });
    const std::int32_t journal = AddRecord(db.get(), 3,
        { { 2, u"H2", 1, 2, 3, 4, 5 }, { 0, u"Loose", 0, 6, 0, 0, 0 }, { 1, u"H1", 0, 7, 0, 0, 0 } },
        { { u"Weather", u"rain" } });
    EXPECT_EQ(journal, 2);
    EXPECT_EQ(Count(u"journal"), 2);
    EXPECT_EQ(Column(u"SELECT id_family || ':' || frame || ':' || note || ':' || id_record FROM journal WHERE id_journal=2"),
        (std::vector<std::u16string> { u"3:8:calm:1" }));
    EXPECT_EQ(Column(u"SELECT id_housing || ':' || name_housing || ':' || brood || ':' || honey || ':' || goods_honey "
                     u"FROM inspect WHERE id_journal=2 ORDER BY rowid"),
        (std::vector<std::u16string> { u"2:H2:1:2:5", u"0:Loose:0:6:0", u"1:H1:0:7:0" }));
}

TEST_F(InspectOperationsTest, ChangeReplacesHiveRowsAndGroupsBothValues)
{
    const std::int32_t first = AddRecord(db.get(), 3, { { 1, u"H1" }, { 2, u"H2" }, { 3, u"H3" } });
    const std::int32_t second = AddRecord(db.get(), 4, { { 1, u"H1" } });
    Exec(u"INSERT INTO field_values VALUES(4, 'Other', 'x', 1)");

    CChangeInspectOperation change;
    change.record.id_journal = first;
    change.record.date = kDate + 86400;
    change.record.frame = 9;
    change.record.values = { { u"Mood", u"calm" }, { u"Weather", u"sun" } };
    change.record.hives = { { 3, u"H3", 0, 9, 0, 0, 0 } };
    change.Update(db.get());
    EXPECT_EQ(change.record.id_record, 5);
    EXPECT_EQ(Column(u"SELECT id_family || ':' || frame || ':' || id_record FROM journal WHERE id_journal=1"),
        (std::vector<std::u16string> { u"3:9:5" }));
    EXPECT_EQ(Column(u"SELECT name || '=' || value FROM field_values WHERE id_record=5 ORDER BY name"),
        (std::vector<std::u16string> { u"Mood=calm", u"Weather=sun" }));
    EXPECT_EQ(Column(u"SELECT id_housing || ':' || honey FROM inspect WHERE id_journal=1"),
        (std::vector<std::u16string> { u"3:9" }));
    EXPECT_EQ(Count(u"inspect WHERE id_journal=2"), 1);

    // Key 0 would delete the hive rows of every record.
    change.record = {};
    change.record.hives = { { 5, u"H5" } };
    change.Update(db.get());
    EXPECT_EQ(Count(u"inspect"), 2);
    EXPECT_EQ(Count(u"field_values"), 3);
    EXPECT_EQ(second, 2);
}

TEST_F(InspectOperationsTest, GetShowsCurrentHiveNamesAndStoredNamesForKeyZero)
{
    Exec(u"INSERT INTO housings(name, id_family, is_delete) VALUES('H1', 3, 0), ('H2', 3, 0)");
    AddRecord(db.get(), 3, { { 1, u"H1", 0, 1 }, { 0, u"Loose", 0, 2 }, { 2, u"H2", 0, 3 } });
    AddRecord(db.get(), 3, { { 9, u"Gone", 0, 4 } });

    CRenameOperation rename;
    rename.record.kind = RenameKind::Hive;
    rename.record.id = 1;
    rename.record.name = u"North";
    rename.Update(db.get());
    // A hive marked deleted still joins with its current name.
    Exec(u"UPDATE housings SET is_delete=1, name='South' WHERE id_housing=2");

    CGetInspectOperation get;
    get.record.id_journal = 1;
    const ReleasePtr<IResult> one(get.Get(db.get()));
    EXPECT_EQ(get.record.id_journal, 0);
    EXPECT_EQ(Describe(one.get()), (std::vector<std::u16string> { u"1:1:North:1", u"1:0:Loose:2", u"1:2:South:3" }));
    EXPECT_EQ(Column(u"SELECT name_housing FROM inspect WHERE id_journal=1 ORDER BY rowid"),
        (std::vector<std::u16string> { u"H1", u"Loose", u"H2" }));

    // Every record when the key is 0; a row whose hive is missing falls back to its stored name.
    const ReleasePtr<IResult> all(get.Get(db.get()));
    ASSERT_EQ(all->GetCount(), 4u);
    EXPECT_EQ(Describe(all.get()).back(), u"2:0:Gone:4");
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(InspectOperationsTest, FieldValuesAddNeedsAnOwnerKindAndUpdateKeepsEmptyGroups)
{
    CFieldValuesOperation values;
    values.record.id_record = 7;
    values.record.values = { { u"Mood", u"calm" } };
    values.Add(db.get());
    EXPECT_EQ(values.record.id_record, 7);
    EXPECT_EQ(Count(u"field_values"), 0);

    values.record.values.clear();
    values.record.itable = OwnerKind::Record;
    values.Update(db.get());
    EXPECT_EQ(values.record.id_record, 7);
    values.record.id_record = 0;
    values.Update(db.get());
    EXPECT_EQ(values.record.id_record, 0);
    EXPECT_EQ(Count(u"field_values"), 0);

    // An operation that has no query of its own still hands back a result to release.
    const ReleasePtr<IResult> none(values.Get(db.get()));
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->GetCount(), 0u);
}
