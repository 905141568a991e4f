// The draws on the skill tables, the picker's offer under the home tech
// level, the weapon-group rule and the branch table with its re-roll.
#include "engine/Module1.h"
#include "rules/RuleDatabase.h"
#include "store/CharacterStore.h"
#include "store/Sqlite.h"
#include "tests/Fixtures.h"

namespace {

class SkillTables : public ::testing::Test {
protected:
    SkillTables()
    {
        store.setFile(db.path());
        rules.setFile(QDir(builtResources()).filePath("staticdata.rsd"));
    }

    // The row a die result reaches, read straight from the rule data.
    QString row(const char* table, const char* keyColumn, const QString& key, int roll)
    {
        sqlite::Connection raw(rules.file(), sqlite::Access::ReadOnly, &sink);
        const QString sql = QString("select Skill from %1 where %2 = ?1 and Roll = ?2").arg(table, keyColumn);
        auto r = raw.query(sql.toUtf8().constData(), {key, std::int64_t{roll}});
        return r.next() ? r.text(0) : QString("(none)");
    }

    QString draw(const std::function<QString()>& f, int face)
    {
        dice.queue(face);
        return f();
    }

    TempCharacterDb db;
    RecordingSink sink;
    CharacterStore store{&sink};
    RuleDatabase rules{&sink};
    Dice dice{5};
    RecordingView view;
    Module1 engine{store, rules, dice, view};
};

TEST_F(SkillTables, TheNavyShiftsTheBranchTableAndLineAndCrewShareIt)
{
    struct Case {
        const char* navy;
        int lowest, highest; // rows reached by a 1 and a 6
    };
    for (const Case& c : {Case{"Planetary", 1, 6}, Case{"Subsector", 2, 7}, Case{"Imperial", 3, 8}}) {
        store.SaveStr("NavyType", c.navy);
        for (const char* branch : {"Line", "Crew"}) {
            EXPECT_EQ(draw([&] { return engine.GetBranchTableSkill(branch); }, 1), row("BranchSkills", "Branch", "Line/Crew", c.lowest)) << c.navy;
            EXPECT_EQ(draw([&] { return engine.GetBranchTableSkill(branch); }, 6), row("BranchSkills", "Branch", "Line/Crew", c.highest)) << c.navy;
        }
    }
    store.SaveStr("NavyType", "");
    EXPECT_EQ(engine.GetBranchSkill("Flight"), "") << "without a navy no die is rolled and no row matches";
    EXPECT_EQ(dice.queued(), 0u);
}

TEST_F(SkillTables, ServiceTablesShiftWithRankAndCommission)
{
    struct Case {
        const char* table;
        bool officer;
        int rank;
        int lowest, highest;
    };
    const Case cases[] = {
        {"Staff Officer", true, 1, 1, 6},  {"Staff Officer", true, 4, 3, 8},  {"Staff Officer", true, 7, 5, 10},
        {"Navy Life", true, 1, 5, 10},     {"Navy Life", false, 3, 1, 6},     {"Petty Officer", false, 5, 3, 8},
        {"Petty Officer", false, 9, 5, 10}, {"Command Officer", true, 10, 5, 10},
    };
    for (const Case& c : cases) {
        store.SaveBool("Officer", c.officer);
        store.SaveInt("Rank", c.rank);
        for (auto draw2 : {&Module1::GetServiceTableSkill, &Module1::GetSkillTableSkill}) {
            EXPECT_EQ(draw([&] { return (engine.*draw2)(c.table); }, 1), row("ServiceSkills", "Category", c.table, c.lowest))
                << c.table << " rank " << c.rank;
            EXPECT_EQ(draw([&] { return (engine.*draw2)(c.table); }, 6), row("ServiceSkills", "Category", c.table, c.highest))
                << c.table << " rank " << c.rank;
        }
    }
}

TEST_F(SkillTables, ThePickerOffersWhatTheHomeTechLevelHas)
{
    view.techLevel = 7;
    const QStringList low = engine.GetSkillSet("Gun Combat");
    EXPECT_FALSE(low.contains("Laser Weapons")) << "lasers come later";
    EXPECT_TRUE(low.contains("Handgun"));
    view.techLevel = 15;
    const QStringList high = engine.GetSkillSet("Gun Combat");
    EXPECT_TRUE(high.contains("Laser Weapons"));
    EXPECT_FALSE(high.contains("Revolver")) << "group members are never offered on their own";
    EXPECT_TRUE(engine.GetSkillSet("Pilot").isEmpty());
}

TEST_F(SkillTables, WeaponGroupsExpandIntoTheirMembers)
{
    struct Case {
        const char* choice;
        QStringList log;
        QStringList skills;
    };
    const Case cases[] = {
        {"Handgun", {"Automatic Pistol +1", "Revolver +1", "Body Pistol +1", "Snub Pistol +1"},
         {"Automatic Pistol-1", "Revolver-1", "Body Pistol-1", "Snub Pistol-1"}},
        {"Laser Weapons", {"Laser Carbine +1", "Laser Rifle +1"}, {"Laser Carbine-1", "Laser Rifle-1"}},
        {"Rifle", {"Rifle +1"}, {"Rifle-1"}},
    };
    store.SaveInt("Intelligence", 12);
    store.SaveInt("Education", 12);
    for (const Case& c : cases) {
        store.DeleteSkills();
        view.log.clear();
        view.picks = {c.choice};
        engine.LearnTrainingEntry("Gun Combat");
        EXPECT_EQ(view.pickerLabels.last(), "Gun Combat requires a specific Skill selection");
        EXPECT_EQ(view.log, c.log);
        EXPECT_EQ(store.GetSkills(), c.skills);
    }
}

TEST_F(SkillTables, APickerWithNothingToOfferSaysSoAndLearnsNothing)
{
    view.techLevel = 15;
    engine.flags.SkillSelection = "Psionics";
    engine.DoSkillPicker();
    EXPECT_TRUE(view.pickerLabels.isEmpty()) << "no dialog without a choice";
    EXPECT_EQ(view.notices.size(), 1);
    EXPECT_EQ(engine.flags.SkillSelection, "");
    engine.LearnPicked(engine.flags.SkillSelection);
    EXPECT_TRUE(store.SkillRows().empty());
}

TEST_F(SkillTables, DescriptionsComeFromTheRuleDatabase)
{
    EXPECT_FALSE(engine.GetSkillDescription("Pilot").isEmpty());
    EXPECT_EQ(engine.GetSkillDescription("Underwater Basket Weaving"), "");
    const QStringList all = engine.GetAllSkills();
    EXPECT_TRUE(all.contains("Vacc Suit"));
    EXPECT_EQ(all.size(), QSet<QString>(all.begin(), all.end()).size());
}

TEST(BranchTable, TotalsMapToBranchesAtTheEdges)
{
    const std::tuple<int, const char*, const char*> cases[] = {
        {-1, "Technical", "Technical"}, {0, "Technical", "Technical"}, {1, "Crew", "Line"},
        {2, "Crew", "Line"},            {3, "Engineering", "Engineering"}, {4, "Engineering", "Gunnery"},
        {5, "Gunnery", "Line"},         {6, "Gunnery", "Flight"},      {7, "Medical", "Medical"},
        {10, "Medical", "Medical"},
    };
    for (const auto& [total, enlisted, officer] : cases) {
        EXPECT_EQ(Module1::BranchFor(total, false), enlisted) << total;
        EXPECT_EQ(Module1::BranchFor(total, true), officer) << total;
    }
}

TEST_F(SkillTables, GetBranchNeverGivesTheCurrentBranchInCrossTraining)
{
    store.SaveBool("Officer", true);
    store.SaveStr("NavyType", "Planetary");
    view.header[HeaderField::Branch] = "Line";
    engine.flags.OfficerXT = true;
    for (int face : {1, 2, 5, 3})
        dice.queue(face); // Line, Line, Line, then Engineering
    engine.GetBranch();
    EXPECT_EQ(engine.flags.OfficerXTBranch, "Engineering");
    EXPECT_EQ(view.header[HeaderField::Branch], "Line");
    EXPECT_EQ(view.log, QStringList({"Next assignment in the Engineering branch"}));
    EXPECT_EQ(store.CrossTrainingRows(), QStringList({"Engineering"}));
}

TEST_F(SkillTables, AnImperialEnlistedCharacterNeverRollsGunnery)
{
    store.SaveStr("NavyType", "Imperial");
    for (int face = 1; face <= 6; ++face) {
        view.header[HeaderField::Branch] = "";
        dice.queue(face);
        engine.GetBranch();
        EXPECT_NE(view.header[HeaderField::Branch], "Gunnery") << face;
    }
    EXPECT_EQ(view.log.count("Assigned to Technical branch"), 2);
    EXPECT_EQ(view.log.count("Assigned to Crew branch"), 2);
    EXPECT_EQ(view.log.count("Assigned to Engineering branch"), 2);
}

} // namespace
