// Writes a journal of a given size with the program's own schema and data that looks like a real
// beekeeper's: for measuring start-up, memory and the handlers on journals of commercial size.
//
//   tolvik_journal_generator [--scale N] [--sites N] [--colonies N] [--records N] [--hive-rows N]
//                            [--hives N] [--queens N] [--seed N] [FILE]
//
// FILE defaults to Journal.db and is replaced. The counts default to a commercial journal; --scale
// multiplies every count. The colonies' last five seasons follow as events (ColonyLives.h), which
// add the daughter colonies of splits and caught swarms to the colonies counted.

#include "Calendar.h"
#include "ColonyLives.h"
#include "Database.h"
#include "SchemaMigrations.h"
#include "SchemaTables.h"
#include "Text.h"

#include <sqlite3.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

struct Sizes
{
    std::int64_t sites = 50;
    std::int64_t colonies = 2000;
    std::int64_t records = 300000;
    std::int64_t hiveRows = 600000;
    std::int64_t hives = 4000;
    std::int64_t queens = 5000;
};

constexpr std::array kSiteNames { u"Пасека у реки", u"O'Brien's meadow", u"Липовая роща", u"Kettle Hill",
    u"Гречишное поле", u"Old orchard", u"Кочевая точка", u"Heather moor" };
constexpr std::array kColonyNames { u"Семья", u"Colony", u"Рой", u"Swarm" };
constexpr std::array kNotes { u"", u"Спокойные, мёд носят хорошо", u"Queen's wings clipped", u"Don't open in rain",
    u"Рамки 'Дадан', ставить магазин", u"Варроа: обработка щавелевой кислотой", u"Swarm cells — removed 3",
    u"Ульи 'в линию', летки на юг", u"Brood pattern's patchy; watch" };
constexpr std::array kHiveTypes { u"Дадан", u"Лежак", u"Langstroth", u"Рута" };
constexpr std::array kFrameTypes { u"435×300", u"435×230", u"Hoffman", u"Гофман 470" };
constexpr std::array kBreeds { u"Карника", u"Buckfast", u"Карпатка", u"Среднерусская" };
constexpr std::array kPlants { u"Липа", u"Acacia", u"Гречиха", u"Heather", u"Разнотравье" };

// The user's own fields: (owner kind, name, type).
struct UserField
{
    std::int32_t itable;
    const char16_t* name;
    std::int32_t type;
};
constexpr std::array kUserFields { UserField { 1, u"Владелец земли", 1 }, UserField { 2, u"Происхождение", 1 },
    UserField { 2, u"Год матки", 2 }, UserField { 3, u"Погода", 1 }, UserField { 3, u"Взяток, кг", 2 } };
constexpr std::array kWeather { u"Ясно", u"Облачно", u"Drizzle", u"Жара +30", u"Windy, 'gusty'" };

// Every tenth journal record carries values of the user's own fields.
constexpr std::int64_t kRecordsPerValueGroup = 10;
constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;
// Ten years of visits, from 1 April 2016 on.
constexpr std::int64_t kFirstDay = 1459468800;
constexpr std::int64_t kDays = 3653;

void Fail(sqlite3* db, const char* what)
{
    std::fprintf(stderr, "%s: %s\n", what, db ? sqlite3_errmsg(db) : "");
    std::exit(1);
}

// One prepared insert, reused for every row of its table.
class Insert
{
public:
    Insert(sqlite3* db, const char* text)
        : m_db(db)
    {
        if (sqlite3_prepare_v2(db, text, -1, &m_statement, nullptr) != SQLITE_OK)
            Fail(db, text);
    }
    ~Insert() { sqlite3_finalize(m_statement); }
    Insert(const Insert&) = delete;
    Insert& operator=(const Insert&) = delete;

