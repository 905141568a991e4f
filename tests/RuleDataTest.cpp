// The rule data as shipped: every lookup the engine makes finds exactly one
// row, every entry is something the engine can learn, the generic skills
// offer enough at every tech level, and the pages' captions tell the truth.
#include "rules/RuleDatabase.h"
#include "tests/Fixtures.h"

#include <QRegularExpression>
#include <QSet>

namespace {

const QStringList Branches = {"Line", "Flight", "Gunnery", "Engineering", "Medical", "Technical"};
const QStringList BranchTables = {"Line/Crew", "Flight", "Gunnery", "Engineering", "Medical", "Technical"};
const QStringList Assignments = {"Training", "Shore Duty", "Patrol", "Siege", "Strike", "Battle"};
const QStringList ServiceTables = {"Navy Life", "Shipboard Life", "Shore Duty Life", "Petty Officer", "Command Officer", "Staff Officer"};
const QStringList Generic = {"Gun Combat", "Blade Combat", "Gunnery", "Vehicle"};
// The keys that raising a characteristic accepts ("+1 Str" -> "Str").
const QStringList AttributeKeys = {"Str", "Dex", "End", "Int", "Edu", "Soc"};

class RuleData : public ::testing::Test {
protected:
    RuleData() { rules.setFile(QDir(builtResources()).filePath("staticdata.rsd")); }

    std::vector<QStringList> rows(const char* sql)
    {
        auto result = rules.select(sql);
        EXPECT_TRUE(result.has_value()) << sql;
        EXPECT_TRUE(sink.errors.isEmpty()) << qPrintable(sink.errors.join("; "));
        return result.value_or(std::vector<QStringList>{});
    }

    QSet<QString> skillNames()
    {
        QSet<QString> names;
        for (const auto& row : rows("select Name from Skills"))
            names.insert(row[0]);
        return names;
    }

    // Each expected key appears exactly once, and no other key appears.
    void expectExactlyOnce(const char* sql, const QStringList& expectedKeys)
    {
        QHash<QString, int> seen;
        for (const auto& row : rows(sql))
            ++seen[row.join('|')];
        for (const QString& key : expectedKeys)
            EXPECT_EQ(seen.value(key), 1) << sql << ": " << qPrintable(key);
        EXPECT_EQ(seen.size(), expectedKeys.size()) << sql << ": unexpected keys";
    }

    static QStringList keys(const QStringList& first, int from, int to)
    {
        QStringList result;
        for (const QString& f : first)
            for (int roll = from; roll <= to; ++roll)
                result << f + '|' + QString::number(roll);
        return result;
    }

    static QStringList keys(const QStringList& first, const QStringList& second)
    {
        QStringList result;
        for (const QString& f : first)
            for (const QString& s : second)
                result << f + '|' + s;
        return result;
    }

