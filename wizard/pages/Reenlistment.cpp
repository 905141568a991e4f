// Page 10: reenlistment, mustering out or retirement at the end of a term.
#include "wizard/Main.h"

void Main::registerReenlistment()
{
    entryLogic_.insert(10, [this] { EnterReenlist(); });
    enablingGroup("ReenlistRadioButton", "ReenlistButton", 2);
    pressHandlers_.insert(QStringLiteral("ReenlistButton"), [this] { ReenlistButton_Action(); });
}

void Main::EnterReenlist()
{
    const int term = store_.GetInt(QStringLiteral("Term"));
    Control& reenlist = form_.at(QStringLiteral("ReenlistRadioButton"), 0);
    Control& leave = form_.at(QStringLiteral("ReenlistRadioButton"), 1);
    if (term >= 8) {
        engine_.AddToLog(QStringLiteral("Retired due to age"));
        store_.SaveBool(QStringLiteral("Retired"), true);
        setPage(17);
    } else if (term == 7) {
        reenlist.setEnabled(false);
        reenlist.setChecked(false);
    } else {
        reenlist.setEnabled(true);
        leave.setCaption(term >= 5 ? QStringLiteral("Retire") : QStringLiteral("Muster Out"));
    }
}

void Main::ReenlistButton_Action()
{
    const int term = store_.GetInt(QStringLiteral("Term"));
    const auto leave = [&](const char* mustered, const char* retired) {
        if (term < 5) {
            engine_.AddToLog(QLatin1String(mustered));
        } else {
            store_.SaveBool(QStringLiteral("Retired"), true);
            engine_.AddToLog(QLatin1String(retired));
        }
        setPage(17);
    };
    if (selected("ReenlistRadioButton", 0)) {
        const bool officer = store_.GetBool(QStringLiteral("Officer"));
        const int dm = officer || store_.GetInt(QStringLiteral("Rank")) >= 4 ? 1 : 0;
        if (engine_.Roll2Dice() + dm >= 6) {
            engine_.AddToLog(QStringLiteral("Reenlistment successful"));
            ContinueIntoNewTerm();
        } else {
            leave("Forced to muster out", "Forced to retire");
        }
    } else if (engine_.Roll2Dice() == 12) {
        // The navy keeps the character for another term.
        engine_.AddToLog(term < 5 ? QStringLiteral("Mustering out denied") : QStringLiteral("Retirement denied"));
        ContinueIntoNewTerm();
    } else {
        leave("Mustering out of service", "Retiring from service");
    }
}

void Main::ContinueIntoNewTerm()
{
    engine_.SetTerm(store_.GetInt(QStringLiteral("Term")) + 1, 1);
    if (engine_.GetXTSet().size() >= 2)
        setPage(12);
    else
        setPage(engine_.flags.Aide ? 13 : 5);
}
