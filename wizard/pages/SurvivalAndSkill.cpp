// Page 15, the survival modifier; page 16, the skill table roll.
#include "wizard/Main.h"

namespace {

// Page 16's buttons: the service table each rolls (button 6: the branch).
const char* const SkillTables[6] = {"Navy Life", "Shipboard Life", "Shore Duty Life", "Petty Officer", "Command Officer", "Staff Officer"};
const char* const SkillColumns[6] = {"SkillNavLabel", "SkillShipLabel", "SkillShoreLabel", "SkillPOLabel", "SkillCOLabel", "SkillSOLabel"};

} // namespace

void Main::registerSurvivalAndSkillPages()
{
    entryLogic_.insert(15, [this] { EnterSurvival(); });
    entryLogic_.insert(16, [this] { EnterSkill(); });
    pressHandlers_.insert(QStringLiteral("SurvivalButton"), [this] {
        engine_.flags.SurvivalDM = form_.at(QStringLiteral("SurvivalPopupMenu")).currentText().toInt();
        engine_.DoAssignment(engine_.flags.SurvivalSA);
    });
    enablingGroup("SkillRadioButton", "SkillButton", 7);
    pressHandlers_.insert(QStringLiteral("SkillButton"), [this] { SkillButton_Action(); });
}

void Main::EnterSurvival()
{
    Control& button = form_.at(QStringLiteral("SurvivalButton"));
    button.setEnabled(true);
    button.setDefault(true);
}

void Main::EnterSkill()
{
    const auto open = [this](int table, bool enabled) {
        Control& button = form_.at(QStringLiteral("SkillRadioButton"), table);
        button.setEnabled(enabled);
        if (!enabled)
            button.setChecked(false);
        form_.at(QLatin1String(SkillColumns[table])).setEnabled(enabled);
    };
    for (int table = 1; table <= 5; ++table)
        open(table, false);
    const GenerationFlags& flags = engine_.flags;
    if (store_.GetBool(QStringLiteral("Officer")))
        open(flags.Command ? 4 : 5, true);
    else if (store_.GetInt(QStringLiteral("Rank")) >= 4)
        open(3, true);
    const bool ashore = flags.SkillAssignment == QLatin1String("Training") || flags.SkillAssignment == QLatin1String("Shore Duty");
    open(ashore ? 2 : 1, true);

    const QString branch = flags.OfficerXT ? flags.OfficerXTBranch : headerText(HeaderField::Branch);
    QString column;
    for (const QString& entry : engine_.GetBranchSkillSet(branch))
        column += QLatin1Char('\n') + entry;
    form_.at(QStringLiteral("SkillBranchLabel")).setCaption(column);
    if (form_.selectedIndex(QStringLiteral("SkillRadioButton")) < 0)
        form_.at(QStringLiteral("SkillButton")).setEnabled(false);
}

void Main::SkillButton_Action()
{
    GenerationFlags& flags = engine_.flags;
    const int chosen = form_.selectedIndex(QStringLiteral("SkillRadioButton"));
    QString entry;
    if (chosen >= 0 && chosen <= 5) {
        entry = engine_.GetSkillTableSkill(QLatin1String(SkillTables[chosen]));
    } else if (chosen == 6) {
        QString branch = flags.OfficerXT ? flags.OfficerXTBranch : headerText(HeaderField::Branch);
        if (branch == QLatin1String("Line") || branch == QLatin1String("Crew"))
            branch = QStringLiteral("Line/Crew");
        entry = engine_.GetBranchSkill(branch);
    }
    flags.OfficerXT = false;
    flags.OfficerXTBranch.clear();

    static const QStringList generic = {"Blade Combat", "Gun Combat", "Gunnery", "Vehicle"};
    if (entry.startsWith(QLatin1Char('+'))) {
        engine_.IncAttribute(entry);
    } else if (generic.contains(entry)) {
        flags.SkillSelection = entry;
        engine_.DoSkillPicker();
        engine_.LearnPicked(flags.SkillSelection);
    } else {
        engine_.AddSkill(entry);
        engine_.AddToLog(entry + QStringLiteral(" +1"));
    }
    engine_.EndAssignment();
}
