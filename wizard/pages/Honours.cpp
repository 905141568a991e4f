// Page 2: medical school, flight school, or neither, for graduates with honours.
#include "wizard/Main.h"

void Main::registerHonours()
{
    entryLogic_.insert(2, [this] { EnterHonours(); });
    enablingGroup("HonorsRadioButton", "HonorsButton", 3);
    pressHandlers_.insert(QStringLiteral("HonorsButton"), [this] { HonorsButton_Action(); });
}

void Main::EnterHonours()
{
    // Flight school is closed to a college graduate outside NOTC.
    const bool flightOpen = !(store_.GetBool(QStringLiteral("College")) && !store_.GetBool(QStringLiteral("NOTC")));
    Control& flight = form_.at(QStringLiteral("HonorsRadioButton"), 1);
    flight.setEnabled(flightOpen);
    if (!flightOpen)
        flight.setChecked(false);
    setEnabled({"HonorsLabel4", "HonorsLabel5", "HonorsLabel6"}, flightOpen);
    if (form_.selectedIndex(QStringLiteral("HonorsRadioButton")) < 0)
        form_.at(QStringLiteral("HonorsButton")).setEnabled(false);
}

void Main::HonoursRouting()
{
    engine_.BranchRouting(store_.GetBool(QStringLiteral("Officer")) ? 6 : 5);
}

void Main::MedicalSchool()
{
    Control& medical = form_.at(QStringLiteral("HonorsRadioButton"), 0);
    Control& flight = form_.at(QStringLiteral("HonorsRadioButton"), 1);
    const auto attribute = [this](const char* name) { return store_.GetInt(QLatin1String(name)); };

    if (engine_.Roll2Dice() + (attribute("Education") >= 10 ? 2 : 0) < 9) {
        engine_.AddToLog(QStringLiteral("Denied admission to Medical School"));
        medical.setEnabled(false);
        medical.setChecked(false);
        setEnabled({"HonorsLabel1", "HonorsLabel2", "HonorsLabel3"}, false);
        form_.at(QStringLiteral("HonorsRadioButton"), flight.enabled() ? 1 : 2).setChecked(true);
        return;
    }
    engine_.AddToLog(QStringLiteral("Admitted to Medical School"));
    if (engine_.Roll2Dice() + (attribute("Intelligence") >= 9 ? 2 : 0) < 8) {
        engine_.AddToLog(QStringLiteral("Failed to graduate from Medical School"));
        ageStep(1);
        engine_.SetTerm(1, 2);
        HonoursRouting();
    } else {
        store_.SaveBool(QStringLiteral("Medic"), true);
        store_.AddSA(QStringLiteral("Medical School"));
        const bool honours = engine_.Roll2Dice() + (attribute("Education") >= 11 ? 1 : 0) >= 11;
        engine_.AddToLog(honours ? QStringLiteral("Graduated from Medical School with honors")
                                 : QStringLiteral("Graduated from Medical School"));
        if (!store_.GetBool(QStringLiteral("Officer"))) {
            store_.SaveBool(QStringLiteral("Officer"), true);
            engine_.IncRank();
        }
        engine_.IncRank();
        engine_.IncRank();
        const int medicalLevels = honours ? 4 : 3;
        for (int i = 0; i < medicalLevels; ++i)
            engine_.AddSkill(QStringLiteral("Medical"));
        engine_.AddToLog(QStringLiteral("Medical +") + QString::number(medicalLevels));
        if (honours) {
            engine_.AddSkill(QStringLiteral("Computer"));
            engine_.AddToLog(QStringLiteral("Computer +1"));
        }
        engine_.AddSkill(QStringLiteral("Administration"));
        engine_.AddToLog(QStringLiteral("Administration +1"));
        const int education = attribute("Education") + 1;
        store_.SaveInt(QStringLiteral("Education"), education);
        engine_.AddToLog(QStringLiteral("Edu +1"));
        setHeaderText(HeaderField::Edu, Module1::Hx(education));
        store_.SaveStr(QStringLiteral("Branch"), QStringLiteral("Medical"));
        engine_.AddToLog(QStringLiteral("Assigned to Medical branch"));
        setHeaderText(HeaderField::Branch, QStringLiteral("Medical"));
        store_.AddXT(QStringLiteral("Medical"));
        ageStep(4);
        engine_.SetTerm(1, 1);
        setPage(6);
    }
    flight.setEnabled(true);
    setEnabled({"HonorsLabel4", "HonorsLabel5", "HonorsLabel6"}, true);
}

