// The engine's building blocks: dice, Hx, characteristics, noble titles,
// terms, aging and rank, and the skill limit notice.
#include "engine/Module1.h"
#include "rules/RuleDatabase.h"
#include "store/CharacterStore.h"
#include "tests/Fixtures.h"

#include <map>

namespace {

class EngineTest : public ::testing::Test {
protected:
    EngineTest()
    {
        store.setFile(db.path());
        rules.setFile(QDir(builtResources()).filePath("staticdata.rsd"));
    }

    void queue(std::initializer_list<int> faces)
    {
        for (int face : faces)
            dice.queue(face);
    }

    TempCharacterDb db;
    RecordingSink sink;
    CharacterStore store{&sink};
    RuleDatabase rules{&sink};
    Dice dice{1};
    RecordingView view;
    Module1 engine{store, rules, dice, view};
};

TEST(Hx, ShowsPseudoHexadecimalAndClampsBothEnds)
{
    const std::pair<int, const char*> cases[] = {{-1, "0"}, {0, "0"}, {9, "9"}, {10, "A"},
                                                 {12, "C"}, {15, "F"}, {16, "F"}, {99, "F"}};
    for (const auto& [value, shown] : cases)
        EXPECT_EQ(Module1::Hx(value), shown) << value;
}

TEST(DiceTest, FacesAreUniformAndTheSameSeedRepeats)
{
    Dice a(42), b(42);
    std::map<int, int> counts;
    for (int i = 0; i < 60000; ++i) {
        const int face = a.roll();
        ASSERT_EQ(face, b.roll());
        ++counts[face];
    }
    ASSERT_EQ(counts.size(), 6u);
    for (const auto& [face, count] : counts) {
        EXPECT_GE(face, 1);
        EXPECT_LE(face, 6);
        EXPECT_NEAR(count, 10000, 500) << "face " << face;
    }
}

TEST(DiceTest, QueuedFacesComeFirstAndDoNotAdvanceTheGenerator)
{
    Dice plain(7), scripted(7);
    scripted.queue(6);
    scripted.queue(1);
    EXPECT_EQ(scripted.roll(), 6);
    EXPECT_EQ(scripted.roll(), 1);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(scripted.roll(), plain.roll());
}

TEST_F(EngineTest, TwoDiceNeverLeaveTwoToTwelve)
{
    for (int i = 0; i < 2000; ++i) {
        const int roll = engine.Roll2Dice();
        ASSERT_GE(roll, 2);
        ASSERT_LE(roll, 12);
    }
}

TEST_F(EngineTest, RaisingStopsAtFifteenAndStillLogs)
{
    store.SaveInt("Strength", 15);
    engine.IncAttribute("+1 Str");
    EXPECT_EQ(store.GetInt("Strength"), 15);
    EXPECT_EQ(view.header[HeaderField::Str], "F");
    EXPECT_EQ(view.log, QStringList({"Str +1"}));
}

TEST_F(EngineTest, RaisingAnEducationAboveFifteenNeverLowersIt)
{
    store.SaveInt("Education", 17); // school gains have no upper bound
    engine.IncAttribute("+1 Edu");
    EXPECT_EQ(store.GetInt("Education"), 17);
    EXPECT_EQ(view.log, QStringList({"Edu +1"}));
}

TEST_F(EngineTest, IncAttributeTakesTheKeyFromTheEntry)
{
    store.SaveInt("Dexterity", 7);
    engine.IncAttribute("+2 Dexterity");
    EXPECT_EQ(store.GetInt("Dexterity"), 8);
    EXPECT_EQ(view.header[HeaderField::Dex], "8");
    EXPECT_EQ(view.log, QStringList({"Dex +1"}));
}

TEST_F(EngineTest, LoweringStopsAtZeroAndStillLogs)
{
    store.SaveInt("Endurance", 0);
    engine.DecAttribute("End");
    EXPECT_EQ(store.GetInt("Endurance"), 0);
    EXPECT_EQ(view.log, QStringList({"Aging: End -1"}));
    engine.DecAttribute("Edu"); // aging never lowers Education
    EXPECT_EQ(view.log.size(), 1);
}

TEST_F(EngineTest, NobleTitlesFollowSocialStandingByPosition)
{
    struct Case {
        int social;
        Sex sex;
        const char* title; // "" = no title and no log line
    };
    const Case cases[] = {{10, Sex::Male, ""},       {11, Sex::Male, "Knight"}, {11, Sex::Female, "Dame"},
                          {12, Sex::Female, "Baroness"}, {15, Sex::Male, "Duke"}, {16, Sex::Male, ""}};
    for (const Case& c : cases) {
        view.log.clear();
        view.header[HeaderField::Nobility] = "stale";
        store.SaveInt("Social", c.social);
        engine.SetNobility(c.sex);
        EXPECT_EQ(view.header[HeaderField::Nobility], c.title) << c.social;
        if (*c.title)
            EXPECT_EQ(view.log, QStringList({QString("Noble Title=") + c.title}));
        else
            EXPECT_TRUE(view.log.isEmpty());
    }
}

TEST_F(EngineTest, RaisingSocialIntoNobilitySetsTheTitleForTheSelectedSex)
{
    view.sex = Sex::Female;
    store.SaveInt("Social", 10);
    engine.IncAttribute("+1 Soc");
    EXPECT_EQ(view.log, QStringList({"Soc +1", "Noble Title=Dame"}));
    EXPECT_EQ(view.header[HeaderField::Soc], "B");
}

TEST_F(EngineTest, SetTermStoresShowsAndLogsABoldLine)
{
    engine.SetTerm(0, 0);
    EXPECT_EQ(store.GetInt("Term"), 0);
    EXPECT_EQ(view.header[HeaderField::Term], "0");
    engine.SetTerm(1, 2);
    EXPECT_EQ(store.GetInt("Term"), 1);
    EXPECT_EQ(store.GetInt("Assignment"), 2);
    EXPECT_EQ(view.log, QStringList({"Term 0 Assignment 0", "Term 1 Assignment 2"}));
    EXPECT_EQ(view.bold, QList<int>({0, 1}));
}

// Aging: the new age, the dice, the characteristics lost and the dice left.
struct AgingCase {
    int from;
    std::vector<int> faces;
    std::vector<const char*> lines; // after the "Age=" line
    int strength, dexterity, endurance, intelligence;
};

void PrintTo(const AgingCase& c, std::ostream* os)
{
    *os << "age " << c.from << " to " << c.from + 1;
}

class AgingTest : public EngineTest, public ::testing::WithParamInterface<AgingCase> {};

TEST_P(AgingTest, RollsAtTheListedAgesOnly)
{
    const AgingCase& c = GetParam();
    for (const char* name : {"Strength", "Dexterity", "Endurance", "Intelligence"})
        store.SaveInt(name, 7);
    store.SaveInt("Age", c.from);
    for (int face : c.faces)
        dice.queue(face);
    engine.IncAge();
    EXPECT_EQ(dice.queued(), 0u) << "every queued die should have been rolled";
    QStringList expected{QString("Age=%1").arg(c.from + 1)};
    for (const char* line : c.lines)
        expected << line;
    EXPECT_EQ(view.log, expected);
    EXPECT_EQ(store.GetInt("Strength"), c.strength);
    EXPECT_EQ(store.GetInt("Dexterity"), c.dexterity);
    EXPECT_EQ(store.GetInt("Endurance"), c.endurance);
    EXPECT_EQ(store.GetInt("Intelligence"), c.intelligence);
    EXPECT_EQ(view.header[HeaderField::Age], QString::number(c.from + 1));
}

INSTANTIATE_TEST_SUITE_P(
    Ages, AgingTest,
    ::testing::Values(
        // 34: Str 8+, Dex 7+, End 8+; a Dex roll of exactly 7 ages, a Str 7 does not.
        AgingCase{33, {3, 4, 3, 4, 1, 1}, {"Aging: Dex -1"}, 7, 6, 7, 7},
        AgingCase{33, {4, 4, 6, 6, 4, 4}, {"Aging: Str -1", "Aging: Dex -1", "Aging: End -1"}, 6, 6, 6, 7},
        AgingCase{34, {}, {}, 7, 7, 7, 7},
        AgingCase{49, {4, 4, 4, 4, 4, 4}, {"Aging: Dex -1"}, 7, 6, 7, 7},
        // 66: four rolls, 9+ each, two points of the physical ones.
        AgingCase{65, {5, 4, 1, 1, 1, 1, 6, 3}, {"Aging: Str -1", "Aging: Str -1", "Aging: Int -1"}, 5, 7, 7, 6},
        AgingCase{74, {}, {}, 7, 7, 7, 7},
        AgingCase{80, {}, {}, 7, 7, 7, 7}),
    [](const ::testing::TestParamInfo<AgingCase>& param) {
        return "From" + std::to_string(param.param.from) + "Case" + std::to_string(param.index);
    });

TEST_F(EngineTest, AgingNeverTakesACharacteristicBelowZero)
{
    store.SaveInt("Strength", 1);
    store.SaveInt("Age", 69);
    queue({6, 6, 1, 1, 1, 1, 1, 1});
    engine.IncAge();
    EXPECT_EQ(store.GetInt("Strength"), 0);
    EXPECT_EQ(view.log.count("Aging: Str -1"), 2);
}

TEST_F(EngineTest, PromotionShowsTheLadderTitleByPosition)
{
    engine.IncRank();
    EXPECT_EQ(store.GetInt("Rank"), 1);
    EXPECT_EQ(view.log, QStringList({"Promoted to Spacehand Recruit"}));
    EXPECT_EQ(view.header[HeaderField::Rank], "Spacehand Recruit");

    view.log.clear();
    store.SaveBool("Officer", true);
    store.SaveInt("Rank", 5);
    engine.IncRank();
    EXPECT_EQ(view.log, QStringList({"Promoted to Captain"}));
}

TEST_F(EngineTest, AMedicPassesEnsignAndSublieutenantSilently)
{
    // Academy graduate (rank 1, an officer) through medical school.
    store.SaveBool("Officer", true);
    store.SaveInt("Rank", 1);
    store.SaveBool("Medic", true);
    engine.IncRank();
    engine.IncRank();
    EXPECT_EQ(store.GetInt("Rank"), 3);
    EXPECT_EQ(view.log, QStringList({"Promoted to Lieutenant"}));

    // A non-officer commissioned from rank 0 the same way.
    view.log.clear();
    store.SaveInt("Rank", 0);
    for (int i = 0; i < 3; ++i)
        engine.IncRank();
    EXPECT_EQ(view.log, QStringList({"Promoted to Lieutenant"}));
    EXPECT_EQ(view.header[HeaderField::Rank], "Lieutenant");
}

TEST_F(EngineTest, ARuleDatabaseFailureStillStoresTheRank)
{
    view.header[HeaderField::Rank] = "Ensign";
    rules.setFile(db.missing());
    store.SaveBool("Officer", true);
    store.SaveInt("Rank", 1);
    engine.IncRank();
    EXPECT_EQ(store.GetInt("Rank"), 2);
    EXPECT_EQ(view.header[HeaderField::Rank], "Ensign");
    EXPECT_TRUE(view.log.isEmpty());
    ASSERT_EQ(sink.errors.size(), 1);
    EXPECT_TRUE(sink.errors[0].startsWith("Database Error: 14"));
}

TEST_F(EngineTest, ACharacterDatabaseFailureStopsAgeAndRank)
{
    store.setFile(db.missing());
    engine.IncAge();
    engine.IncRank();
    engine.IncAttribute("+1 Str");
    EXPECT_TRUE(view.log.isEmpty());
    EXPECT_TRUE(view.header.isEmpty());
    EXPECT_EQ(sink.errors.size(), 3);
}

TEST_F(EngineTest, TheSkillLimitIsNoticedOnTheLevelThatReachesIt)
{
    store.SaveInt("Intelligence", 1);
    store.SaveInt("Education", 2);
    engine.AddSkill("Pilot");
    engine.AddSkill("Body Pistol"); // does not count
    EXPECT_TRUE(view.log.isEmpty());
    engine.AddSkill("Pilot");
    engine.AddSkill("Navigation");
    EXPECT_EQ(view.log, QStringList({"***Max Skill Level Limit Reached!***"}));
    engine.AddSkill("Navigation");
    EXPECT_EQ(view.log.size(), 1);
}

TEST_F(EngineTest, TheSecondRovanteersAidIsLoggedNotCounted)
{
    engine.AddBenefit("Rovanteers' Aid");
    engine.AddBenefit("Rovanteers' Aid");
    EXPECT_EQ(view.log, QStringList({"Rovanteers' Aid already earned"}));
    EXPECT_EQ(store.GetBenefits(), QStringList({"Rovanteers' Aid-1"}));
}

} // namespace
