#include "FieldValuesTable.h"
#include "TableFixture.h"
#include "UserFieldsTable.h"

using UserFieldsTableTest = TableFixture;
using FieldValuesTableTest = TableFixture;

TEST_F(UserFieldsTableTest, SelectByNameIsCaseSensitiveAndBoundToItsOwnerKind)
{
    CUserFieldsTable fields;
    EXPECT_EQ(fields.record.type, 1);
    for (auto [itable, name] : { std::pair { 1, u"Colour" }, { 2, u"Colour" }, { 1, u"colour" }, { 1, u"Size" } }) {
        fields.record.itable = itable;
        fields.record.name = name;
        fields.record.type = itable + 1;
        fields.Insert(db.get());
        EXPECT_EQ(fields.record.type, 1);
    }

    fields.record.itable = 1;
    fields.record.name = u"Colour";
    const auto colour = SelectFrom(fields);
    ASSERT_EQ(colour.size(), 1u);
    EXPECT_EQ(colour[0]->itable, 1);
    EXPECT_EQ(colour[0]->type, 2);
    fields.record.itable = 1;
    EXPECT_EQ(SelectFrom(fields).size(), 3u);
    EXPECT_EQ(SelectFrom(fields).size(), 4u);

    fields.record.itable = 2;
    fields.record.name = u"Colour";
    fields.record.type = 7;
    fields.Update(db.get());
    fields.record.itable = 1;
    fields.record.name = u"colour";
    fields.Delete(db.get());
    EXPECT_EQ(Exec(u"SELECT itable, name, type FROM user_fields ORDER BY rowid"),
        (RowList { { { u"itable", u"1" }, { u"name", u"Colour" }, { u"type", u"2" } },
            { { u"itable", u"2" }, { u"name", u"Colour" }, { u"type", u"7" } },
            { { u"itable", u"1" }, { u"name", u"Size" }, { u"type", u"2" } } }));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(FieldValuesTableTest, GroupsByNumberAndKeepsTextExactly)
{
    CFieldValuesTable values;
    EXPECT_EQ(values.GetMaxIdRecord(db.get()), 0);
    for (auto [group, name, value] :
        { std::tuple { 1, u"Colour", u"it's dark" }, { 1, u"Size", u"12" }, { 2, u"Colour", u"light" } }) {
        values.record.id_record = group;
        values.record.name = name;
        values.record.value = value;
        values.Insert(db.get());
        EXPECT_EQ(values.record.id_record, -1);
    }
    EXPECT_EQ(values.GetMaxIdRecord(db.get()), 2);

    EXPECT_EQ(SelectFrom(values).size(), 3u);
    values.record.id_record = 1;
    const auto group = SelectFrom(values);
    ASSERT_EQ(group.size(), 2u);
    EXPECT_EQ(group[0]->value, u"it's dark");
    EXPECT_EQ(group[0]->type, 1);

    // An update of a value that does not exist changes nothing and is no error.
    values.record.id_record = 3;
    values.record.name = u"Colour";
    values.record.value = u"x";
    values.Update(db.get());
    values.record.id_record = 1;
    values.record.name = u"Size";
    values.record.value = u"13";
    values.Update(db.get());
    values.record.id_record = 1;
    values.record.name = u"Size";
    const auto size = SelectFrom(values);
    ASSERT_EQ(size.size(), 1u);
    EXPECT_EQ(size[0]->value, u"13");

    values.record.id_record = 1;
    values.Delete(db.get());
    EXPECT_EQ(Column(u"SELECT value FROM field_values"), (std::vector<std::u16string> { u"light" }));
    EXPECT_TRUE(boxes.Calls().empty());
}