    Insert& Int(int column, std::int64_t value)
    {
        sqlite3_bind_int64(m_statement, column, value);
        return *this;
    }
    Insert& Text(int column, const std::u16string& value)
    {
        sqlite3_bind_text16(m_statement, column, value.data(), static_cast<int>(value.size() * 2), SQLITE_TRANSIENT);
        return *this;
    }
    // An empty text is stored as NULL, as the program stores a missing note.
    Insert& TextOrNull(int column, const std::u16string& value)
    {
        return value.empty() ? Null(column) : Text(column, value);
    }
    Insert& Null(int column)
    {
        sqlite3_bind_null(m_statement, column);
        return *this;
    }
    void Run()
    {
        if (sqlite3_step(m_statement) != SQLITE_DONE)
            Fail(m_db, "insert");
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
};

class Generator
{
public:
    Generator(sqlite3* db, const Sizes& sizes, unsigned seed)
        : m_db(db)
        , m_sizes(sizes)
        , m_random(seed)
    {
    }

    void Run()
    {
        Types();
        UserFields();
        Sites();
        Colonies();
        Hives();
        Queens();
        Records();
        Extractions();
    }

private:
    std::int64_t Between(std::int64_t low, std::int64_t high)
    {
        return std::uniform_int_distribution<std::int64_t>(low, high)(m_random);
    }
    template <class List>
    std::u16string Pick(const List& list)
    {
        return list[static_cast<std::size_t>(Between(0, static_cast<std::int64_t>(list.size()) - 1))];
    }
    std::u16string Date(std::int64_t day) { return FormatStoredDate(kFirstDay + day * kSecondsPerDay + 12 * 3600); }

    // A new value group with a value for each of the owner kind's fields; returns its number.
    std::int64_t Values(std::int32_t itable, const std::u16string& text)
    {
        const std::int64_t group = ++m_lastGroup;
        for (const UserField& field : kUserFields) {
            if (field.itable != itable)
                continue;
            const std::u16string value = field.type == 2 ? IntToText(Between(1, 60)) : text;
            m_values->Int(1, group).Text(2, field.name).Text(3, value).Int(4, field.type).Run();
        }
        return group;
    }

    void Types()
    {
        Insert housing(m_db, "INSERT INTO type_housing(id_type, name) VALUES(?, ?)");
        for (std::size_t i = 0; i < kHiveTypes.size(); ++i)
            housing.Int(1, static_cast<std::int64_t>(i)).Text(2, kHiveTypes[i]).Run();
        Insert frame(m_db, "INSERT INTO type_frame(id_type, name) VALUES(?, ?)");
        for (std::size_t i = 0; i < kFrameTypes.size(); ++i)
            frame.Int(1, static_cast<std::int64_t>(i)).Text(2, kFrameTypes[i]).Run();
    }

    void UserFields()
    {
        Insert fields(m_db, "INSERT INTO user_fields(itable, name, type) VALUES(?, ?, ?)");
        for (const UserField& field : kUserFields)
            fields.Int(1, field.itable).Text(2, field.name).Int(3, field.type).Run();
        m_values = std::make_unique<Insert>(m_db, "INSERT INTO field_values(id_record, name, value, type) VALUES(?, ?, ?, ?)");
    }

    void Sites()
    {
        Insert sites(m_db, "INSERT INTO points(id_point, name, note, id_record) VALUES(?, ?, ?, ?)");
        for (std::int64_t id = 1; id <= m_sizes.sites; ++id) {
            const std::int64_t group = Values(1, Between(0, 1) ? u"Иван Петрович" : u"Mrs O'Neill");
            sites.Int(1, id).Text(2, Pick(kSiteNames) + u" " + IntToText(id)).TextOrNull(3, Pick(kNotes)).Int(4, group).Run();
        }
    }

    void Colonies()
    {
        Insert colonies(m_db, "INSERT INTO families(id_family, name, id_point, type, note, id_record) VALUES(?, ?, ?, ?, ?, ?)");
        for (std::int64_t id = 1; id <= m_sizes.colonies; ++id) {
            const std::int64_t group = Values(2, Pick(kBreeds));
            colonies.Int(1, id)
                .Text(2, Pick(kColonyNames) + u" №" + IntToText(id))
                .Int(3, 1 + (id - 1) % m_sizes.sites)
                .Int(4, Between(0, 2))
                .TextOrNull(5, Pick(kNotes))
                .Int(6, group)
                .Run();
        }
    }

