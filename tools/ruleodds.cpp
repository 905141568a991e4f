// Prints, for each branch and assignment, the chance of surviving, being
// decorated, promoted and earning a skill roll with no modifiers, so that a
// reviewer sees at a glance how the numbers of the rule database play.
// Usage: ruleodds STATICDATA.rsd
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>

namespace {

// Chance that 2D is at least n.
double atLeast(int n)
{
    int ways = 0;
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            if (a + b >= n)
                ++ways;
    return ways / 36.0;
}

using Key = std::pair<std::string, std::string>;

std::map<Key, int> load(sqlite3* db, const char* table)
{
    std::map<Key, int> numbers;
    const std::string sql = std::string("select Branch, Assignment, Roll from ") + table;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "ruleodds: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
    while (sqlite3_step(stmt) == SQLITE_ROW)
        numbers.emplace(Key(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)),
                            reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1))),
                        sqlite3_column_int(stmt, 2));
    sqlite3_finalize(stmt);
    return numbers;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: ruleodds STATICDATA.rsd\n");
        return 2;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "ruleodds: cannot open %s\n", argv[1]);
        return 1;
    }
    const auto survival = load(db, "SurvivalRoll");
    const auto decoration = load(db, "DecorationRoll");
    const auto promotion = load(db, "PromotionRoll");
    const auto skill = load(db, "SkillsRoll");
    sqlite3_close(db);

    const char* branches[] = {"Line", "Flight", "Gunnery", "Engineering", "Medical", "Technical"};
    const char* assignments[] = {"Training", "Shore Duty", "Patrol", "Siege", "Strike", "Battle"};
    std::printf("%-12s %-11s %8s %8s %8s %9s %9s %9s %6s\n", "branch", "assignment", "unhurt", "injured", "killed",
                "decorated", "officer+", "enlisted+", "skill");
    for (const char* branch : branches) {
        for (const char* assignment : assignments) {
            const Key key(branch, assignment);
            const auto number = [&](const std::map<Key, int>& table) {
                const auto found = table.find(key);
                return found == table.end() ? 0 : found->second;
            };
            const int s = number(survival), d = number(decoration), p = number(promotion), k = number(skill);
            // Survival: the total must beat the number; equal injures.
            const double unhurt = atLeast(s + 1), injured = atLeast(s) - unhurt;
            const double officer = p > 0 ? atLeast(p) : 0.0;
            const double enlisted = p != 0 ? atLeast(p < 0 ? -p : p) : 0.0;
            std::printf("%-12s %-11s %7.0f%% %7.0f%% %7.0f%% %8.0f%% %8.0f%% %8.0f%% %5.0f%%\n", branch, assignment,
                        100 * unhurt, 100 * injured, 100 * (1 - unhurt - injured), d ? 100 * atLeast(d) : 0.0,
                        100 * officer, 100 * enlisted, k ? 100 * atLeast(k) : 0.0);
        }
    }
    return 0;
}
