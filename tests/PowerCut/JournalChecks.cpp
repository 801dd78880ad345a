#include "JournalChecks.h"

#include <sqlite3.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

std::vector<AckLine> ReadAckLog(const char* path)
{
    std::vector<AckLine> lines;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        // A line cut by the kill has no end; it is the last and counts as an intent at most.
        if (line.size() > 2)
            lines.push_back(AckLine { line[0] == '!', line.substr(2) });
    }
    return lines;
}

long CountAcknowledged(const std::vector<AckLine>& lines)
{
    long count = 0;
    for (const AckLine& line : lines)
        count += line.acknowledged ? 1 : 0;
    return count;
}

namespace {
struct Record
{
    int family = 0;
    std::set<int> hiveCounts; // more than one while a change of it was cut off
};

// What the acknowledged changes leave, with what the cut-off ones may have changed.
struct Model
{
    std::set<int> points, deletedPoints;
    std::map<int, int> families; // id -> site
    std::set<int> deletedFamilies;
    std::map<int, Record> records;
    std::set<int> deletedRecords;
    std::set<int> queens, deletedQueens;
    std::set<std::string> uncertain; // "P 3", "F 7", "R 12", "Q 2": may be gone

    void Uncertain(char kind, int id) { uncertain.insert(std::string(1, kind) + " " + std::to_string(id)); }
    void Certain(char kind, int id) { uncertain.erase(std::string(1, kind) + " " + std::to_string(id)); }
    bool IsUncertain(char kind, int id) const { return uncertain.count(std::string(1, kind) + " " + std::to_string(id)) > 0; }

    void DropFamily(int id, bool acknowledged)
    {
        for (auto& [idRecord, record] : records) {
            if (record.family == id && !acknowledged)
                Uncertain('R', idRecord);
        }
        if (!acknowledged) {
            Uncertain('F', id);
            return;
        }
        for (auto it = records.begin(); it != records.end();) {
            if (it->second.family == id) {
                deletedRecords.insert(it->first);
                it = records.erase(it);
            } else {
                ++it;
            }
        }
        families.erase(id);
        deletedFamilies.insert(id);
    }

    void Apply(const std::string& change, bool acknowledged)
    {
        std::istringstream in(change);
        std::string op;
        int id = 0, a = 0, b = 0;
        in >> op >> id >> a >> b;
        if (op == "P+" && acknowledged) {
            points.insert(id);
        } else if (op == "P~" && acknowledged) {
            Certain('P', id);
        } else if (op == "P-") {
            std::vector<int> own;
            for (const auto& [idFamily, idPoint] : families) {
                if (idPoint == id)
                    own.push_back(idFamily);
            }
            for (int idFamily : own)
                DropFamily(idFamily, acknowledged);
            if (!acknowledged) {
                Uncertain('P', id);
            } else {
                points.erase(id);
                deletedPoints.insert(id);
            }
        } else if (op == "F+" && acknowledged) {
            families[id] = a;
            Certain('P', a);
        } else if (op == "F-") {
            DropFamily(id, acknowledged);
        } else if (op == "R+" && acknowledged) {
            records[id] = Record { a, { b } };
            Certain('F', a);
            if (const auto family = families.find(a); family != families.end())
                Certain('P', family->second);
        } else if (op == "R~" && records.count(id)) {
            if (acknowledged)
                records[id].hiveCounts = { a };
            else
                records[id].hiveCounts.insert(a);
            if (acknowledged)
                Certain('R', id);
        } else if (op == "R-") {
            if (!acknowledged) {
                Uncertain('R', id);
            } else {
                records.erase(id);
                deletedRecords.insert(id);
            }
        } else if (op == "Q+" && acknowledged) {
            queens.insert(id);
        } else if (op == "Q-") {
            if (!acknowledged) {
                Uncertain('Q', id);
            } else {
                queens.erase(id);
                deletedQueens.insert(id);
            }
        }
    }
};

class Journal
{
public:
    // Read-write, as the next start opens it: that rolls back what a cut left in the hot journal.
    explicit Journal(const char* path) { sqlite3_open(path, &m_handle); }
    ~Journal() { sqlite3_close(m_handle); }

