// The first term's training: the enlisted basic and advanced training on
// entering page 5, and the officer's two rolls on page 6.
#include "wizard/Main.h"

void Main::registerFirstTerm()
{
    entryLogic_.insert(5, [this] { EnterAssignment(); });
    entryLogic_.insert(6, [this] { EnterOfficerTraining(); });
    enablingGroup("OfficerRadioButton", "OfficerButton", 2);
    pressHandlers_.insert(QStringLiteral("OfficerButton"), [this] { OfficerButton_Action(); });
}

void Main::EnterAssignment()
{
    if (engine_.flags.FirstTerm)
        EnlistedTraining();
    AssignmentCycle();
}

void Main::EnlistedTraining()
{
    const QString branch = headerText(HeaderField::Branch);
    engine_.AddToLog(QStringLiteral("Assigned to Basic Training"));
    engine_.LearnTrainingEntry(engine_.GetBranchTableSkill(branch));
    engine_.IncRank();
    engine_.AddToLog(QStringLiteral("Assigned to Advanced Training"));
    engine_.LearnTrainingEntry(engine_.GetBranchTableSkill(branch));
    engine_.flags.SkillSelection.clear();
    engine_.IncAge();
    engine_.SetTerm(1, store_.GetInt(QStringLiteral("Assignment")) == 2 ? 3 : 2);
    engine_.flags.FirstTerm = false;
}

void Main::EnterOfficerTraining()
{
    engine_.flags.TrainingRolls = 2;
    form_.at(QStringLiteral("OfficerTotalLabel")).setCaption(QStringLiteral("2"));
    // One entry a line beside the roll numbers, below the "Roll" heading.
    QString table;
    for (const QString& entry : engine_.GetBranchSkillSet(headerText(HeaderField::Branch)))
        table += QLatin1Char('\n') + entry;
    form_.at(QStringLiteral("OfficerBSLabel")).setCaption(table);
    engine_.AddToLog(QStringLiteral("Assigned to Basic & Advanced Training"));
}

void Main::OfficerButton_Action()
{
    QString entry;
    if (selected("OfficerRadioButton", 0))
        entry = engine_.GetBranchTableSkill(headerText(HeaderField::Branch));
    else if (selected("OfficerRadioButton", 1))
        entry = engine_.GetServiceTableSkill(QStringLiteral("Staff Officer"));
    else
        return;
    engine_.LearnTrainingEntry(entry);
    GenerationFlags& flags = engine_.flags;
    --flags.TrainingRolls;
    form_.at(QStringLiteral("OfficerTotalLabel")).setCaption(QString::number(flags.TrainingRolls));
    if (flags.TrainingRolls == 0) {
        engine_.IncAge();
        engine_.SetTerm(1, store_.GetInt(QStringLiteral("Assignment")) + 1);
        flags.FirstTerm = false;
        setPage(5);
    }
}