void Main::FlightSchool()
{
    Control& medical = form_.at(QStringLiteral("HonorsRadioButton"), 0);
    Control& flight = form_.at(QStringLiteral("HonorsRadioButton"), 1);
    const auto attribute = [this](const char* name) { return store_.GetInt(QLatin1String(name)); };

    if (engine_.Roll2Dice() + (attribute("Dexterity") >= 9 ? 1 : 0) < 9) {
        engine_.AddToLog(QStringLiteral("Denied admission to Flight School"));
        flight.setEnabled(false);
        flight.setChecked(false);
        setEnabled({"HonorsLabel4", "HonorsLabel5", "HonorsLabel6"}, false);
        if (medical.enabled())
            medical.setChecked(true);
        return;
    }
    engine_.AddToLog(QStringLiteral("Admitted to Flight School"));
    if (engine_.Roll2Dice() + (attribute("Intelligence") >= 8 ? 1 : 0) < 7) {
        engine_.AddToLog(QStringLiteral("Failed to graduate from Flight School"));
        ageStep(1);
        engine_.SetTerm(1, 2);
        HonoursRouting();
    } else {
        store_.SaveBool(QStringLiteral("Flight"), true);
        store_.AddSA(QStringLiteral("Flight School"));
        if (engine_.Roll1Die() >= 4) {
            engine_.AddSkill(QStringLiteral("Pilot"));
            engine_.AddSkill(QStringLiteral("Pilot"));
            engine_.AddToLog(QStringLiteral("Pilot +2"));
        } else {
            engine_.AddSkill(QStringLiteral("Pilot"));
            engine_.AddToLog(QStringLiteral("Pilot +1"));
        }
        if (engine_.Roll1Die() >= 4) {
            engine_.AddSkill(QStringLiteral("Ships Boat"));
            engine_.AddToLog(QStringLiteral("Ship's Boat +1"));
        }
        if (engine_.Roll1Die() >= 4) {
            engine_.AddSkill(QStringLiteral("Navigation"));
            engine_.AddToLog(QStringLiteral("Navigation +1"));
        }
        store_.SaveStr(QStringLiteral("Branch"), QStringLiteral("Flight"));
        engine_.AddToLog(QStringLiteral("Assigned to Flight branch"));
        setHeaderText(HeaderField::Branch, QStringLiteral("Flight"));
        store_.AddXT(QStringLiteral("Flight"));
        ageStep(1);
        engine_.SetTerm(1, 2);
        setPage(6);
    }
    medical.setEnabled(true);
    setEnabled({"HonorsLabel1", "HonorsLabel2", "HonorsLabel3"}, true);
}

void Main::HonorsButton_Action()
{
    if (selected("HonorsRadioButton", 0)) {
        MedicalSchool();
    } else if (selected("HonorsRadioButton", 1)) {
        FlightSchool();
    } else if (selected("HonorsRadioButton", 2)) {
        engine_.AddToLog(QStringLiteral("Declined post grad options"));
        engine_.SetTerm(1, 1);
        HonoursRouting();
    }

    // Both schools closed: the page moves on by itself, without a log line.
    Control& medical = form_.at(QStringLiteral("HonorsRadioButton"), 0);
    Control& flight = form_.at(QStringLiteral("HonorsRadioButton"), 1);
    if (!medical.enabled() && !flight.enabled()) {
        medical.setEnabled(true);
        flight.setEnabled(true);
        setEnabled({"HonorsLabel1", "HonorsLabel2", "HonorsLabel3", "HonorsLabel4", "HonorsLabel5", "HonorsLabel6"}, true);
        engine_.SetTerm(1, 1);
        HonoursRouting();
    }
}