    // Hives are dealt to the colonies in turn, so that every colony has several; one in a hundred
    // is deleted.
    void Hives()
    {
        Insert hives(m_db,
            "INSERT INTO housings(id_housing, name, id_family, type_housing, type_frame, is_delete) VALUES(?, ?, ?, ?, ?, ?)");
        for (std::int64_t id = 1; id <= m_sizes.hives; ++id) {
            const std::int64_t colony = 1 + (id - 1) % m_sizes.colonies;
            const bool deleted = id % 100 == 0;
            hives.Int(1, id)
                .Text(2, (id % 3 ? u"Улей " : u"Hive ") + IntToText(id))
                .Int(3, colony)
                .Int(4, Between(0, static_cast<std::int64_t>(kHiveTypes.size()) - 1))
                .Int(5, Between(0, static_cast<std::int64_t>(kFrameTypes.size()) - 1))
                .Int(6, deleted ? 1 : 0)
                .Run();
            if (!deleted)
                m_hivesOf[colony].push_back(id);
        }
    }

    // Each queen's mother is an earlier queen, mostly; the first queens and every tenth came bought.
    void Queens()
    {
        Insert queens(m_db,
            "INSERT INTO queen_bee(id_queen_bee, name, description, id_family, id_parent_queen_bee, date, breed, fert, "
            "is_dead) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (std::int64_t id = 1; id <= m_sizes.queens; ++id) {
            const bool bought = id <= 20 || id % 10 == 0;
            const bool dead = id <= m_sizes.queens - m_sizes.colonies;
            queens.Int(1, id)
                .Text(2, (id % 2 ? u"Матка " : u"Queen ") + IntToText(id))
                .TextOrNull(3, Pick(kNotes))
                .Int(4, dead && id % 4 == 0 ? 0 : 1 + (id - 1) % m_sizes.colonies);
            if (bought)
                queens.Int(5, 0);
            else
                queens.Int(5, Between(1, id - 1));
            queens.Text(6, Date(kDays * (id - 1) / m_sizes.queens))
                .Int(7, Between(0, static_cast<std::int64_t>(kBreeds.size()) - 1))
                .Text(8, id % 3 ? u"Плодная" : u"Mated 'open'")
                .Int(9, dead ? 1 : 0)
                .Run();
        }
    }

    // Visits go round the colonies in date order; each writes a line for its colony's hives until
    // the hive lines are spent evenly.
    void Records()
    {
        Insert records(m_db,
            "INSERT INTO journal(id_journal, id_family, date, frame, strength, is_queen_bee, wax, ambrosia, evacuation, "
            "dieting, disease, note, id_record) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        Insert lines(m_db,
            "INSERT INTO inspect(id_journal, id_housing, name_housing, honey, brood, open_brood, close_brood, "
            "goods_honey) VALUES(?, ?, ?, ?, ?, ?, ?, ?)");
        std::int64_t linesWritten = 0;
        for (std::int64_t id = 1; id <= m_sizes.records; ++id) {
            const std::int64_t colony = 1 + (id - 1) % m_sizes.colonies;
            const std::int64_t day = kDays * (id - 1) / m_sizes.records;
            records.Int(1, id).Int(2, colony).Text(3, Date(day));
            records.Int(4, Between(4, 20)).Int(5, Between(1, 12)).Int(6, Between(0, 1));
            for (int column = 7; column <= 11; ++column)
                records.Int(column, Between(0, 5));
            records.TextOrNull(12, Pick(kNotes));
            if (id % kRecordsPerValueGroup == 0)
                records.Int(13, Values(3, Pick(kWeather)));
            else
                records.Null(13);
            records.Run();

            const std::int64_t due = m_sizes.hiveRows * id / m_sizes.records;
            const std::vector<std::int64_t>& hives = m_hivesOf[colony];
            for (std::size_t k = 0; linesWritten < due; ++k, ++linesWritten) {
                const std::int64_t hive = hives.empty() ? 0 : hives[k % hives.size()];
                lines.Int(1, id).Int(2, hive).Text(3, (hive % 3 ? u"Улей " : u"Hive ") + IntToText(hive));
                for (int column = 4; column <= 8; ++column)
                    lines.Int(column, Between(0, 12));
                lines.Run();
            }
        }
    }

