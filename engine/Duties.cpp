// Special duties: schools, recruiting, attaché and aide posts,
// cross-training and officer candidate school.
#include "engine/Module1.h"

#include "rules/RuleDatabase.h"
#include "store/CharacterStore.h"

namespace {

struct School {
    const char* duty;
    QStringList instructorSkills; // any at level 3+ makes an instructor
    QStringList studied;          // in order; "Gun Combat" is picked
    int threshold;                // 1D to gain each
};

const School* schoolFor(const QString& duty)
{
    static const School schools[] = {
        {"Gunnery School",
         {"Ships Lasers", "Ships Missiles", "Ships Particle Accelerators", "Ships Energy Weapons", "Ships Meson Weapons", "Ships Screens"},
         {"Ships Lasers", "Ships Missiles", "Ships Particle Accelerators", "Ships Energy Weapons", "Ships Meson Weapons", "Ships Screens"},
         5},
        {"Engineering School",
         {"Mechanical", "Electronics", "Gravitics", "Engineering"},
         {"Mechanical", "Electronics", "Gravitics", "Engineering"},
         5},
        {"Intelligence School",
         {"Forgery", "Bribery", "Streetwise", "Interrogation", "Handgun", "Submachinegun", "Laser Weapons"},
         {"Bribery", "Forgery", "Interrogation", "Streetwise", "Gun Combat"},
         4},
        {"Command College",
         {"Ship Tactics", "Fleet Tactics", "Leader", "Administration"},
         {"Leader", "Ship Tactics", "Fleet Tactics", "Administration"},
         4},
        {"Staff College",
         {"Liaison", "Fleet Tactics", "Computer", "Administration"},
         {"Administration", "Fleet Tactics", "Liaison", "Computer"},
         4},
    };
    for (const School& school : schools)
        if (duty == QLatin1String(school.duty))
            return &school;
    return nullptr;
}

bool isLineOrCrew(const QString& branch)
{
    return branch == QLatin1String("Line") || branch == QLatin1String("Crew");
}

} // namespace

QString Module1::GetSpecialDuty(int roll)
{
    const QString column = store_.GetBool(QStringLiteral("Officer")) ? QStringLiteral("Officer") : QStringLiteral("Enlisted");
    QString duty;
    if (const auto rows = rules_.select("select Rank, Roll, Duty from SpecialDuty")) {
        for (const QStringList& row : *rows) {
            if (row.value(0) == column && row.value(1).toInt() == roll) {
                duty = row.value(2);
                break;
            }
        }
    }
    if (flags.OCSWaiver && duty != QLatin1String("OCS")) {
        AddToLog(QStringLiteral("OCS age waiver denied"));
        flags.OCSWaiver = false;
    }
    return duty;
}

QString Module1::SplitAttacheAide(const QString& duty)
{
    if (duty != QLatin1String("Naval Attache/Aide"))
        return duty;
    return Roll1Die() <= 4 ? QStringLiteral("Naval Attache") : QStringLiteral("Flag Officer's Aide");
}

QStringList Module1::GetXTSet()
{
    QStringList branches;
    bool lineOrCrewSeen = false;
    for (const QString& branch : store_.CrossTrainingRows()) {
        // Line and Crew are one branch.
        if (isLineOrCrew(branch)) {
            if (lineOrCrewSeen)
                continue;
            lineOrCrewSeen = true;
        }
        branches << branch;
    }
    return branches;
}

void Module1::school(const QString& duty)
{
    const School* school = schoolFor(duty);
    if (store_.SkillLevel3(school->instructorSkills)) {
        AddToLog(QStringLiteral("Assigned to ") + duty + QStringLiteral(" as instructor"));
        AddSkill(QStringLiteral("Instruction"));
        AddToLog(QStringLiteral("Instruction +1"));
        return;
    }
    AddToLog(QStringLiteral("Assigned to ") + duty);
    for (const QString& skill : school->studied) {
        if (Roll1Die() < school->threshold)
            continue;
        if (skill == QLatin1String("Gun Combat")) {
            flags.SkillSelection = skill;
            DoSkillPicker();
            LearnPicked(flags.SkillSelection);
            flags.SkillSelection.clear();
        } else {
            AddSkill(skill);
            AddToLog(skill + QStringLiteral(" +1"));
        }
    }
}

