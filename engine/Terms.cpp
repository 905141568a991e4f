// Terms, a year of age with its aging rolls, and promotion up the rank ladder.
#include "engine/Module1.h"

#include "rules/RuleDatabase.h"
#include "store/CharacterStore.h"

#include <climits>

namespace {

// Aging at the listed ages: for each of Str, Dex, End, Int the 2D target
// (0 = no roll) and the points lost when the roll reaches it.
struct AgingRow {
    int targets[4];
    int loss;
    int intLoss;
};

const AgingRow* agingAt(int age)
{
    static const AgingRow early{{8, 7, 8, 0}, 1, 0};
    static const AgingRow middle{{9, 8, 9, 0}, 1, 0};
    static const AgingRow late{{9, 9, 9, 9}, 2, 1};
    if (age >= 34 && age <= 46 && (age - 34) % 4 == 0)
        return &early;
    if (age >= 50 && age <= 62 && (age - 50) % 4 == 0)
        return &middle;
    if (age >= 66 && age <= 74 && (age - 66) % 4 == 0)
        return &late;
    return nullptr;
}

} // namespace

void Module1::SetTerm(int term, int assignment)
{
    store_.SaveInt(QStringLiteral("Term"), term);
    view_.setHeaderText(HeaderField::Term, QString::number(term));
    store_.SaveInt(QStringLiteral("Assignment"), assignment);
    AddToLog(QStringLiteral("Term %1 Assignment %2").arg(term).arg(assignment));
    view_.boldLastLogLine();
}

void Module1::IncAge()
{
    const auto age = store_.StepInt(QStringLiteral("Age"), +1, 0, INT_MAX);
    if (!age)
        return;
    view_.setHeaderText(HeaderField::Age, QString::number(*age));
    AddToLog(QStringLiteral("Age=") + QString::number(*age));

    const AgingRow* row = agingAt(*age);
    if (row == nullptr)
        return;
    static const char* const keys[4] = {"Str", "Dex", "End", "Int"};
    for (int i = 0; i < 4; ++i) {
        if (row->targets[i] == 0)
            continue;
        if (Roll2Dice() >= row->targets[i]) {
            const int loss = i == 3 ? row->intLoss : row->loss;
            for (int n = 0; n < loss; ++n)
                DecAttribute(QLatin1String(keys[i]));
        }
    }
}

void Module1::IncRank()
{
    const auto rank = store_.StepInt(QStringLiteral("Rank"), +1, 0, INT_MAX);
    if (!rank)
        return;
    const bool officer = store_.GetBool(QStringLiteral("Officer"));
    const char* query = officer ? "select Title from Ranks where Type = 'Officer' ORDER BY Rank"
                                : "select Title from Ranks where Type = 'Enlisted' ORDER BY Rank";
    const auto title = rules_.nth(query, *rank - 1);
    if (!title)
        return; // no rule database, or a rank beyond the ladder: no title
    // A medical school graduate passes the two junior officer titles silently.
    if ((*title == QLatin1String("Sublieutenant") || *title == QLatin1String("Ensign")) &&
        store_.GetBool(QStringLiteral("Medic")))
        return;
    view_.setHeaderText(HeaderField::Rank, *title);
    AddToLog(QStringLiteral("Promoted to ") + *title);
}