    void Extractions()
    {
        Insert extractions(m_db, "INSERT INTO evacuation(date, id_family, honey, plant) VALUES(?, ?, ?, ?)");
        for (std::int64_t colony = 1; colony <= m_sizes.colonies; ++colony) {
            for (std::int64_t year = 0; year < 10; ++year)
                extractions.Text(1, Date(year * 365 + Between(90, 150))).Int(2, colony).Int(3, Between(5, 40)).TextOrNull(4, Pick(kPlants)).Run();
        }
    }

    sqlite3* m_db;
    Sizes m_sizes;
    std::mt19937_64 m_random;
    std::unique_ptr<Insert> m_values;
    std::int64_t m_lastGroup = 0;
    std::map<std::int64_t, std::vector<std::int64_t>> m_hivesOf;
};

bool ReadCount(const std::string& text, std::int64_t& count)
{
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 1)
        return false;
    count = value;
    return true;
}

int Usage()
{
    std::fprintf(stderr,
        "usage: tolvik_journal_generator [--scale N] [--sites N] [--colonies N] [--records N] [--hive-rows N]\n"
        "                                [--hives N] [--queens N] [--seed N] [FILE]\n");
    return 2;
}

}

int main(int argc, char** argv)
{
    Sizes sizes;
    std::int64_t scale = 1;
    std::int64_t seed = 1;
    std::string file = "Journal.db";
    const std::map<std::string, std::int64_t*> flags { { "--scale", &scale }, { "--sites", &sizes.sites },
        { "--colonies", &sizes.colonies }, { "--records", &sizes.records }, { "--hive-rows", &sizes.hiveRows },
        { "--hives", &sizes.hives }, { "--queens", &sizes.queens }, { "--seed", &seed } };
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto flag = flags.find(argument);
        if (flag == flags.end()) {
            if (argument.starts_with("-"))
                return Usage();
            file = argument;
        } else if (i + 1 >= argc || !ReadCount(argv[++i], *flag->second)) {
            return Usage();
        }
    }
    for (std::int64_t* count : { &sizes.sites, &sizes.colonies, &sizes.records, &sizes.hiveRows, &sizes.hives, &sizes.queens })
        *count *= scale;

    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    {
        CDatabase schema(FromUtf8(file));
        schema.Open();
        if (!schema.IsOpen())
            return 1;
        for (const auto& table : CreateSchemaTables())
            table->CreateTable(&schema);
        if (schema.HasError())
            return 1;
    }

    sqlite3* db = nullptr;
    if (sqlite3_open(file.c_str(), &db) != SQLITE_OK)
        Fail(db, file.c_str());
    sqlite3_exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN", nullptr, nullptr, nullptr);
    Generator(db, sizes, static_cast<unsigned>(seed)).Run();
    if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        Fail(db, "commit");
    sqlite3_close(db);
    std::int64_t events = 0;
    {
        CDatabase journal(FromUtf8(file));
        journal.Open();
        if (!journal.IsOpen() || !SchemaMigrations::Migrate(&journal))
            return 1;
        events = WriteColonyLives(&journal, sizes.sites, sizes.colonies, static_cast<unsigned>(seed));
        if (journal.HasError())
            return 1;
    }
    std::printf("%s: %lld sites, %lld colonies and %lld colony events, %lld hives, %lld queens, %lld records, "
                "%lld hive lines, %lld bytes\n",
        file.c_str(), static_cast<long long>(sizes.sites), static_cast<long long>(sizes.colonies), static_cast<long long>(events),
        static_cast<long long>(sizes.hives), static_cast<long long>(sizes.queens), static_cast<long long>(sizes.records),
        static_cast<long long>(sizes.hiveRows), static_cast<long long>(std::filesystem::file_size(file)));
    return 0;
}
