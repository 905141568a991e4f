// Mustering-out benefits: the material and cash tables and the blades of
// the weapon dialog.
#include "engine/Module1.h"

#include "rules/RuleDatabase.h"
#include "store/CharacterStore.h"

QString Module1::GetMaterialBenefit(bool rankModifier)
{
    const int roll = Roll1Die() + (rankModifier ? 1 : 0);
    if (const auto rows = rules_.select("select Roll, Benefit from Material"))
        for (const QStringList& row : *rows)
            if (row.value(0).toInt() == roll)
                return row.value(1);
    return {};
}

int Module1::GetCashBenefit()
{
    const int modifier = store_.HasGambling() ? 1 : 0;
    const int roll = Roll1Die() + modifier;
    if (const auto rows = rules_.select("select Roll, Benefit from Cash"))
        for (const QStringList& row : *rows)
            if (row.value(0).toInt() == roll)
                return row.value(1).toInt();
    return 0;
}

QStringList Module1::GetBladeSet()
{
    return rules_.column("select Name from Skills where Special='Blade Combat'");
}

QString Module1::GetWeaponDescription(const QString& name)
{
    if (const auto rows = rules_.select("select Name, Description from Skills where Special='Blade Combat'"))
        for (const QStringList& row : *rows)
            if (row.value(0) == name)
                return row.value(1);
    return {};
}
