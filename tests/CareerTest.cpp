// The career engine: one assignment's rolls, special duties, and whole
// careers played by the driver's random player.
#include "engine/Module1.h"
#include "rules/RuleDatabase.h"
#include "store/CharacterStore.h"
#include "tests/Fixtures.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

class Career : public ::testing::Test {
protected:
    Career()
    {
        store.setFile(db.path());
        rules.setFile(QDir(builtResources()).filePath("staticdata.rsd"));
        for (const char* name : {"Strength", "Dexterity", "Endurance", "Intelligence", "Education", "Social"})
            store.SaveInt(name, 7);
        store.SaveInt("Age", 22);
        store.SaveStr("NavyType", "Planetary");
    }

    void queue(std::initializer_list<int> faces)
    {
        for (int face : faces)
            dice.queue(face);
    }

    // The number a rule table holds for a branch and assignment.
    int number(const char* table, const char* branch, const char* assignment)
    {
        const auto rows = rules.select(QString("select Roll from %1 where Branch = ?1 and Assignment = ?2").arg(table).toUtf8().constData(),
                                       {QString(branch), QString(assignment)});
        return rows && !rows->empty() ? rows->front().value(0).toInt() : -99;
    }

    // Two dice that show the total (2 to 12).
    void queueTotal(int total)
    {
        const int first = std::min(6, total - 1);
        queue({first, total - first});
    }

    TempCharacterDb db;
    RecordingSink sink;
    CharacterStore store{&sink};
    RuleDatabase rules{&sink};
    Dice dice{9};
    RecordingView view;
    Module1 engine{store, rules, dice, view};
};

TEST_F(Career, ASurvivalRollEqualToTheNumberInjuresAndTheRibbonsFollowInOrder)
{
    view.header[HeaderField::Branch] = "Crew";
    store.SaveInt("Term", 2);
    store.SaveInt("Assignment", 1);
    queueTotal(number("SurvivalRoll", "Line", "Strike")); // injured
    queue({1, 1, 1, 1, 1, 1});                           // no decoration, promotion or skill
    engine.DoAssignment("Strike");
    ASSERT_GE(view.log.size(), 3);
    EXPECT_EQ(view.log.mid(0, 3), QStringList({"Character injured", "Awarded the Purple Heart", "Awarded Combat Service Ribbon"}));
    EXPECT_EQ(store.GetDecorations(), QStringList({"Purple Heart-1", "Combat Service Ribbon-1"}));
    EXPECT_EQ(view.pages.last(), 5);
    EXPECT_EQ(store.GetInt("Assignment"), 2);
    EXPECT_EQ(store.GetInt("Age"), 23);
}

TEST_F(Career, DeathEndsTheCareerWithNothingElse)
{
    view.header[HeaderField::Branch] = "Gunnery";
    engine.flags.SurvivalDM = 6;
    queue({1, 1});
    engine.DoAssignment("Battle");
    EXPECT_EQ(view.log, QStringList({"Character suffered death", "Press Reset to start over"}));
    EXPECT_EQ(view.pages, QList<int>({14}));
    EXPECT_TRUE(store.GetDecorations().isEmpty());
    EXPECT_EQ(store.GetInt("Age"), 22);
}

TEST_F(Career, TheHighestDecorationAloneIsAwarded)
{
    view.header[HeaderField::Branch] = "Line";
    const int decoration = number("DecorationRoll", "Line", "Battle");
    ASSERT_GT(decoration, 0);
    queue({6, 6});               // survives
    engine.flags.SurvivalDM = 0; // no help from the player
    queueTotal(std::min(12, decoration + 6));
    queue({1, 1, 1, 1});
    engine.DoAssignment("Battle");
    const int awarded = decoration + 6 <= 12 ? 3 : 2;
    EXPECT_EQ(engine.flags.DecorationDM, awarded);
    EXPECT_EQ(store.GetDecorations().size(), 2) << qPrintable(store.GetDecorations().join(", "));
}

TEST_F(Career, NoDecorationWithoutANumberWhateverTheRoll)
{
    view.header[HeaderField::Branch] = "Line";
    ASSERT_EQ(number("DecorationRoll", "Line", "Training"), 0);
    engine.flags.SurvivalDM = 6;
    queue({6, 6, 6, 6, 1, 1, 1, 1});
    engine.DoAssignment("Training");
    EXPECT_TRUE(store.GetDecorations().isEmpty());
}

TEST_F(Career, OfficersRiseOnceATermTheEnlistedEveryAssignment)
{
    view.header[HeaderField::Branch] = "Line";
    store.SaveInt("Term", 2);
    store.SaveInt("Assignment", 1);
    store.SaveBool("Officer", true);
    store.SaveInt("Rank", 2);
    engine.flags.Promoted = true; // already promoted this term
    queue({6, 6, 6, 6, 1, 1});  // survive, a decoration, (no promotion roll), no skill
    engine.DoAssignment("Patrol");
    EXPECT_EQ(store.GetInt("Rank"), 2);

    store.SaveBool("Officer", false);
    store.SaveInt("Rank", 8);
    for (int i = 0; i < 2; ++i) {
        queue({6, 6, 1, 1, 6, 6, 1, 1}); // survive, no decoration, promotion, no skill
        engine.DoAssignment("Patrol");
    }
    EXPECT_EQ(store.GetInt("Rank"), 9) << "the enlisted ladder stops at 9";
}

TEST_F(Career, TheFourthAssignmentEndsTheTerm)
{
    view.header[HeaderField::Branch] = "Medical";
    store.SaveInt("Term", 3);
    store.SaveInt("Assignment", 4);
    engine.flags.Promoted = true;
    engine.flags.DecorationDM = 4;
    queue({6, 6, 1, 1, 1, 1});
    engine.DoAssignment("Training");
    EXPECT_EQ(view.pages.last(), 10);
    EXPECT_FALSE(engine.flags.Promoted);
    EXPECT_EQ(engine.flags.DecorationDM, 0);
    EXPECT_EQ(store.GetInt("Assignment"), 4);
}

