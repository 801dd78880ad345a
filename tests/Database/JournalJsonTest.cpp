#include "JournalJson.h"
#include "JsonValue.h"
#include "TableFixture.h"

namespace {
class JournalJsonTest : public TableFixture
{
protected:
    // Every row of the tables with each value's stored type, read by SQLite itself.
    std::vector<std::u16string> TypedDump()
    {
        std::vector<std::u16string> dump;
        for (const char16_t* table : { u"points", u"families", u"journal", u"inspect", u"queen_bee", u"field_values",
                 u"user_fields", u"type_housing" }) {
            RowList columns = Exec(u"PRAGMA table_info(" + std::u16string(table) + u");");
            std::u16string select;
            for (const RowData& column : columns) {
                for (const auto& [key, value] : column) {
                    if (key == u"name")
                        select += (select.empty() ? u"" : u" || '|' || ") + (u"typeof(" + value + u") || ':' || quote(" + value + u")");
                }
            }
            for (const std::u16string& row : Column(u"SELECT " + select + u" FROM " + table + u" ORDER BY rowid;"))
                dump.push_back(std::u16string(table) + u" " + row);
        }
        return dump;
    }

    void Fill()
    {
        Exec(u"INSERT INTO points(name, note) VALUES('Лука «нижня», під''їзд', NULL), ('Sad', '');");
        Exec(u"INSERT INTO families(name, id_point, note) VALUES('🐝 1', 1, 'two\r\nlines\t\"quoted\" \\ back');");
        Exec(u"INSERT INTO journal(id_journal, id_family, date, frame, strength, is_queen_bee, note) "
             u"VALUES(7, 1, '09.03.2024 00:00:00', 8, 5, 1, char(1) || 'ctl'), (9, 1, '10.03.2024 00:00:00', 6, 4, 0, NULL);");
        Exec(u"INSERT INTO inspect(id_journal, id_housing, name_housing, honey) VALUES(7, 1, 'A', 3), (9, 2, 'B', NULL);");
        Exec(u"INSERT INTO queen_bee(name, id_family, date) VALUES('Bella', 1, '01.05.2023 00:00:00');");
        Exec(u"INSERT INTO user_fields(itable, name, type) VALUES(1, 'Вес', 2);");
        Exec(u"INSERT INTO field_values(id_record, name, value, type) VALUES(1, 'Вес', '32,5', 2), (2, 'Вес', '', 2);");
        // A real where the program keeps integers, as another program may have left it.
        Exec(u"UPDATE points SET id_record = 2.5 WHERE name = 'Sad';");
    }
};
}

TEST_F(JournalJsonTest, AJournalMovedThroughItsDocumentIsTheSameJournalRowForRow)
{
    Fill();
    const std::vector<std::u16string> before = TypedDump();
    const std::string json = JournalToJson(db.get());
    ASSERT_FALSE(json.empty());
    ASSERT_TRUE(CJsonValue::Parse(json).has_value());

    // An emptied journal with a new journal's starter dictionary takes the document's rows in their place.
    for (const char16_t* table : { u"inspect", u"journal", u"field_values", u"user_fields", u"queen_bee", u"families",
             u"points", u"type_housing" })
        Exec(u"DELETE FROM " + std::u16string(table) + u";");
    Exec(u"INSERT INTO type_housing(name) VALUES('Starter');");
    EXPECT_EQ(ImportJournalJson(db.get(), json), JsonImportRefusal::None);
    EXPECT_FALSE(db->HasError());

    EXPECT_EQ(TypedDump(), before);
    EXPECT_EQ(JournalToJson(db.get()), json);
    // Keys, NULL beside the empty text, and reals survive.
    EXPECT_EQ(Column(u"SELECT id_journal FROM journal ORDER BY rowid;"), (std::vector<std::u16string> { u"7", u"9" }));
    EXPECT_EQ(Column(u"SELECT typeof(note) FROM points ORDER BY rowid;"), (std::vector<std::u16string> { u"null", u"text" }));
    EXPECT_EQ(Column(u"SELECT typeof(id_record) || quote(id_record) FROM points ORDER BY rowid;"),
        (std::vector<std::u16string> { u"nullNULL", u"real2.5" }));
}

