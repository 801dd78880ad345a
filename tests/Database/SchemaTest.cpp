#include "FamiliesTable.h"
#include "StorageErrorBoxes.h"
#include "TableFixture.h"

#include <filesystem>

namespace {
const std::vector<std::u16string> kExpectedSchema = {
    u"CREATE TABLE field_values(id_record INTEGER NOT NULL,name TEXT NOT NULL,value TEXT NOT NULL,"
    u"type INTEGER NOT NULL)",
    u"CREATE TABLE points(id_point INTEGER NOT NULL,name TEXT NOT NULL,note TEXT NULL,id_record INTEGER NULL,"
    u"PRIMARY KEY(id_point ASC AUTOINCREMENT),CONSTRAINT fkPoints\tFOREIGN KEY(id_record)\tREFERENCES "
    u"field_values(id_record)\tON DELETE SET NULL\tON UPDATE SET NULL)",
    u"CREATE TABLE queen_bee(id_queen_bee INTEGER NOT NULL,name TEXT NOT NULL,description TEXT NULL,"
    u"id_family INTEGER NULL,id_parent_queen_bee INTEGER NULL,date DATE NOT NULL,breed INTEGER NULL,"
    u"fert TEXT NULL,is_dead BOOL,PRIMARY KEY(id_queen_bee ASC AUTOINCREMENT),CONSTRAINT ftFamily\t"
    u"FOREIGN KEY(id_family)\tREFERENCES family(id_family)\tON DELETE SET NULL,CONSTRAINT ftQueenBee\t"
    u"FOREIGN KEY(id_parent_queen_bee)\tREFERENCES queen_bee(id_queen_bee))",
    u"CREATE TABLE families(id_family INTEGER NOT NULL,name TEXT NOT NULL,id_point INTEGER NOT NULL,"
    u"type INTEGER NULL,note TEXT NULL,id_record INTEGER NULL,PRIMARY KEY(id_family ASC AUTOINCREMENT),"
    u"CONSTRAINT fkFamiliesPoint\tFOREIGN KEY(id_point)\tREFERENCES points(id_point),CONSTRAINT "
    u"fkFamiliesRecord\tFOREIGN KEY(id_record)\tREFERENCES field_values(id_record)\tON DELETE SET NULL)",
    u"CREATE TABLE evacuation(date DATE NOT NULL,id_family INTEGER NOT NULL,honey INTEGER NOT NULL,"
    u"plant TEXT NULL,CONSTRAINT ftEvacuation\tFOREIGN KEY(id_family)\tREFERENCES families(id_family))",
    u"CREATE TABLE housings(id_housing INTEGER NOT NULL,name TEXT NOT NULL,id_family INTEGER NULL,"
    u"type_housing INTEGER NULL,type_frame INTEGER NULL,is_delete BOOL NULL,PRIMARY KEY(id_housing ASC "
    u"AUTOINCREMENT),CONSTRAINT fkTypeHousing\tFOREIGN KEY(type_housing)\tREFERENCES type_housing(id_type)\t"
    u"ON DELETE SET NULL,CONSTRAINT fkTypeFrame\tFOREIGN KEY(type_frame)\tREFERENCES type_frame(id_type)\t"
    u"ON DELETE SET NULL,CONSTRAINT fkHousings\tFOREIGN KEY(id_family)\tREFERENCES families(id_family)\t"
    u"ON DELETE SET NULL)",
    u"CREATE TABLE inspect(id_journal INTEGER NOT NULL,id_housing INTEGER,name_housing TEXT,honey INTEGER "
    u"NULL,brood INTEGER NULL,open_brood INTEGER NULL,close_brood INTEGER NULL,goods_honey INTEGER NULL,"
    u"CONSTRAINT fkJournalJournal\tFOREIGN KEY(id_journal)\tREFERENCES journal(id_journal))",
    u"CREATE TABLE journal(id_journal INTEGER NOT NULL,id_family INTEGER NOT NULL,date DATE NOT NULL,"
    u"frame INTEGER NOT NULL,strength INTEGER NOT NULL,is_queen_bee INTEGER NOT NULL,wax INTEGER NULL,"
    u"ambrosia INTEGER NULL,evacuation INTEGER NULL,dieting INTEGER NULL,disease INTEGER NULL,note TEXT NULL,"
    u"id_record INTEGER NULL,CONSTRAINT fkJournalFamily\tFOREIGN KEY(id_family)\tREFERENCES "
    u"families(id_family),CONSTRAINT fkJournalRecord\tFOREIGN KEY(id_record)\tREFERENCES "
    u"field_values(id_record)\tON DELETE SET NULL\tON UPDATE SET NULL,PRIMARY KEY(id_journal ASC "
    u"AUTOINCREMENT))",
    u"CREATE TABLE user_fields(itable INTEGER NOT NULL,name TEXT NOT NULL,type INTEGER NOT NULL)",
    u"CREATE TABLE type_housing(id_type INTEGER NULL,name TEXT NOT NULL,PRIMARY KEY(id_type ASC "
    u"AUTOINCREMENT))",
    u"CREATE TABLE type_frame(id_type INTEGER NULL,name TEXT NOT NULL,PRIMARY KEY(id_type ASC AUTOINCREMENT))",
};

const std::u16string kTablesInOrder = u"SELECT sql FROM sqlite_master WHERE type='table' AND name NOT LIKE "
                                      u"'sqlite_%' ORDER BY rowid";
}

using SchemaTest = TableFixture;

TEST_F(SchemaTest, BareStartCreatesTheElevenTablesInOrderAndASecondStartChangesNothing)
{
    EXPECT_EQ(Column(kTablesInOrder), kExpectedSchema);
    EXPECT_TRUE(boxes.Calls().empty());

    const RowList before = Exec(u"SELECT * FROM sqlite_master");
    GetDatabaseManager()->Initialize();
    EXPECT_EQ(Exec(u"SELECT * FROM sqlite_master"), before);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST(SchemaStartTest, ExistingTableMissingAColumnKeepsMissingIt)
{
    TempWorkDir dir;
    MessageBoxResponder boxes;
    StorageErrorBoxes storageErrors;
    {
        CDatabaseLease db;
        RowList rows;
        db->ExecRequest(rows, u"CREATE TABLE families(id_family INTEGER PRIMARY KEY, name TEXT, id_point INTEGER)");
    }
    GetDatabaseManager()->Initialize();
    CDatabaseLease db;
    RowList rows;
    db->ExecRequest(rows, u"SELECT sql FROM sqlite_master WHERE name='families'");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].second, u"CREATE TABLE families(id_family INTEGER PRIMARY KEY, name TEXT, id_point INTEGER)");
    EXPECT_TRUE(db->HasTable(u"type_frame"));
    EXPECT_TRUE(boxes.Calls().empty());

    CFamiliesTable families;
    families.record.name = u"North";
    families.Insert(db.get());
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text,
        u"Error: table families has no column named type\nFile: .\\Database\\Database\n"
        u"Function: CDatabase::ExecRequest\nLine:45");
}
