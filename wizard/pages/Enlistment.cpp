// Page 0: enlistment in one of the three navies.
#include "wizard/Main.h"

namespace {

struct Navy {
    const char* name;
    int target;
    int afterFailure; // the member selected after a failed attempt
    const char* label;
};

// In radio button order. A failed Planetary attempt selects Subsector even
// when Subsector is closed: a closed navy that is selected is still tried.
const Navy Navies[3] = {
    {"Imperial", 9, 1, "ServiceImperialLabel"},
    {"Subsector", 8, 2, "ServiceSubsectorLabel"},
    {"Planetary", 7, 1, "ServicePlanetaryLabel"},
};

} // namespace

void Main::registerEnlistment()
{
    entryLogic_.insert(0, [this] { EnterEnlistment(); });
    enablingGroup("ServiceRadioButton", "ServiceButton", 3);
    pressHandlers_.insert(QStringLiteral("ServiceButton"), [this] { ServiceButton_Action(); });
}

void Main::EnterEnlistment()
{
    form_.at(QStringLiteral("ServiceButton")).setEnabled(form_.selectedIndex(QStringLiteral("ServiceRadioButton")) >= 0);
}

void Main::ServiceButton_Action()
{
    const int intelligence = store_.GetInt(QStringLiteral("Intelligence"));
    const int education = store_.GetInt(QStringLiteral("Education"));
    const int dm = (intelligence >= 8 ? 1 : 0) + (education >= 9 ? 2 : 0);

    const int chosen = form_.selectedIndex(QStringLiteral("ServiceRadioButton"));
    if (chosen >= 0) {
        const Navy& navy = Navies[chosen];
        const QString name = QLatin1String(navy.name);
        if (engine_.Roll2Dice() + dm < navy.target) {
            engine_.AddToLog(name + QStringLiteral(" Navy enlistment attempt failed"));
            Control& button = form_.at(QStringLiteral("ServiceRadioButton"), chosen);
            button.setEnabled(false);
            button.setChecked(false);
            form_.at(QLatin1String(navy.label)).setEnabled(false);
            form_.at(QStringLiteral("ServiceRadioButton"), navy.afterFailure).setChecked(true);
        } else {
            setHeaderText(HeaderField::Navy, name);
            store_.SaveStr(QStringLiteral("NavyType"), name);
            engine_.AddToLog(QStringLiteral("Successfully enlisted in ") + name + QStringLiteral(" Navy"));
            engine_.AddToLog(QStringLiteral("Adjust tech level to match naval service"));
            for (int i = 0; i < 3; ++i) {
                form_.at(QStringLiteral("ServiceRadioButton"), i).setEnabled(true);
                form_.at(QLatin1String(Navies[i].label)).setEnabled(true);
            }
            setPage(1);
        }
    }

    bool allClosed = true;
    for (int i = 0; i < 3; ++i)
        allClosed = allClosed && !form_.at(QStringLiteral("ServiceRadioButton"), i).enabled();
    if (allClosed) {
        form_.at(QStringLiteral("NavyPlacard")).setVisible(false);
        for (int i = 0; i < 3; ++i) {
            form_.at(QStringLiteral("ServiceRadioButton"), i).setEnabled(true);
            form_.at(QLatin1String(Navies[i].label)).setEnabled(true);
        }
        engine_.AddToLog(QStringLiteral("Failed all enlistment attempts"));
        engine_.AddToLog(QStringLiteral("Press Roll to start over"));
    }
}
