// The skill tables of the rule database, the draws on them, and the skill
// picker that resolves a generic skill under the home tech level.
#include "engine/Module1.h"

#include "rules/RuleDatabase.h"
#include "store/CharacterStore.h"

namespace {

QString branchKey(const QString& branch)
{
    return branch == QLatin1String("Line") || branch == QLatin1String("Crew") ? QStringLiteral("Line/Crew") : branch;
}

// The navy's modifier on the branch tables.
int navyModifier(const QString& navy)
{
    if (navy == QLatin1String("Imperial"))
        return 2;
    if (navy == QLatin1String("Subsector"))
        return 1;
    return 0;
}

// The rank modifier of a service table; `capped` gives the skill page's
// upper bounds (the two only differ above the ladders' ends).
int serviceModifier(const QString& category, bool officer, int rank, bool capped)
{
    if (category == QLatin1String("Navy Life") || category == QLatin1String("Shipboard Life") ||
        category == QLatin1String("Shore Duty Life"))
        return officer ? 4 : 0;
    if (category == QLatin1String("Command Officer") || category == QLatin1String("Staff Officer")) {
        if (rank >= 4 && rank <= 6)
            return 2;
        return rank >= 7 && (!capped || rank <= 10) ? 4 : 0;
    }
    if (category == QLatin1String("Petty Officer")) {
        if (rank == 5 || rank == 6)
            return 2;
        return rank >= 7 && (!capped || rank <= 9) ? 4 : 0;
    }
    return 0;
}

} // namespace

QStringList Module1::GetAllSkills()
{
    return rules_.column("select Name from Skills order by 'Name'");
}

QString Module1::GetSkillDescription(const QString& name)
{
    const auto rows = rules_.select("select Description from Skills where Name = ?1 order by rowid limit 1", {name});
    return rows && !rows->empty() ? rows->front().value(0) : QString();
}

QStringList Module1::GetSkillSet(const QString& generic)
{
    QStringList offered;
    const int tl = view_.homeTechLevel();
    if (const auto rows = rules_.select("select Name, Special, TLLow, TLHigh from Skills order by 'Name'"))
        for (const QStringList& row : *rows)
            if (row.value(1) == generic && row.value(2).toInt() <= tl && tl <= row.value(3).toInt())
                offered << row.value(0);
    return offered;
}

QStringList Module1::GetBranchSkillSet(const QString& branch)
{
    QStringList entries;
    const QString key = branchKey(branch);
    if (const auto rows = rules_.select("select Branch, Skill from BranchSkills order by 'Roll'"))
        for (const QStringList& row : *rows)
            if (row.value(0) == key)
                entries << row.value(1);
    return entries;
}

QString Module1::drawEntry(const char* query, const QString& key, int total)
{
    const auto rows = rules_.select(query);
    if (!rows)
        return {};
    for (const QStringList& row : *rows)
        if (row.value(0) == key && row.value(1).toInt() == total)
            return row.value(2);
    return {};
}

QString Module1::GetBranchTableSkill(const QString& branch)
{
    const int total = Roll1Die() + navyModifier(store_.GetString(QStringLiteral("NavyType")));
    return drawEntry("select Branch, Roll, Skill from BranchSkills", branchKey(branch), total);
}

QString Module1::GetBranchSkill(const QString& branchKey)
{
    const QString navy = store_.GetString(QStringLiteral("NavyType"));
    const bool known = navy == QLatin1String("Imperial") || navy == QLatin1String("Subsector") ||
                       navy == QLatin1String("Planetary");
    // Without a navy no die is rolled and no row matches.
    const int total = known ? Roll1Die() + navyModifier(navy) : 0;
    return drawEntry("select Branch, Roll, Skill from BranchSkills", branchKey, total);
}

QString Module1::GetServiceTableSkill(const QString& category)
{
    const int modifier = serviceModifier(category, store_.GetBool(QStringLiteral("Officer")),
                                         store_.GetInt(QStringLiteral("Rank")), false);
    const int total = Roll1Die() + modifier;
    return drawEntry("select Category, Roll, Skill from ServiceSkills", category, total);
}

QString Module1::GetSkillTableSkill(const QString& category)
{
    const int modifier = serviceModifier(category, store_.GetBool(QStringLiteral("Officer")),
                                         store_.GetInt(QStringLiteral("Rank")), true);
    const int total = Roll1Die() + modifier;
    return drawEntry("select Category, Roll, Skill from ServiceSkills", category, total);
}

void Module1::DoSkillPicker()
{
    const QString generic = flags.SkillSelection;
    const QStringList offered = GetSkillSet(generic);
    if (offered.isEmpty()) {
        // The shipped tables always offer something; a damaged one must not
        // leave the player stuck in a dialog with nothing to choose.
        view_.notify(QStringLiteral("No specific skill of %1 is available at tech level %2, so none is learned.")
                         .arg(generic)
                         .arg(view_.homeTechLevel()));
        flags.SkillSelection.clear();
        return;
    }
    flags.SkillSelection = view_.pickSkill(generic + QStringLiteral(" requires a specific Skill selection"), offered,
                                           [this](const QString& skill) { return GetSkillDescription(skill); });
}

void Module1::LearnPicked(const QString& choice)
{
    if (choice.isEmpty())
        return; // nothing was offered
    static const QStringList handgun = {"Automatic Pistol", "Revolver", "Body Pistol", "Snub Pistol"};
    static const QStringList lasers = {"Laser Carbine", "Laser Rifle"};
    const QStringList* group = choice == QLatin1String("Handgun")         ? &handgun
                               : choice == QLatin1String("Laser Weapons") ? &lasers
                                                                          : nullptr;
    if (group == nullptr) {
        AddSkill(choice);
        AddToLog(choice + QStringLiteral(" +1"));
        return;
    }
    // A weapon group stands for its members: all are learned, then logged.
    for (const QString& member : *group)
        AddSkill(member);
    for (const QString& member : *group)
        AddToLog(member + QStringLiteral(" +1"));
}

void Module1::LearnTrainingEntry(const QString& entry)
{
    if (entry == QLatin1String("Gun Combat") || entry == QLatin1String("Gunnery")) {
        flags.SkillSelection = entry;
        DoSkillPicker();
        LearnPicked(flags.SkillSelection);
        return;
    }
    AddSkill(entry);
    AddToLog(entry + QStringLiteral(" +1"));
}