TEST_F(JournalJsonTest, ADocumentThatIsRefusedWritesNothing)
{
    Exec(u"INSERT INTO type_housing(name) VALUES('Starter');");
    const std::string json = JournalToJson(db.get());
    const std::vector<std::u16string> empty = TypedDump();

    EXPECT_EQ(ImportJournalJson(db.get(), "not json"), JsonImportRefusal::NotJournal);
    EXPECT_EQ(ImportJournalJson(db.get(), json.substr(0, json.size() / 2)), JsonImportRefusal::NotJournal);
    EXPECT_EQ(ImportJournalJson(db.get(), R"({"format": "other", "version": 1, "tables": {}})"), JsonImportRefusal::NotJournal);
    EXPECT_EQ(ImportJournalJson(db.get(), R"({"format": "tolvik-journal", "version": 2, "tables": {}})"),
        JsonImportRefusal::NewerFormat);
    EXPECT_EQ(TypedDump(), empty);

    // Sites already entered would be mixed with the document's.
    Exec(u"INSERT INTO points(name) VALUES('Meadow');");
    const std::vector<std::u16string> entered = TypedDump();
    EXPECT_EQ(ImportJournalJson(db.get(), json), JsonImportRefusal::JournalNotEmpty);
    EXPECT_EQ(TypedDump(), entered);
}

TEST_F(JournalJsonTest, TablesAndColumnsTheJournalLacksAreLeftOutAndTextsStayTexts)
{
    const std::string json = R"({"format": "tolvik-journal", "version": 1, "tables": {
        "points": {"columns": ["id_point", "name", "no_such_column"], "rows": [[4, "x'); DROP TABLE points; --", 1]]},
        "no_such_table\"; DROP TABLE families; --": {"columns": ["a"], "rows": [[1]]}}})";
    EXPECT_EQ(ImportJournalJson(db.get(), json), JsonImportRefusal::None);
    EXPECT_EQ(Column(u"SELECT id_point || ' ' || name FROM points;"),
        (std::vector<std::u16string> { u"4 x'); DROP TABLE points; --" }));
    EXPECT_TRUE(db->HasTable(u"families"));
}

TEST(JsonValue, ReadsEscapesAndSurrogatePairsAndRefusesWhatIsNotOneValue)
{
    const auto value = CJsonValue::Parse(R"( {"a": [1, -2.5e1, true, null, "\u0416\ud83d\udc1d\n\"\\\/"], "b": {}} )");
    ASSERT_TRUE(value.has_value());
    const auto& items = *value->Member(u"a")->Items();
    EXPECT_EQ(*items[0].Integer(), 1);
    EXPECT_EQ(*items[1].Real(), -25.0);
    EXPECT_TRUE(*items[2].Boolean());
    EXPECT_TRUE(items[3].IsNull());
    EXPECT_EQ(*items[4].Text(), u"Ж🐝\n\"\\/");
    EXPECT_EQ(*CJsonValue::Parse(JsonString(u"Ж🐝\n\"\\\x01"))->Text(), u"Ж🐝\n\"\\\x01");

    for (const char* broken : { "", "{", "[1,]", "{\"a\" 1}", "\"open", "1 2", "tru", "\"\\x\"", "\"a\nb\"", "01x" })
        EXPECT_FALSE(CJsonValue::Parse(broken).has_value()) << broken;
    // Nesting deeper than any journal's document is refused rather than exhausting the stack.
    EXPECT_FALSE(CJsonValue::Parse(std::string(100000, '[') + std::string(100000, ']')).has_value());
}
