// The career pages on the real handlers: command, reenlistment and
// mustering out, driven with chosen dice.
#include "tests/Fixtures.h"
#include "wizard/Host.h"
#include "wizard/Main.h"

namespace {

class QuietHost : public Host {
public:
    void showMessages(const QStringList& texts) override { messages << texts; }
    QString pickSkill(const QString&, const QStringList& offered, const std::function<QString(const QString&)>&) override
    {
        return offered.value(0);
    }
    WeaponChoice pickWeapon(const QStringList& weapons, const std::function<QString(const QString&)>&,
                            const std::function<bool(const QString&)>& held) override
    {
        ++weaponDialogs;
        return {weapons.value(0), increase && held(weapons.value(0))};
    }
    QStringList messages;
    int weaponDialogs = 0;
    bool increase = false;
};

class CareerPages : public ::testing::Test {
protected:
    CareerPages()
    {
        main.Event_Open(builtResources());
        main.store().setFile(db.path());
        main.form().at("NavyPlacard").setVisible(true);
    }

    void queue(std::initializer_list<int> faces)
    {
        for (int face : faces)
            dice.queue(face);
    }

    CharacterStore& store() { return main.store(); }
    Control& control(const char* name, int index = -1) { return main.form().at(name, index); }

    TempCharacterDb db;
    Dice dice{11};
    QuietHost host;
    Main main{dice, host};
};

TEST_F(CareerPages, TheCommandRollCountsRankAndCharacteristics)
{
    store().SaveBool("Officer", true);
    store().SaveInt("Rank", 1);
    store().SaveInt("Social", 11);
    store().SaveInt("Intelligence", 7);
    store().SaveInt("Education", 7);
    main.setHeaderText(HeaderField::Branch, "Line");
    // Line needs 7; DM -2 -1 -1 +1 = -3, so 9 fails and 10 succeeds.
    for (const auto& [faces, command] : {std::pair{std::pair{4, 5}, false}, std::pair{std::pair{4, 6}, true}}) {
        main.engine().flags.CommandAttempt = true;
        main.engine().flags.CommandAssignment = "Training";
        main.form().setCurrentPage(7);
        main.select("CommandRadioButton", 0);
        queue({faces.first, faces.second});
        // Page 5 then resolves the training mission: survive, no skill.
        queue({6, 6, 1, 1, 1, 1});
        main.press("CommandButton");
        EXPECT_EQ(main.engine().flags.Command, command) << faces.first + faces.second;
        EXPECT_TRUE(main.log().lines().contains(command ? "Assigned to Command on a Training mission"
                                                        : "Assigned to Staff on a Training mission"));
    }
}

TEST_F(CareerPages, ReenlistmentByTerm)
{
    struct Case {
        int term;
        bool reenlistOpen;
        const char* leaveCaption;
    };
    for (const Case& c : {Case{4, true, "Muster Out"}, Case{5, true, "Retire"}, Case{7, false, "Retire"}}) {
        store().SaveInt("Term", c.term);
        main.setPage(10);
        EXPECT_EQ(control("ReenlistRadioButton", 0).enabled(), c.reenlistOpen) << c.term;
        EXPECT_EQ(control("ReenlistRadioButton", 1).caption(), c.leaveCaption) << c.term;
    }
    store().SaveInt("Term", 8);
    main.setPage(10);
    EXPECT_EQ(main.form().currentPage(), 17);
    EXPECT_TRUE(store().GetBool("Retired"));
    EXPECT_TRUE(main.log().lines().contains("Retired due to age"));
    EXPECT_TRUE(main.log().lines().contains("Annual retirement pay is CR10000"));
}

TEST_F(CareerPages, LeavingIsRefusedOnlyOnTwelve)
{
    store().SaveInt("Term", 3);
    main.setPage(10);
    main.select("ReenlistRadioButton", 1);
    queue({6, 6});
    main.press("ReenlistButton");
    EXPECT_TRUE(main.log().lines().contains("Mustering out denied"));
    EXPECT_EQ(store().GetInt("Term"), 4);
    EXPECT_EQ(store().GetInt("Assignment") >= 1, true);

    store().SaveInt("Term", 5);
    main.setPage(10);
    main.select("ReenlistRadioButton", 1);
    queue({6, 5});
    main.press("ReenlistButton");
    EXPECT_TRUE(main.log().lines().contains("Retiring from service"));
    EXPECT_TRUE(store().GetBool("Retired"));
    EXPECT_EQ(main.form().currentPage(), 17);
}

TEST_F(CareerPages, BenefitRollsFollowTermsAndRank)
{
    struct Case {
        bool officer;
        int rank, terms, total, cash;
    };
    for (const Case& c : {Case{false, 5, 4, 4, 3}, Case{true, 3, 4, 5, 3}, Case{true, 4, 4, 6, 3}, Case{false, 1, 2, 2, 2}}) {
        store().SaveBool("Officer", c.officer);
        store().SaveInt("Rank", c.rank);
        store().SaveInt("Term", c.terms);
        main.setPage(17);
        EXPECT_EQ(main.TotalRolls, c.total);
        EXPECT_EQ(main.CashRolls, c.cash);
        EXPECT_EQ(control("MusterTotalLabel").caption(), QString::number(c.total));
    }
}

TEST_F(CareerPages, TheLastCashRollSpendsTheRestOnMaterial)
{
    store().SaveBool("Officer", true);
    store().SaveInt("Rank", 4);
    store().SaveInt("Term", 5); // 7 rolls
    store().SaveBool("Retired", true);
    main.setPage(17);
    EXPECT_TRUE(main.log().lines().contains("Annual retirement pay is CR4000"));
    EXPECT_EQ(store().GetInt("Pension"), 4000);
    main.select("MusterRadioButton", 1);
    queue({1, 2});
    main.press("MusterButton");
    main.press("MusterButton");
    EXPECT_EQ(store().GetInt("Cash"), 6000);
    EXPECT_EQ(main.form().currentPage(), 17);
    // The third cash roll, then four material rolls at once: Low Passage,
    // High Passage, +2 Edu (two steps), Rovanteers' Aid.
    queue({4, 1, 6, 3, 5});
    main.press("MusterButton");
    EXPECT_EQ(main.form().currentPage(), 14);
    EXPECT_EQ(store().GetInt("Cash"), 16000);
    EXPECT_FALSE(control("MusterRadioButton", 1).enabled());
    EXPECT_EQ(store().GetBenefits(), QStringList({"Low Passage-1", "High Passage-1", "Rovanteers' Aid-1"}));
    EXPECT_EQ(main.log().lines().count("Edu +1"), 2);
}

TEST_F(CareerPages, ABladeOpensTheWeaponDialogAndAHeldBladeCanBeRaised)
{
    store().SaveInt("Term", 2);
    main.setPage(17);
    main.select("MusterRadioButton", 0);
    queue({4});
    main.press("MusterButton");
    ASSERT_EQ(host.weaponDialogs, 1);
    const QStringList benefits = store().GetBenefits();
    ASSERT_EQ(benefits.size(), 1);
    const QString blade = benefits[0].section('-', 0, -2);
    EXPECT_TRUE(main.log().lines().contains("Weapon: " + blade));

    host.increase = true;
    queue({4});
    main.press("MusterButton");
    EXPECT_EQ(store().SkillLevel(blade), 1);
    EXPECT_TRUE(main.log().lines().contains(blade + " +1"));
    EXPECT_EQ(main.form().currentPage(), 14);
}

TEST_F(CareerPages, ARuleDatabaseWithoutBladesSaysSoAndSpendsTheRoll)
{
    main.rules().setFile(db.missing());
    store().SaveInt("Term", 1);
    main.setPage(17);
    main.select("MusterRadioButton", 0);
    queue({4});
    main.press("MusterButton");
    EXPECT_EQ(main.form().currentPage(), 14) << "the roll is spent";
    EXPECT_EQ(host.weaponDialogs, 0);
}

TEST_F(CareerPages, CrossTrainingWaitsForABranch)
{
    store().SaveStr("Branch", "Crew");
    main.setPage(9);
    EXPECT_FALSE(control("BranchXTRadioButton", 0).enabled());
    EXPECT_FALSE(control("BranchXTButton").enabled());
    main.select("BranchXTRadioButton", 1);
    EXPECT_TRUE(control("BranchXTButton").enabled());
}

} // namespace
