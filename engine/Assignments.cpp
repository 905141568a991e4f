// One year's assignment: the assignment roll, then survival, ribbons,
// decorations, promotion and the skill roll, and the end of the year.
#include "engine/Module1.h"

#include "rules/RuleDatabase.h"
#include "store/CharacterStore.h"

namespace {

QString tableBranch(const QString& branch)
{
    return branch == QLatin1String("Crew") ? QStringLiteral("Line") : branch;
}

// The assignment table, by the 2D total.
const char* assignmentFor(int total)
{
    static const char* const table[13] = {"",       "",       "Battle", "Shore Duty", "Siege",      "Strike",      "Patrol",
                                          "Training", "Patrol", "Strike", "Shore Duty", "Special Duty", "Special Duty"};
    return table[total];
}

} // namespace

QString Module1::GetAssignment()
{
    const int dm = store_.GetBool(QStringLiteral("College")) && !store_.GetBool(QStringLiteral("Officer")) ? 1 : 0;
    QString assignment;
    do {
        assignment = QLatin1String(assignmentFor(std::min(12, Roll2Dice() + dm)));
        // An officer on cross-training never draws special duty.
    } while (flags.OfficerXT && assignment == QLatin1String("Special Duty"));
    return assignment;
}

int Module1::rollNumber(const char* query, const QString& branch, const QString& assignment)
{
    const auto rows = rules_.select(query);
    if (!rows)
        return 0;
    for (const QStringList& row : *rows)
        if (row.value(0) == branch && row.value(1) == assignment)
            return row.value(2).toInt();
    return 0;
}

int Module1::GetSurvival(const QString& branch, const QString& assignment)
{
    const QString key = tableBranch(branch);
    const int number = rollNumber("select Branch, Assignment, Roll from SurvivalRoll", key, assignment);
    int dm = 0;
    if (key == QLatin1String("Line")) {
        static const QStringList skills = {"Mechanical", "Electronics",  "Handgun",  "Submachinegun", "Laser Weapons",
                                           "Navigation", "Computer",     "Liaison",  "Zero-G Combat", "Vacc Suit"};
        dm = store_.SkillLevel2(skills) ? 1 : 0;
    } else if (key == QLatin1String("Flight")) {
        dm = store_.SkillLevel(QStringLiteral("Pilot"));
    } else if (key == QLatin1String("Engineering")) {
        dm = store_.SkillLevel(QStringLiteral("Engineering")) >= 4 ? 1 : 0;
    }
    const int total = Roll2Dice() + dm - flags.SurvivalDM;
    if (total > number)
        return 1;
    return total == number ? -1 : 0;
}

int Module1::GetDecoration(const QString& branch, const QString& assignment)
{
    const QString key = tableBranch(branch);
    const int number = rollNumber("select Branch, Assignment, Roll from DecorationRoll", key, assignment);
    int dm = 0;
    if (key == QLatin1String("Gunnery")) {
        dm = store_.GetInt(QStringLiteral("Dexterity")) >= 10 ? 1 : 0;
    } else if (key == QLatin1String("Flight") && store_.GetBool(QStringLiteral("Officer")) &&
               (assignment == QLatin1String("Battle") || assignment == QLatin1String("Strike"))) {
        static const int byRank[11] = {0, 1, 1, 2, 3, 4, 5, 5, 6, 6, 6};
        const int rank = store_.GetInt(QStringLiteral("Rank"));
        dm = rank >= 1 && rank <= 10 ? byRank[rank] : 0;
    }
    const int total = Roll2Dice() + dm + flags.SurvivalDM;
    if (number == 0)
        return 0;
    if (total >= number + 6)
        return 3;
    if (total >= number + 3)
        return 2;
    return total >= number ? 1 : 0;
}

