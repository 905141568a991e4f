// "Roll": a new character's age, characteristics, noble title and term 0.
#include "wizard/Main.h"

void Main::UPPButton_Action()
{
    ResetData();

    store_.SaveInt(QStringLiteral("Age"), 18);
    setHeaderText(HeaderField::Age, QStringLiteral("18"));
    engine_.AddToLog(QStringLiteral("Age=18"));

    struct Rolled {
        const char* attribute;
        HeaderField field;
        const char* label;
    };
    static const Rolled rolled[] = {
        {"Strength", HeaderField::Str, "Strength="},         {"Dexterity", HeaderField::Dex, "Dexterity="},
        {"Endurance", HeaderField::End, "Endurance="},       {"Intelligence", HeaderField::Int, "Intelligence="},
        {"Education", HeaderField::Edu, "Education="},       {"Social", HeaderField::Soc, "Social Standing="},
    };
    for (const Rolled& r : rolled) {
        const int value = engine_.Roll2Dice();
        store_.SaveInt(QLatin1String(r.attribute), value);
        const QString shown = Module1::Hx(value);
        setHeaderText(r.field, shown);
        engine_.AddToLog(QLatin1String(r.label) + shown);
    }

    engine_.SetNobility(selectedSex());
    engine_.SetTerm(0, 0);

    setPage(0);
    form_.at(QStringLiteral("NavyPlacard")).setVisible(true);
}
