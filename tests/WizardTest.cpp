// The main window's logic, headless: "Roll", ResetData, the page dispatcher
// and the folding of database errors into one box per distinct message.
#include "app/Shell.h"
#include "tests/Fixtures.h"
#include "wizard/Host.h"
#include "wizard/Main.h"

namespace {

class RecordingHost : public Host {
public:
    WeaponChoice pickWeapon(const QStringList& weapons, const std::function<QString(const QString&)>&,
                            const std::function<bool(const QString&)>&) override
    {
        return {weapons.value(0), false};
    }
    QString pickSkill(const QString&, const QStringList& offered, const std::function<QString(const QString&)>&) override
    {
        return offered.value(0);
    }
    void showMessages(const QStringList& texts) override { calls << texts; }
    QList<QStringList> calls; // one entry per user action that showed boxes
};

class WizardTest : public ::testing::Test {
protected:
    WizardTest()
    {
        main.Event_Open(builtResources());
        main.store().setFile(db.path());
    }

    void roll(std::initializer_list<int> faces)
    {
        for (int face : faces)
            dice.queue(face);
        main.press("UPPButton");
    }

    TempCharacterDb db;
    Dice dice{3};
    RecordingHost host;
    Main main{dice, host};
};

TEST_F(WizardTest, BeforeTheFirstRollNoPageCanBeUsed)
{
    EXPECT_EQ(main.form().currentPage(), 0);
    EXPECT_FALSE(main.form().at("NavyPlacard").visible());
    EXPECT_FALSE(main.usable(main.form().at("ServiceButton")));
    EXPECT_FALSE(main.usable(main.form().at("ServiceRadioButton", 0)));
    EXPECT_TRUE(main.usable(main.form().at("UPPButton")));
}

TEST_F(WizardTest, RollMakesANewCharacterOnPageZero)
{
    main.select("SexRadioButton", 1);
    // Strength 7, Dexterity 12, Endurance 2, Intelligence 10, Education 11, Social 12.
    roll({3, 4, 6, 6, 1, 1, 5, 5, 5, 6, 6, 6});
    const Form& form = main.form();
    EXPECT_EQ(main.log().lines(),
              QStringList({"Age=18", "Strength=7", "Dexterity=C", "Endurance=2", "Intelligence=A", "Education=B",
                           "Social Standing=C", "Noble Title=Baroness", "Term 0 Assignment 0"}));
    EXPECT_EQ(main.log().boldLines(), QSet<int>({8}));
    Form& f = main.form();
    EXPECT_EQ(f.at("AgeText").caption(), "18");
    EXPECT_EQ(f.at("DexText").caption(), "C");
    EXPECT_EQ(f.at("SocText").caption(), "C");
    EXPECT_EQ(f.at("NobilityText").caption(), "Baroness");
    EXPECT_EQ(f.at("TermText").caption(), "0");
    EXPECT_EQ(form.currentPage(), 0);
    EXPECT_TRUE(f.at("NavyPlacard").visible());
    EXPECT_TRUE(f.at("ServiceRadioButton", 0).checked());
    EXPECT_TRUE(main.usable(f.at("ServiceButton")));
    EXPECT_EQ(main.store().GetInt("Dexterity"), 12);
    EXPECT_EQ(main.store().GetInt("Age"), 18);
    EXPECT_TRUE(host.calls.isEmpty());
}

TEST_F(WizardTest, RollDiscardsTheWholePreviousCharacter)
{
    roll({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    CharacterStore& store = main.store();
    store.AddSkill("Pilot");
    store.AddBenefit("Low Passage");
    store.AddXT("Flight");
    store.SaveBool("Officer", true);
    store.SaveInt("Rank", 4);
    store.SaveStr("NavyType", "Imperial");
    main.form().at("NavyText").setCaption("Imperial");
    main.engine().flags.Promoted = true;
    main.engine().flags.DecorationDM = 3;
    main.form().at("NARadioButton", 0).setEnabled(false);
    main.form().at("HonorsLabel5").setEnabled(false);
    main.form().at("ServiceRadioButton", 2).setChecked(true);

    roll({2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
    EXPECT_EQ(main.log().lines().first(), "Age=18");
    EXPECT_EQ(main.log().lines().size(), 8);
    EXPECT_TRUE(store.GetSkills().isEmpty());
    EXPECT_TRUE(store.GetBenefits().isEmpty());
    EXPECT_TRUE(store.CrossTrainingRows().isEmpty());
    EXPECT_FALSE(store.GetBool("Officer"));
    EXPECT_EQ(store.GetInt("Rank"), 0);
    EXPECT_EQ(store.GetString("NavyType"), "");
    EXPECT_EQ(main.form().at("NavyText").caption(), "");
    EXPECT_FALSE(main.engine().flags.Promoted);
    EXPECT_EQ(main.engine().flags.DecorationDM, 0);
    EXPECT_TRUE(main.form().at("NARadioButton", 0).enabled());
    EXPECT_TRUE(main.form().at("HonorsLabel5").enabled());
    EXPECT_TRUE(main.form().at("ServiceRadioButton", 0).checked());
    EXPECT_FALSE(main.form().at("ServiceRadioButton", 2).checked());
}

TEST_F(WizardTest, ClosingLeavesAnEmptyCharacter)
{
    roll({6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6});
    main.store().AddSkill("Pilot");
    main.store().SaveBool("Pension", true); // the file's flag survives a reset
    main.Event_Close();
    CharacterStore& store = main.store();
    for (const auto& [name, value] : store.AttributeRows("Characteristics"))
        EXPECT_EQ(value, "0") << qPrintable(name);
    for (const auto& [name, value] : store.AttributeRows("Booleans"))
        EXPECT_EQ(value, name == "Pension" ? "1" : "0") << qPrintable(name);
    for (const auto& [name, value] : store.AttributeRows("Strings"))
        EXPECT_EQ(value, "") << qPrintable(name);
    EXPECT_TRUE(store.SkillRows().empty());
    EXPECT_TRUE(main.log().lines().isEmpty());
}

TEST_F(WizardTest, HeaderChoicesDoNotTouchTheCharacterDatabase)
{
    roll({2, 3, 2, 3, 2, 3, 2, 3, 2, 3, 2, 3});
    const auto before = main.store().AttributeRows("Characteristics");
    main.type("NameText", "Ada Varro");
    main.popup("HomeTLPopupMenu", 3);
    main.select("SexRadioButton", 1);
    EXPECT_EQ(main.store().AttributeRows("Characteristics"), before);
    EXPECT_EQ(main.homeTechLevel(), 12);
    EXPECT_EQ(main.form().at("NameText").caption(), "Ada Varro");
    EXPECT_EQ(main.form().at("NobilityText").caption(), ""); // no new title until Social changes
}

TEST_F(WizardTest, SettingTheShownPageRunsItsEntryLogicAgain)
{
    roll({3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3});
    main.form().at("ServiceRadioButton", 0).setChecked(false);
    main.setPage(0);
    EXPECT_FALSE(main.form().at("ServiceButton").enabled());
    main.select("ServiceRadioButton", 1);
    EXPECT_TRUE(main.form().at("ServiceButton").enabled());
}

TEST_F(WizardTest, OneActionShowsEachDistinctDatabaseErrorOnceWithItsCount)
{
    main.store().setFile(db.missing());
    roll({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    ASSERT_EQ(host.calls.size(), 1) << "one beep and one set of boxes per action";
    ASSERT_EQ(host.calls[0].size(), 1);
    const QString& box = host.calls[0][0];
    EXPECT_TRUE(box.startsWith("Database Error: 14\n\nunable to open database file")) << qPrintable(box);
    EXPECT_TRUE(box.endsWith(" times)")) << qPrintable(box);
    // The roll goes on: the header shows the values even though none was stored.
    EXPECT_EQ(main.form().at("StrText").caption(), "2");
    EXPECT_EQ(main.log().lines().first(), "Age=18");
}

TEST_F(WizardTest, DistinctErrorsOfOneActionEachGetABox)
{
    main.store().setFile(db.missing());
    main.rules().setFile(QDir(db.folder()).filePath("not-a-database.rsd"));
    {
        QFile junk(main.rules().file());
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(2048, 'z'));
    }
    main.action([&] {
        main.engine().SetNobility(Sex::Male); // the character database fails first
        main.store().SaveInt("Age", 1);
        (void)main.rules().select("select Male from Nobility");
    });
    ASSERT_EQ(host.calls.size(), 1);
    ASSERT_EQ(host.calls[0].size(), 2);
    EXPECT_TRUE(host.calls[0][0].startsWith("Database Error: 14"));
    EXPECT_TRUE(host.calls[0][0].endsWith("(2 times)"));
    EXPECT_TRUE(host.calls[0][1].startsWith("Database Error: 26"));
}

TEST_F(WizardTest, TheLogWindowAndTheViewMenuToggleTogether)
{
    Shell shell(main);
    EXPECT_EQ(shell.showLogText(), "Show Log");
    roll({1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2}); // the first line creates the window
    EXPECT_TRUE(shell.logWindowCreated());
    EXPECT_EQ(shell.showLogText(), "Hide Log");
    shell._ShowLogMenuItem_Action();
    EXPECT_EQ(shell.showLogText(), "Show Log");
    shell._ShowLogMenuItem_Action();
    EXPECT_EQ(shell.showLogText(), "Hide Log");
    EXPECT_EQ(main.log().lines().size(), 8) << "hiding and showing keeps the text";
    shell.logWindowClosed();
    EXPECT_EQ(shell.showLogText(), "Show Log");

    shell._ShowSkillsMenuItem_Action();
    EXPECT_EQ(shell.showSkillsText(), "Hide Skills");
    shell.skillsWindowClosed();
    EXPECT_EQ(shell.showSkillsText(), "Show Skills");
    shell._ShowSkillsMenuItem_Action();
    EXPECT_EQ(shell.showSkillsText(), "Hide Skills");
}

} // namespace
