// The list operations that carry a rule: the skill limit notice and the
// benefit that is held only once.
#include "engine/Module1.h"

#include "store/CharacterStore.h"

void Module1::AddSkill(const QString& name)
{
    store_.AddSkill(name);
    CheckSkillLimit();
}

void Module1::AddBenefit(const QString& name)
{
    if (!store_.AddBenefit(name))
        AddToLog(QStringLiteral("Rovanteers' Aid already earned"));
}

void Module1::CheckSkillLimit()
{
    // A notice only: logged on the addition that reaches the limit exactly.
    const int total = store_.CountedSkillLevels();
    if (total == store_.GetInt(QStringLiteral("Intelligence")) + store_.GetInt(QStringLiteral("Education")))
        AddToLog(QStringLiteral("***Max Skill Level Limit Reached!***"));
}