void Module1::enterOCS()
{
    AddToLog(QStringLiteral("Assigned to OCS"));
    flags.OCSBranch = true;
    if (store_.GetInt(QStringLiteral("Social")) >= 9)
        view_.setPage(3);
    else if (GetXTSet().size() >= 2)
        view_.setPage(12);
    else
        view_.setPage(5);
}

void Module1::DoSpecialDuty(const QString& duty)
{
    if (duty != QLatin1String("Cross Training") && !flags.OCSBranch && !flags.OCSWaiver)
        store_.AddSA(duty);

    const bool officer = store_.GetBool(QStringLiteral("Officer"));
    if (duty == QLatin1String("Cross Training")) {
        AddToLog(QStringLiteral("Assigned to Cross Training"));
        if (!officer) {
            view_.setPage(9);
        } else {
            flags.OfficerXT = true;
            BranchRouting(5);
        }
        return;
    }
    if (duty == QLatin1String("Specialist School")) {
        view_.setPage(11);
        return;
    }
    if (duty == QLatin1String("OCS")) {
        if (flags.OCSWaiver) {
            AddToLog(QStringLiteral("OCS age waiver granted"));
            flags.OCSWaiver = false;
            enterOCS();
        } else if (flags.OCSBranch) {
            flags.OCSBranch = false;
            DoOCS();
        } else if (store_.GetInt(QStringLiteral("Age")) < 34) {
            enterOCS();
        } else {
            flags.OCSWaiver = true;
            AddToLog(QStringLiteral("Attempting OCS age waiver"));
            view_.setPage(5);
        }
        return;
    }

    if (duty == QLatin1String("Recruiting Duty")) {
        AddToLog(QStringLiteral("Assigned to Recruiting Duty"));
        AddSkill(QStringLiteral("Recruiting"));
        AddToLog(QStringLiteral("Recruiting +1"));
        if (!officer && Roll1Die() >= 4) {
            AddSkill(QStringLiteral("Administration"));
            AddToLog(QStringLiteral("Administration +1"));
        }
    } else if (schoolFor(duty) != nullptr) {
        school(duty);
    } else if (duty == QLatin1String("Naval Attache")) {
        AddToLog(QStringLiteral("Assigned to Naval Attache duty"));
        IncAttribute(QStringLiteral("+1 Soc"));
        if (store_.GetInt(QStringLiteral("Rank")) < 10) {
            IncRank();
            flags.Promoted = true;
        }
    } else if (duty == QLatin1String("Flag Officer's Aide")) {
        AddToLog(QStringLiteral("Assigned to Flag Officer's Aide duty"));
        IncAttribute(QStringLiteral("+1 Soc"));
        flags.Aide = true;
    }
    // Any other text, the empty one too, only ends the assignment.
    if (flags.OCSWaiver || flags.OCSBranch)
        return; // officer candidate school ends this year later
    EndAssignment();
}

void Module1::takeTableEntry(const QString& entry, const QStringList& picked)
{
    flags.SkillSelection = entry;
    if (entry.startsWith(QLatin1Char('+'))) {
        IncAttribute(entry);
    } else if (picked.contains(entry)) {
        DoSkillPicker();
        LearnPicked(flags.SkillSelection);
    } else {
        AddSkill(entry);
        AddToLog(entry + QStringLiteral(" +1"));
    }
}

void Module1::DoOCS()
{
    takeTableEntry(GetServiceTableSkill(QStringLiteral("Command Officer")), {"Gun Combat", "Vehicle"});
    takeTableEntry(GetServiceTableSkill(QStringLiteral("Staff Officer")), {"Gun Combat"});
    const QString branch = view_.headerText(HeaderField::Branch);
    const QString entry = GetBranchSkill(isLineOrCrew(branch) ? QStringLiteral("Line/Crew") : branch);
    flags.SkillSelection = entry;
    if (entry == QLatin1String("Gunnery") || entry == QLatin1String("Gun Combat")) {
        DoSkillPicker();
        LearnPicked(flags.SkillSelection);
    } else {
        AddSkill(entry);
        AddToLog(entry + QStringLiteral(" +1"));
    }
    flags.SkillSelection.clear();

    store_.SaveBool(QStringLiteral("Officer"), true);
    store_.SaveInt(QStringLiteral("Rank"), 0);
    IncRank();
    EndAssignment();
}