TEST_F(Career, GunnerySchoolRollsEachWeaponOrMakesAnInstructor)
{
    queue({5, 4, 6, 1, 5, 4});
    engine.DoSpecialDuty("Gunnery School");
    EXPECT_EQ(view.log.mid(0, 4),
              QStringList({"Assigned to Gunnery School", "Ships Lasers +1", "Ships Particle Accelerators +1", "Ships Meson Weapons +1"}));
    view.log.clear();
    for (int i = 0; i < 3; ++i)
        store.AddSkill("Ships Screens");
    engine.DoSpecialDuty("Gunnery School");
    EXPECT_EQ(view.log.mid(0, 2), QStringList({"Assigned to Gunnery School as instructor", "Instruction +1"}));
    EXPECT_EQ(store.GetSAs(), QStringList({"Gunnery School-2"}));
}

TEST_F(Career, RecruitingGivesTheEnlistedAChanceAtAdministration)
{
    queue({6});
    engine.DoSpecialDuty("Recruiting Duty");
    EXPECT_EQ(store.SkillLevel("Administration"), 1);
    store.SaveBool("Officer", true);
    queue({6});
    engine.DoSpecialDuty("Recruiting Duty");
    EXPECT_EQ(store.SkillLevel("Recruiting"), 2);
    EXPECT_EQ(store.SkillLevel("Administration"), 1);
}

TEST_F(Career, AnAttacheOfRankTenGainsSocialButNoRank)
{
    store.SaveBool("Officer", true);
    store.SaveInt("Rank", 10);
    engine.DoSpecialDuty("Naval Attache");
    EXPECT_EQ(store.GetInt("Rank"), 10);
    EXPECT_EQ(store.GetInt("Social"), 8);
    EXPECT_FALSE(engine.flags.Promoted);
}

TEST_F(Career, OfficerCandidateSchoolAndItsAgeWaiver)
{
    store.SaveInt("Age", 33);
    store.AddXT("Crew");
    engine.DoSpecialDuty("OCS");
    EXPECT_EQ(view.log, QStringList({"Assigned to OCS"}));
    EXPECT_TRUE(engine.flags.OCSBranch);
    EXPECT_EQ(view.pages.last(), 5);

    view.log.clear();
    engine.flags.OCSBranch = false;
    store.DeleteSAs();
    store.SaveInt("Age", 34);
    engine.DoSpecialDuty("OCS");
    EXPECT_EQ(view.log, QStringList({"Attempting OCS age waiver"}));
    EXPECT_TRUE(engine.flags.OCSWaiver);
    queue({1});
    EXPECT_EQ(engine.GetSpecialDuty(1), "Cross Training");
    EXPECT_EQ(view.log.last(), "OCS age waiver denied");
    EXPECT_FALSE(engine.flags.OCSWaiver);
    EXPECT_EQ(store.GetSAs(), QStringList({"OCS-1"})) << "recorded once, when first drawn";
}

TEST_F(Career, CommissionMakesAnOfficerOfRankOne)
{
    view.header[HeaderField::Branch] = "Crew";
    store.SaveInt("Rank", 6);
    store.SaveInt("Assignment", 2);
    store.SaveInt("Term", 3);
    queue({1, 1, 1}); // a row 1 of each of the three tables
    engine.DoOCS();
    EXPECT_TRUE(store.GetBool("Officer"));
    EXPECT_EQ(store.GetInt("Rank"), 1);
    EXPECT_TRUE(view.log.contains("Promoted to Ensign"));
    EXPECT_EQ(store.GetInt("Assignment"), 3);
}

TEST_F(Career, CrossTrainingCountsLineAndCrewAsOneBranch)
{
    for (const char* branch : {"Crew", "Flight", "Line", "Medical"})
        store.AddXT(branch);
    EXPECT_EQ(engine.GetXTSet(), QStringList({"Crew", "Flight", "Medical"}));
}

struct BatchRun {
    int exitCode = -1;
    QString out, err;
};

// Runs a batch whose characters are saved in a folder of its own.
BatchRun runAuto(const QStringList& args)
{
    QTemporaryDir out;
    QProcess process;
    process.start(QStringLiteral(CORVANTIS_TEST_PLAY), QStringList{"auto", "--out", out.path()} + args);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(300000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

TEST(CareerBatch, EveryRandomCareerEndsOnTheFinalPage)
{
    const BatchRun run = runAuto({"--seed", "1", "--count", "400"});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 400);
    QSet<QString> endings;
    for (const QString& line : lines) {
        const QStringList fields = line.split('\t');
        ASSERT_EQ(fields.size(), 7) << qPrintable(line);
        endings.insert(fields[6]);
    }
    EXPECT_TRUE(endings.contains("died"));
    EXPECT_TRUE(endings.contains("mustered out"));
    EXPECT_TRUE(QSet<QString>({"died", "mustered out", "retired"}).contains(endings)) << qPrintable(QStringList(endings.values()).join(","));
}

TEST(CareerBatch, CharacterIIsPlayedFromSeedNPlusI)
{
    const BatchRun both = runAuto({"--seed", "40", "--count", "2"});
    const BatchRun second = runAuto({"--seed", "41"});
    ASSERT_EQ(both.exitCode, 0);
    const QStringList lines = both.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1].section('\t', 1), second.out.trimmed().section('\t', 1));
    EXPECT_EQ(runAuto({"--seed", "40", "--count", "2"}).out, both.out);
}

} // namespace
