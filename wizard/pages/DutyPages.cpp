// Page 8, the special duty roll with its +1 option; page 9, the enlisted
// cross-training branch; page 11, specialist school; page 12, the branch
// among those trained in.
#include "wizard/Main.h"

#include <algorithm>

namespace {

// Page 9's buttons: the branch and its skill table.
const char* const XTBranches[5][2] = {
    {"Crew", "Line/Crew"}, {"Gunnery", "Gunnery"}, {"Engineering", "Engineering"}, {"Medical", "Medical"}, {"Technical", "Technical"},
};

// The specialist school's skill for each total, 1 to 12.
const char* const SpecialistSkills[13] = {"",           "Administration", "Medical",  "Liaison",    "Mechanical",
                                          "Electronics", "Gravitics",      "Vehicle",  "Navigation", "Computer",
                                          "Ships Boat",  "Communications", "Vacc Suit"};

// Page 12's buttons; member 0 is "Line" or "Crew".
const char* const OCSBranches[6] = {"Line", "Flight", "Gunnery", "Engineering", "Medical", "Technical"};

int ocsButtonOf(const QString& branch)
{
    if (branch == QLatin1String("Crew"))
        return 0;
    for (int i = 0; i < 6; ++i)
        if (branch == QLatin1String(OCSBranches[i]))
            return i;
    return -1;
}

} // namespace

void Main::registerSpecialDutyPages()
{
    entryLogic_.insert(8, [this] { EnterSpecialDuty(); });
    entryLogic_.insert(9, [this] { EnterBranchXT(); });
    entryLogic_.insert(11, [this] { EnterSpecialist(); });
    entryLogic_.insert(12, [this] { EnterBranchOCS(); });
    enablingGroup("BranchXTRadioButton", "BranchXTButton", 5);
    enablingGroup("BranchOCSRadioButton", "BranchOCSButton", 6);
    pressHandlers_.insert(QStringLiteral("SpecialDutyButton"), [this] { SpecialDutyButton_Action(); });
    pressHandlers_.insert(QStringLiteral("BranchXTButton"), [this] { BranchXTButton_Action(); });
    pressHandlers_.insert(QStringLiteral("SpecialistButton"), [this] { SpecialistButton_Action(); });
    pressHandlers_.insert(QStringLiteral("BranchOCSButton"), [this] { BranchOCSButton_Action(); });
}

void Main::EnterSpecialDuty()
{
    const bool officer = store_.GetBool(QStringLiteral("Officer"));
    setEnabled({"SpecialDutyEnLabel", "SpecialDutyEnLabel1"}, !officer);
    setEnabled({"SpecialDutyOffLabel", "SpecialDutyOffLabel1"}, officer);
}

void Main::SpecialDutyButton_Action()
{
    const int total = engine_.Roll1Die() + (form_.at(QStringLiteral("SpecialDutyCheckBox")).checked() ? 1 : 0);
    engine_.DoSpecialDuty(engine_.SplitAttacheAide(engine_.GetSpecialDuty(total)));
}

void Main::EnterBranchXT()
{
    const int own = [this] {
        const QString branch = store_.GetString(QStringLiteral("Branch"));
        for (int i = 0; i < 5; ++i)
            if (branch == QLatin1String(XTBranches[i][0]))
                return i;
        return -1;
    }();
    for (int i = 0; i < 5; ++i) {
        Control& button = form_.at(QStringLiteral("BranchXTRadioButton"), i);
        button.setEnabled(i != own);
        if (i == own)
            button.setChecked(false);
    }
    // Continue waits for a branch: a press without one would train in none.
    form_.at(QStringLiteral("BranchXTButton")).setEnabled(form_.selectedIndex(QStringLiteral("BranchXTRadioButton")) >= 0);
}

void Main::BranchXTButton_Action()
{
    const int chosen = form_.selectedIndex(QStringLiteral("BranchXTRadioButton"));
    if (chosen < 0)
        return;
    const QString branch = QLatin1String(XTBranches[chosen][0]);
    engine_.AddToLog(branch + QStringLiteral(" Branch"));
    store_.AddSA(QStringLiteral("Cross Training-") + branch);
    store_.AddXT(branch);
    engine_.LearnTrainingEntry(engine_.GetBranchSkill(QLatin1String(XTBranches[chosen][1])));
    engine_.flags.SkillSelection.clear();
    engine_.EndAssignment();
}

void Main::EnterSpecialist()
{
    Control& button = form_.at(QStringLiteral("SpecialistButton"));
    button.setEnabled(true);
    button.setDefault(true);
}

void Main::SpecialistButton_Action()
{
    const int total = engine_.Roll1Die() + form_.at(QStringLiteral("SpecialistPopupMenu")).currentText().toInt();
    QString skill = QLatin1String(SpecialistSkills[std::clamp(total, 1, 12)]);
    if (skill == QLatin1String("Vehicle")) {
        engine_.flags.SkillSelection = skill;
        engine_.DoSkillPicker();
        skill = engine_.flags.SkillSelection;
    }
    if (!skill.isEmpty() && store_.SkillLevel3({skill})) {
        engine_.AddToLog(QStringLiteral("Assigned to Specialist School as instructor"));
        engine_.AddSkill(QStringLiteral("Instruction"));
        engine_.AddToLog(QStringLiteral("Instruction +1"));
    } else {
        engine_.AddToLog(QStringLiteral("Assigned to Specialist School"));
        if (!skill.isEmpty()) {
            engine_.AddSkill(skill);
            engine_.AddToLog(skill + QStringLiteral(" +1"));
        }
    }
    engine_.flags.SkillSelection.clear();
    engine_.EndAssignment();
}

void Main::EnterBranchOCS()
{
    for (int i = 0; i < 6; ++i) {
        Control& button = form_.at(QStringLiteral("BranchOCSRadioButton"), i);
        button.setEnabled(false);
        button.setChecked(false);
    }
    for (const QString& branch : engine_.GetXTSet())
        if (const int i = ocsButtonOf(branch); i >= 0)
            form_.at(QStringLiteral("BranchOCSRadioButton"), i).setEnabled(true);
    form_.at(QStringLiteral("BranchOCSButton")).setEnabled(false);
}

void Main::BranchOCSButton_Action()
{
    const int chosen = form_.selectedIndex(QStringLiteral("BranchOCSRadioButton"));
    if (chosen >= 0) {
        QString branch = QLatin1String(OCSBranches[chosen]);
        if (chosen == 0 && !engine_.flags.OCSBranch && !store_.GetBool(QStringLiteral("Officer")))
            branch = QStringLiteral("Crew");
        setHeaderText(HeaderField::Branch, branch);
        store_.SaveStr(QStringLiteral("Branch"), branch);
        engine_.AddToLog(QStringLiteral("Selected ") + branch + QStringLiteral(" branch"));
        store_.AddXT(branch);
    }
    setPage(engine_.flags.Aide ? 13 : 5);
}