bool Module1::GetPromotion(const QString& branch, const QString& assignment)
{
    const QString key = tableBranch(branch);
    const int number = rollNumber("select Branch, Assignment, Roll from PromotionRoll", key, assignment);
    if (number == 0 || (number < 0 && store_.GetBool(QStringLiteral("Officer"))))
        return false;
    const int target = number < 0 ? -number : number;
    int dm = 0;
    if (key == QLatin1String("Line")) {
        dm = (store_.GetInt(QStringLiteral("Education")) >= 8 ? 1 : 0) + (store_.GetInt(QStringLiteral("Social")) >= 9 ? 1 : 0);
    } else if (key == QLatin1String("Gunnery")) {
        dm = store_.GetInt(QStringLiteral("Dexterity")) >= 9 ? 1 : 0;
    } else if (key == QLatin1String("Medical")) {
        dm = store_.SkillLevel5({QStringLiteral("Medical")}) ? 1 : 0;
    } else if (key == QLatin1String("Technical")) {
        dm = store_.SkillLevel3({"Mechanical", "Electronics", "Gravitics", "Computer", "Jack-o-T"}) ? 1 : 0;
    }
    return Roll2Dice() + dm + flags.DecorationDM >= target;
}

bool Module1::GetSkill(const QString& branch, const QString& assignment)
{
    const int number = rollNumber("select Branch, Assignment, Roll from SkillsRoll", tableBranch(branch), assignment);
    return number != 0 && Roll2Dice() >= number;
}

void Module1::DoAssignment(const QString& assignment)
{
    const QString branch = flags.OfficerXT ? flags.OfficerXTBranch : view_.headerText(HeaderField::Branch);
    const bool combat = assignment == QLatin1String("Battle") || assignment == QLatin1String("Strike");

    const int survival = GetSurvival(branch, assignment);
    if (survival == 0) {
        AddToLog(QStringLiteral("Character suffered death"));
        AddToLog(QStringLiteral("Press Reset to start over"));
        view_.setPage(14);
        return;
    }
    if (survival < 0) {
        AddToLog(QStringLiteral("Character injured"));
        if (combat) {
            store_.AddDecoration(QStringLiteral("Purple Heart"));
            AddToLog(QStringLiteral("Awarded the Purple Heart"));
        }
    }
    if (combat) {
        store_.AddDecoration(QStringLiteral("Combat Service Ribbon"));
        AddToLog(QStringLiteral("Awarded Combat Service Ribbon"));
    }
    const bool officer = store_.GetBool(QStringLiteral("Officer"));
    if (officer && flags.Command) {
        store_.AddDecoration(QStringLiteral("Command Ribbon"));
        AddToLog(QStringLiteral("Awarded Command Ribbon"));
    }

    static const char* const decorations[4] = {"", "MCUF", "MCG", "SEH"};
    if (const int decoration = GetDecoration(branch, assignment); decoration > 0) {
        flags.DecorationDM += decoration;
        store_.AddDecoration(QLatin1String(decorations[decoration]));
        AddToLog(QStringLiteral("Awarded the ") + QLatin1String(decorations[decoration]));
    }

    // Officers rise once a term, the enlisted on every assignment.
    if (!(officer && flags.Promoted) && GetPromotion(branch, assignment)) {
        const int rank = store_.GetInt(QStringLiteral("Rank"));
        if (officer && rank < 10) {
            IncRank();
            flags.Promoted = true;
        } else if (!officer && rank < 9) {
            IncRank();
        }
    }

    if (GetSkill(branch, assignment)) {
        flags.SkillAssignment = assignment;
        view_.setPage(16);
        return;
    }
    flags.OfficerXT = false;
    flags.OfficerXTBranch.clear();
    EndAssignment();
}

void Module1::EndAssignment()
{
    IncAge();
    const int assignment = store_.GetInt(QStringLiteral("Assignment"));
    if (assignment >= 4) { // a term has four assignments
        flags.Promoted = false;
        flags.DecorationDM = 0;
        view_.setPage(10);
        return;
    }
    SetTerm(store_.GetInt(QStringLiteral("Term")), assignment + 1);
    view_.setPage(flags.Aide ? 13 : 5);
}
