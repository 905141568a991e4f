// The character store: attributes, lists, and what a failed or missing
// database gives.
#include "store/CharacterStore.h"
#include "store/Sqlite.h"
#include "tests/Fixtures.h"

namespace {

class StoreTest : public ::testing::Test {
protected:
    StoreTest() { store.setFile(db.path()); }

    void execRaw(const char* sql)
    {
        sqlite::Connection raw(db.path(), sqlite::Access::ReadWrite, &sink);
        ASSERT_TRUE(raw.exec(sql));
    }

    TempCharacterDb db;
    RecordingSink sink;
    CharacterStore store{&sink};
};

TEST_F(StoreTest, ValuesWrittenAreReadBackFromNewConnections)
{
    store.SaveInt("Age", 22);
    store.SaveBool("Officer", true);
    store.SaveStr("NavyType", "Subsector");
    CharacterStore other(&sink);
    other.setFile(db.path());
    EXPECT_EQ(other.GetInt("Age"), 22);
    EXPECT_TRUE(other.GetBool("Officer"));
    EXPECT_EQ(other.GetString("NavyType"), "Subsector");
    EXPECT_TRUE(sink.errors.isEmpty());
}

TEST_F(StoreTest, TheTwoPensionRowsAreIndependent)
{
    store.SaveInt("Pension", 4000);
    store.SaveBool("Pension", true);
    store.SaveInt("Pension", 0);
    EXPECT_TRUE(store.GetBool("Pension"));
    store.SaveInt("Pension", 1500);
    store.SaveBool("Pension", false);
    EXPECT_EQ(store.GetInt("Pension"), 1500);
}

TEST_F(StoreTest, TextWithQuotesIsStoredAsData)
{
    const QString hostile = "x'); DROP TABLE Skills; --";
    store.SaveStr("Branch", hostile);
    store.AddSkill(hostile);
    EXPECT_EQ(store.GetString("Branch"), hostile);
    ASSERT_EQ(store.SkillRows().size(), 1u);
    EXPECT_EQ(store.SkillRows()[0].first, hostile);
    EXPECT_TRUE(sink.errors.isEmpty());
}

TEST_F(StoreTest, AMissingRowReadsAsNeutralAndIsNeverCreated)
{
    execRaw("DELETE FROM Characteristics WHERE Attribute = 'Cash'");
    execRaw("DELETE FROM Booleans WHERE Attribute = 'Medic'");
    execRaw("DELETE FROM Strings WHERE Attribute = 'Branch'");
    store.SaveInt("Cash", 900);
    store.SaveBool("Medic", true);
    store.SaveStr("Branch", "Medical");
    EXPECT_EQ(store.GetInt("Cash"), 0);
    EXPECT_FALSE(store.GetBool("Medic"));
    EXPECT_EQ(store.GetString("Branch"), "");
    EXPECT_EQ(store.ReadInt("Cash"), 0);
    EXPECT_TRUE(sink.errors.isEmpty());
}

TEST_F(StoreTest, NamesMatchWholeAndExactly)
{
    store.SaveInt("Age", 30);
    EXPECT_EQ(store.GetInt("age"), 0);
    EXPECT_EQ(store.GetInt("Ag"), 0);
    EXPECT_EQ(store.GetInt("Age"), 30);
}

TEST_F(StoreTest, StepIntStopsAtItsBoundAndNeverMovesBackward)
{
    struct Case {
        int start, delta, expected;
    };
    const Case cases[] = {{14, +1, 15}, {15, +1, 15}, {17, +1, 17}, {1, -1, 0}, {0, -1, 0}};
    for (const Case& c : cases) {
        store.SaveInt("Education", c.start);
        EXPECT_EQ(store.StepInt("Education", c.delta, 0, 15), c.expected) << c.start << " " << c.delta;
        EXPECT_EQ(store.GetInt("Education"), c.expected);
    }
}

TEST_F(StoreTest, CountedListsCountRepeatsInTableOrder)
{
    store.AddSkill("Pilot");
    store.AddSkill("Vacc Suit");
    store.AddSkill("Pilot");
    EXPECT_EQ(store.GetSkills(), QStringList({"Pilot-2", "Vacc Suit-1"}));
    EXPECT_EQ(store.SkillLevel("Pilot"), 2);
    EXPECT_EQ(store.SkillLevel("Gambling"), 0);

    store.AddDecoration("Medal for Conspicuous Gallantry and Extraordinary Valour");
    store.AddDecoration("Medal for Conspicuous Gallantry and Extraordinary Valour");
    EXPECT_EQ(store.GetDecorations(), QStringList({"Medal for Conspicuous Gallantry and Extraordinary Valour-2"}));

    store.AddSA("Recruiting Duty");
    EXPECT_EQ(store.GetSAs(), QStringList({"Recruiting Duty-1"}));
}

TEST_F(StoreTest, LongSkillNamesAreListedCutTo24Characters)
{
    store.AddSkill("Zero-G Combat and Boarding Actions");
    EXPECT_EQ(store.GetSkills(), QStringList({"Zero-G Combat and Boardi-1"}));
}

TEST_F(StoreTest, RovanteersAidIsHeldOnceOtherBenefitsCount)
{
    EXPECT_TRUE(store.AddBenefit("Rovanteers' Aid"));
    EXPECT_FALSE(store.AddBenefit("Rovanteers' Aid"));
    EXPECT_TRUE(store.AddBenefit("Low Passage"));
    EXPECT_TRUE(store.AddBenefit("Low Passage"));
    EXPECT_EQ(store.GetBenefits(), QStringList({"Rovanteers' Aid-1", "Low Passage-2"}));
    EXPECT_TRUE(store.HasBenefit("Low Passage"));
    EXPECT_FALSE(store.HasBenefit("High Passage"));
}

TEST_F(StoreTest, SkillLevelQuestionsNeedTheLevelOnANamedSkill)
{
    store.AddSkill("Pilot");
    store.AddSkill("Gunnery");
    store.AddSkill("Gunnery");
    store.AddSkill("Gunnery");
    EXPECT_FALSE(store.SkillLevel2({"Pilot"}));
    EXPECT_TRUE(store.SkillLevel2({"Pilot", "Gunnery"}));
    EXPECT_TRUE(store.SkillLevel3({"Gunnery"}));
    EXPECT_FALSE(store.SkillLevel5({"Gunnery"}));
    EXPECT_FALSE(store.SkillLevel3({"Navigation"}));
    EXPECT_FALSE(store.HasGambling());
    store.AddSkill("Gambling");
    EXPECT_TRUE(store.HasGambling());
}

TEST_F(StoreTest, WeaponGroupExtrasDoNotCountTowardTheLimit)
{
    for (const char* skill : {"Automatic Pistol", "Revolver", "Body Pistol", "Snub Pistol", "Laser Carbine", "Laser Rifle"})
        store.AddSkill(skill);
    EXPECT_EQ(store.CountedSkillLevels(), 2);
}

TEST_F(StoreTest, CrossTrainingHoldsEachBranchOnce)
{
    store.AddXT("Medical");
    store.AddXT("Flight");
    store.AddXT("Medical");
    EXPECT_EQ(store.CrossTrainingRows(), QStringList({"Medical", "Flight"}));
}

TEST_F(StoreTest, DeletingEmptiesEachList)
{
    store.AddSkill("Pilot");
    store.AddDecoration("Combat Ribbon");
    store.AddSA("Flight School");
    store.AddBenefit("Low Passage");
    store.AddXT("Flight");
    store.DeleteSkills();
    store.DeleteDecorations();
    store.DeleteSAs();
    store.DeleteBenefits();
    store.DeleteXT();
    EXPECT_TRUE(store.GetSkills().isEmpty());
    EXPECT_TRUE(store.GetDecorations().isEmpty());
    EXPECT_TRUE(store.GetSAs().isEmpty());
    EXPECT_TRUE(store.GetBenefits().isEmpty());
    EXPECT_TRUE(store.CrossTrainingRows().isEmpty());
}

TEST(StoreFailure, EveryOperationOnAMissingFileReportsAndReturnsNeutral)
{
    TempCharacterDb db;
    RecordingSink sink;
    CharacterStore store(&sink);
    store.setFile(db.missing());

    const std::vector<std::function<void()>> operations = {
        [&] { EXPECT_EQ(store.GetInt("Age"), 0); },
        [&] { EXPECT_FALSE(store.GetBool("Officer")); },
        [&] { EXPECT_EQ(store.GetString("NavyType"), ""); },
        [&] { EXPECT_EQ(store.ReadInt("Age"), std::nullopt); },
        [&] { store.SaveInt("Age", 1); },
        [&] { store.SaveBool("Officer", true); },
        [&] { store.SaveStr("Branch", "Flight"); },
        [&] { EXPECT_EQ(store.StepInt("Rank", 1, 0, 10), std::nullopt); },
        [&] { store.AddSkill("Pilot"); },
        [&] { EXPECT_TRUE(store.GetSkills().isEmpty()); },
        [&] { EXPECT_FALSE(store.HasBenefit("Low Passage")); },
        [&] { store.DeleteXT(); },
    };
    for (size_t i = 0; i < operations.size(); ++i) {
        sink.errors.clear();
        operations[i]();
        ASSERT_EQ(sink.errors.size(), 1) << "operation " << i;
        EXPECT_TRUE(sink.errors[0].startsWith("Database Error: 14\n\n")) << qPrintable(sink.errors[0]);
    }
    EXPECT_FALSE(QFile::exists(db.missing())) << "the store must never create the file";
}

TEST(StoreFailure, AFileThatIsNotADatabaseIsReportedNotTrusted)
{
    TempCharacterDb db;
    {
        QFile junk(db.path());
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly | QIODevice::Truncate));
        junk.write(QByteArray(4096, 'x'));
    }
    RecordingSink sink;
    CharacterStore store(&sink);
    store.setFile(db.path());
    EXPECT_EQ(store.GetInt("Age"), 0);
    store.SaveInt("Age", 3);
    ASSERT_EQ(sink.errors.size(), 2);
    EXPECT_TRUE(sink.errors[0].startsWith("Database Error: 26\n\n")) << qPrintable(sink.errors[0]);
}

} // namespace
