// Page 17: benefit rolls on the material and cash tables, the retirement
// pay, and the weapon dialog for a blade.
#include "wizard/Host.h"
#include "wizard/Main.h"

void Main::registerMusteringOut()
{
    entryLogic_.insert(17, [this] { EnterMuster(); });
    enablingGroup("MusterRadioButton", "MusterButton", 2);
    pressHandlers_.insert(QStringLiteral("MusterButton"), [this] { MusterButton_Action(); });
}

void Main::EnterMuster()
{
    form_.at(QStringLiteral("MusterRadioButton"), 1).setEnabled(true);
    form_.at(QStringLiteral("MusterCLabel")).setEnabled(true);
    const int term = store_.GetInt(QStringLiteral("Term"));
    if (store_.GetBool(QStringLiteral("Retired"))) {
        const int pension = term == 5 ? 4000 : term == 6 ? 6000 : term == 7 ? 8000 : term == 8 ? 10000 : 0;
        store_.SaveInt(QStringLiteral("Pension"), pension);
        engine_.AddToLog(QStringLiteral("Annual retirement pay is CR") + QString::number(pension));
    }
    const bool officer = store_.GetBool(QStringLiteral("Officer"));
    const int rank = store_.GetInt(QStringLiteral("Rank"));
    form_.at(QStringLiteral("MusterCheckbox")).setEnabled(officer && rank >= 6);
    TotalRolls = term + (officer ? (rank >= 4 ? 2 : 1) : 0);
    CashRolls = std::min(TotalRolls, 3);
    form_.at(QStringLiteral("MusterTotalLabel")).setCaption(QString::number(TotalRolls));
    form_.at(QStringLiteral("MusterCashLabel")).setCaption(QString::number(CashRolls));
}

void Main::MusterButton_Action()
{
    if (selected("MusterRadioButton", 0)) {
        DoMaterialBenefit();
    } else if (selected("MusterRadioButton", 1)) {
        const int amount = engine_.GetCashBenefit();
        engine_.AddToLog(QStringLiteral("Cash benefit: CR") + QString::number(amount));
        store_.SaveInt(QStringLiteral("Cash"), store_.GetInt(QStringLiteral("Cash")) + amount);
        --CashRolls;
        --TotalRolls;
    }
    form_.at(QStringLiteral("MusterCashLabel")).setCaption(QString::number(CashRolls));
    form_.at(QStringLiteral("MusterTotalLabel")).setCaption(QString::number(TotalRolls));
    if (CashRolls <= 0) {
        // The cash table is spent: the rest go to the material table at once.
        form_.at(QStringLiteral("MusterRadioButton"), 1).setEnabled(false);
        form_.at(QStringLiteral("MusterCLabel")).setEnabled(false);
        while (TotalRolls > 0)
            DoMaterialBenefit();
    }
    if (TotalRolls <= 0)
        setPage(14);
}

void Main::DoMaterialBenefit()
{
    const QString benefit = engine_.GetMaterialBenefit(form_.at(QStringLiteral("MusterCheckbox")).checked());
    if (benefit.startsWith(QLatin1Char('+'))) {
        engine_.IncAttribute(benefit);
        if (benefit.mid(1, 1) == QLatin1String("2"))
            engine_.IncAttribute(benefit);
    } else if (benefit != QLatin1String("Blade")) {
        engine_.AddToLog(QStringLiteral("Benefit: ") + benefit);
        engine_.AddBenefit(benefit);
    } else {
        const QStringList blades = engine_.GetBladeSet();
        if (blades.isEmpty()) {
            notify(QStringLiteral("No blade weapon is available to choose from, so this benefit roll is spent without one."));
        } else {
            const Host::WeaponChoice choice = host_.pickWeapon(
                blades, [this](const QString& weapon) { return engine_.GetWeaponDescription(weapon); },
                [this](const QString& weapon) { return store_.HasBenefit(weapon); });
            if (!choice.increase) {
                engine_.AddBenefit(choice.weapon);
                engine_.AddToLog(QStringLiteral("Weapon: ") + choice.weapon);
            } else {
                engine_.AddSkill(choice.weapon);
                engine_.AddToLog(choice.weapon + QStringLiteral(" +1"));
            }
        }
    }
    --TotalRolls;
    if (TotalRolls < CashRolls)
        CashRolls = TotalRolls;
}