    RecordingSink sink;
    RuleDatabase rules{&sink};
};

TEST_F(RuleData, EveryLookupKeyHasExactlyOneRow)
{
    expectExactlyOnce("select Branch, Roll from BranchSkills", keys(BranchTables, 1, 8));
    expectExactlyOnce("select Category, Roll from ServiceSkills", keys(ServiceTables, 1, 10));
    for (const char* sql : {"select Branch, Assignment from SurvivalRoll", "select Branch, Assignment from DecorationRoll",
                            "select Branch, Assignment from PromotionRoll", "select Branch, Assignment from SkillsRoll"})
        expectExactlyOnce(sql, keys(Branches, Assignments));
    expectExactlyOnce("select Rank, Roll from SpecialDuty", keys({"Enlisted", "Officer"}, 1, 7));
    expectExactlyOnce("select 'M', Roll from Material", keys({"M"}, 1, 7));
    expectExactlyOnce("select 'C', Roll from Cash", keys({"C"}, 1, 7));
    expectExactlyOnce("select 'N', Social from Nobility", keys({"N"}, 11, 15));
    expectExactlyOnce("select Type, Rank from Ranks", keys({"Officer"}, 1, 10) + keys({"Enlisted"}, 1, 9));
}

TEST_F(RuleData, TablesAreStoredInRollOrderForTheCaptionsBuiltFromThem)
{
    for (const char* sql : {"select Branch, Roll from BranchSkills", "select Category, Roll from ServiceSkills",
                            "select Rank, Roll from SpecialDuty"}) {
        QHash<QString, int> last;
        for (const auto& row : rows(sql)) {
            EXPECT_EQ(row[1].toInt(), last.value(row[0]) + 1) << sql << ": " << qPrintable(row.join(' '));
            last[row[0]] = row[1].toInt();
        }
    }
}

TEST_F(RuleData, EveryTableEntryIsSomethingTheEngineCanLearn)
{
    const QSet<QString> skills = skillNames();
    const QRegularExpression increase(QStringLiteral("^\\+[12] (\\w+)$"));
    for (const auto& row : rows("select Category, Skill from ServiceSkills")) {
        const QString& entry = row[1];
        const auto match = increase.match(entry);
        const bool ok = skills.contains(entry) || Generic.contains(entry) ||
                        (match.hasMatch() && AttributeKeys.contains(entry.mid(3, 3)));
        EXPECT_TRUE(ok) << qPrintable(row.join(": "));
    }
    // The trainings learn a branch entry literally: only real skills, and the
    // two generic skills the training opens the picker for.
    for (const auto& row : rows("select Branch, Skill from BranchSkills")) {
        const QString& entry = row[1];
        const bool ok = (skills.contains(entry) && !Generic.contains(entry)) || entry == "Gun Combat" || entry == "Gunnery";
        EXPECT_TRUE(ok) << qPrintable(row.join(": "));
    }
    for (const auto& row : rows("select Roll, Benefit from Material")) {
        const QString& benefit = row[1];
        if (benefit.startsWith('+')) {
            EXPECT_TRUE(AttributeKeys.contains(benefit.mid(3, 3))) << qPrintable(benefit);
        }
    }
}

TEST_F(RuleData, EveryGenericSkillOffersTwoAtEveryTechLevel)
{
    const auto skills = rows("select Name, Special, TLLow, TLHigh from Skills");
    for (const QString& generic : Generic) {
        for (int tl = 7; tl <= 15; ++tl) {
            QStringList offered;
            for (const auto& s : skills)
                if (s[1] == generic && s[2].toInt() <= tl && tl <= s[3].toInt())
                    offered << s[0];
            EXPECT_GE(offered.size(), 2) << qPrintable(generic) << " at TL " << tl;
        }
        bool varies = false;
        for (const auto& s : skills)
            if (s[1] == generic && (s[2].toInt() > 7 || s[3].toInt() < 15))
                varies = true;
        EXPECT_TRUE(varies) << qPrintable(generic) << ": no skill appears or vanishes with tech level";
    }
}

TEST_F(RuleData, WeaponGroupsAreOfferedAndTheirMembersAreNot)
{
    const auto skills = rows("select Name, Special from Skills");
    QHash<QString, QString> special;
    for (const auto& s : skills)
        special.insert(s[0], s[1]);
    EXPECT_EQ(special.value("Handgun"), "Gun Combat");
    EXPECT_EQ(special.value("Laser Weapons"), "Gun Combat");
    for (const char* member : {"Automatic Pistol", "Revolver", "Body Pistol", "Snub Pistol", "Laser Carbine", "Laser Rifle"}) {
        ASSERT_TRUE(special.contains(member)) << member;
        EXPECT_FALSE(Generic.contains(special.value(member))) << member << " would be offered on its own";
    }
}

TEST_F(RuleData, EverySkillHasOneRowAndADescription)
{
    QSet<QString> seen;
    for (const auto& row : rows("select Name, Description from Skills")) {
        EXPECT_FALSE(seen.contains(row[0])) << "twice: " << qPrintable(row[0]);
        seen.insert(row[0]);
        EXPECT_FALSE(row[1].trimmed().isEmpty()) << qPrintable(row[0]);
        EXPECT_LE(row[1].count(QRegularExpression("[.!?](\\s|$)")), 3) << qPrintable(row[0]) << ": more than three sentences";
    }
}

TEST_F(RuleData, EverySkillThatCodeNamesHasARow)
{
    const QStringList named = {
        // academy, honours schools, flight school
        "Vacc Suit", "Navigation", "Engineering", "Medical", "Computer", "Administration", "Pilot", "Ships Boat",
        // the special duty schools and their instructor lists
        "Ships Lasers", "Ships Missiles", "Ships Particle Accelerators", "Ships Energy Weapons", "Ships Meson Weapons",
        "Ships Screens", "Mechanical", "Electronics", "Gravitics", "Forgery", "Bribery", "Streetwise", "Interrogation",
        "Handgun", "Submachinegun", "Laser Weapons", "Ship Tactics", "Fleet Tactics", "Leader", "Liaison", "Instruction",
        "Recruiting",
        // specialist school
        "Communications",
        // the survival and promotion modifiers
        "Zero-G Combat", "Jack-o-T",
        // the weapon groups, the mustering-out dice
        "Automatic Pistol", "Revolver", "Body Pistol", "Snub Pistol", "Laser Carbine", "Laser Rifle", "Gambling",
    };
    const QSet<QString> skills = skillNames();
    for (const QString& name : named)
        EXPECT_TRUE(skills.contains(name)) << qPrintable(name);
    EXPECT_FALSE(rows("select Name from Skills where Special = 'Blade Combat'").empty()) << "no blade for the weapon dialog";
}

// The page captions, as the pages show them, against the rows behind them.
TEST_F(RuleData, TheSkillTablePageShowsTheServiceTables)
{
    // What the abbreviated captions stand for.
    const QHash<QString, QString> fullName = {
        {"Blade Cbt", "Blade Combat"},   {"Gun Cbt", "Gun Combat"},     {"Electronic", "Electronics"},
        {"Fwd Obs", "Forward Observer"}, {"Ship's Boat", "Ships Boat"}, {"Admin", "Administration"},
        {"Ship Tactic", "Ship Tactics"}, {"Fleet Tactic", "Fleet Tactics"}, {"Zero-G Cbt", "Zero-G Combat"},
        {"Commo", "Communications"},     {"Instruct", "Instruction"},   {"BattleDress", "Battle Dress"},
    };
    const QHash<QString, QStringList> captions = {
        {"Navy Life", {"Brawling", "+1 Str", "Carousing", "Gambling", "+1 End", "+1 Dex", "+1 End", "+1 Edu", "Carousing", "Vacc Suit"}},
        {"Shipboard Life", {"Gambling", "+1 Dex", "Blade Cbt", "Mechanical", "Ship's Boat", "Vacc Suit", "Zero-G Cbt", "Commo", "Admin", "Jack-o-T"}},
        {"Shore Duty Life", {"Carousing", "Vehicle", "Fwd Obs", "Vacc Suit", "Liaison", "Vehicle", "Fwd Obs", "Survival", "Vacc Suit", "BattleDress"}},
        {"Petty Officer", {"Vacc Suit", "Blade Cbt", "Gun Cbt", "Mechanical", "Medical", "Leader", "Zero-G Cbt", "+1 Edu", "Instruct", "Admin"}},
        {"Command Officer", {"Vehicle", "+1 End", "Gun Cbt", "Ship's Boat", "Pilot", "Ship Tactic", "Leader", "+1 Soc", "Leader", "Ship Tactic"}},
        {"Staff Officer", {"Computer", "Electronic", "Gun Cbt", "Admin", "Bribery", "Ship Tactic", "Fleet Tactic", "+1 Int", "Ship Tactic", "Fleet Tactic"}},
    };
    for (const auto& row : rows("select Category, Roll, Skill from ServiceSkills")) {
        const QString caption = captions.value(row[0]).value(row[1].toInt() - 1);
        EXPECT_EQ(fullName.value(caption, caption), row[2]) << qPrintable(row[0]) << " row " << qPrintable(row[1]);
    }
    // The first-term officer training shows the first six Staff Officer rows.
    QStringList staff;
    for (const auto& row : rows("select Skill from ServiceSkills where Category = 'Staff Officer' and Roll <= 6"))
        staff << row[0];
    EXPECT_EQ(staff, QStringList({"Computer", "Electronics", "Gun Combat", "Administration", "Bribery", "Ship Tactics"}));
}

TEST_F(RuleData, TheSpecialDutyAndMusteringPagesShowTheirTables)
{
    const QHash<QString, QString> duty = {{"Cross-Training", "Cross Training"}, {"Officer Candidate School", "OCS"}};
    const QStringList enlisted = {"Cross-Training", "Specialist School", "Recruiting Duty", "Gunnery School",
                                  "Engineering School", "Officer Candidate School", "Officer Candidate School"};
    const QStringList officer = {"Cross-Training", "Intelligence School", "Recruiting Duty", "Naval Attache/Aide",
                                 "Command College", "Staff College", "Staff College"};
    for (const auto& row : rows("select Rank, Roll, Duty from SpecialDuty")) {
        const QString caption = (row[0] == "Officer" ? officer : enlisted).value(row[1].toInt() - 1);
        EXPECT_EQ(duty.value(caption, caption), row[2]) << qPrintable(row.join(' '));
    }
    const QStringList material = {"Low Passage", "+1 Int", "+2 Edu", "Blade", "Rovanteers' Aid", "High Passage", "+2 Social"};
    const QStringList cash = {"1000", "5000", "5000", "10000", "20000", "50000", "50000"};
    for (const auto& row : rows("select Roll, Benefit from Material"))
        EXPECT_EQ(row[1], material.value(row[0].toInt() - 1));
    for (const auto& row : rows("select Roll, Benefit from Cash"))
        EXPECT_EQ(row[1], cash.value(row[0].toInt() - 1));
}

TEST_F(RuleData, TheAssignmentNumbersPlayWell)
{
    QHash<QString, int> survival, skill;
    for (const auto& row : rows("select Branch, Assignment, Roll from SurvivalRoll"))
        survival[row[0] + '|' + row[1]] = row[2].toInt();
    for (const auto& row : rows("select Branch, Assignment, Roll from SkillsRoll"))
        skill[row[0] + '|' + row[1]] = row[2].toInt();
    bool promotionZero = false, promotionNegative = false;
    for (const auto& row : rows("select Roll from PromotionRoll")) {
        promotionZero |= row[0].toInt() == 0;
        promotionNegative |= row[0].toInt() < 0;
    }
    EXPECT_TRUE(promotionZero && promotionNegative) << "some assignments promote no one, some only the enlisted";
    for (const QString& branch : Branches) {
        int previous = 0;
        for (const QString& assignment : Assignments) {
            const int number = survival.value(branch + '|' + assignment);
            EXPECT_GE(number, previous) << qPrintable(branch) << " " << qPrintable(assignment) << ": danger must grow";
            EXPECT_LE(number, 8) << qPrintable(branch) << " " << qPrintable(assignment);
            previous = number;
            const int s = skill.value(branch + '|' + assignment);
            EXPECT_TRUE(s >= 3 && s <= 9) << qPrintable(branch) << " " << qPrintable(assignment) << ": skill roll " << s;
        }
    }
}

} // namespace
