#pragma once

#include <string>
#include <vector>

class IDatabase;

// The journal's schema beyond its eleven tables grows by numbered steps; the number of the last
// step a file has taken is its PRAGMA user_version (0 for a journal no step has touched).
namespace SchemaMigrations {
enum class State
{
    Current,
    // Steps are due; the file should be backed up before they run.
    Due,
    // A newer program took steps this one does not know; they are left alone.
    Newer,
};

// The step that gives a journal the tables of the colonies' care.
inline constexpr int kCareStep = 3;
// The step that gives a journal its tasks.
inline constexpr int kTasksStep = 5;

struct Step
{
    int version;
    std::vector<std::u16string> statements;
};

// Every step of this program, in order.
const std::vector<Step>& Steps();
int LatestVersion();
int FileVersion(IDatabase* database);
State StateOf(IDatabase* database);
// Takes the steps above the file's version, each in one transaction that also records its number,
// so a failure or a cut at any moment leaves the file at its last whole step. False when a step
// failed; the steps before it stay taken.
bool Migrate(IDatabase* database, const std::vector<Step>& steps = Steps());
}