    // The first column of the first row, as text; "" when there is none.
    std::string Value(const std::string& sql)
    {
        sqlite3_stmt* statement = nullptr;
        std::string value;
        if (sqlite3_prepare_v2(m_handle, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK
            && sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_text(statement, 0))
            value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        sqlite3_finalize(statement);
        return value;
    }
    // -1 when the count cannot be read.
    int Count(const std::string& sql)
    {
        const std::string value = Value(sql);
        return value.empty() ? -1 : std::stoi(value);
    }
    bool Has(const std::string& table, const std::string& key, int id)
    {
        return Count("SELECT COUNT(*) FROM " + table + " WHERE " + key + "=" + std::to_string(id)) > 0;
    }

private:
    sqlite3* m_handle = nullptr;
};
}

std::vector<std::string> CheckJournalAgainst(const std::vector<AckLine>& log, const char* journalPath)
{
    Model model;
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (log[i].acknowledged) {
            model.Apply(log[i].change, true);
        } else {
            const bool cutOff = i + 1 == log.size() || !log[i + 1].acknowledged;
            if (cutOff)
                model.Apply(log[i].change, false);
        }
    }

    Journal journal(journalPath);
    std::vector<std::string> problems;
    const auto expect = [&](bool holds, const std::string& problem) {
        if (!holds)
            problems.push_back(problem);
    };
    expect(journal.Value("PRAGMA integrity_check") == "ok", "integrity check: " + journal.Value("PRAGMA integrity_check"));
    for (int id : model.points)
        expect(model.IsUncertain('P', id) || journal.Has("points", "id_point", id), "lost site " + std::to_string(id));
    for (int id : model.deletedPoints)
        expect(!journal.Has("points", "id_point", id), "deleted site is back: " + std::to_string(id));
    for (const auto& [id, point] : model.families) {
        expect(model.IsUncertain('F', id) || journal.Has("families", "id_family", id), "lost colony " + std::to_string(id));
    }
    for (int id : model.deletedFamilies)
        expect(!journal.Has("families", "id_family", id), "deleted colony is back: " + std::to_string(id));
    for (const auto& [id, record] : model.records) {
        if (model.IsUncertain('R', id) && !journal.Has("journal", "id_journal", id))
            continue;
        expect(journal.Has("journal", "id_journal", id), "lost record " + std::to_string(id));
        const int hives = journal.Count("SELECT COUNT(*) FROM inspect WHERE id_journal=" + std::to_string(id));
        expect(record.hiveCounts.count(hives) > 0, "record " + std::to_string(id) + " has " + std::to_string(hives) + " hive lines");
    }
    for (int id : model.deletedRecords)
        expect(!journal.Has("journal", "id_journal", id), "deleted record is back: " + std::to_string(id));
    for (int id : model.queens)
        expect(model.IsUncertain('Q', id) || journal.Has("queen_bee", "id_queen_bee", id), "lost queen " + std::to_string(id));
    for (int id : model.deletedQueens)
        expect(!journal.Has("queen_bee", "id_queen_bee", id), "deleted queen is back: " + std::to_string(id));

    const std::pair<const char*, const char*> halves[] = {
        { "records of a deleted colony", "SELECT COUNT(*) FROM journal WHERE id_family NOT IN (SELECT id_family FROM families)" },
        { "colonies of a deleted site", "SELECT COUNT(*) FROM families WHERE id_point NOT IN (SELECT id_point FROM points)" },
        { "hive lines of a deleted record", "SELECT COUNT(*) FROM inspect WHERE id_journal NOT IN (SELECT id_journal FROM journal)" },
        { "records without hive lines", "SELECT COUNT(*) FROM journal WHERE id_journal NOT IN (SELECT id_journal FROM inspect)" },
        { "value groups without an owner",
            "SELECT COUNT(DISTINCT id_record) FROM field_values WHERE id_record NOT IN (SELECT id_record FROM points "
            "UNION SELECT id_record FROM families UNION SELECT id_record FROM journal)" },
    };
    for (const auto& [what, sql] : halves) {
        const std::string count = journal.Value(sql);
        expect(count == "0", std::string(what) + ": " + count);
    }
    return problems;
}
