// From "Roll" to the end of the first term's training, played whole through
// the headless driver with queued dice: enlistment, the academy, college and
// NOTC, the honours schools, the branch pages and the first-term training.
// Each scenario's last dump is compared line by line with its expected log;
// every row also checks the page and a few values of the state it dumps.
//
// Page 5's entry logic does not stop after the first term's training: it goes
// on with the term's assignments, which these paths do not cover. A path that
// enters page 5 is therefore checked up to the training's end: its log must
// begin with the expected lines, each list must begin with the expected
// entries (a level at least the expected one, as a later skill roll may raise
// it), and only values that nothing after the pre-service pages changes are
// compared; the page is wherever the first assignment leads.
#include "tests/PlayRunner.h"

#include <QHash>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

// A value of the dump, reached by a dotted path ("controls.NARadioButton.0.enabled"),
// and the JSON text it must equal.
using Check = std::pair<const char*, const char*>;

struct Path {
    const char* scenario; // tests/scenarios/preservice-NAME.play and .log
    int dump;             // index of the dump checked; -1 for the last, whose log is compared
    int page;             // 5: page 5 entered, the term's assignments follow
    std::vector<Check> checks;
};

void PrintTo(const Path& path, std::ostream* out)
{
    *out << path.scenario << " dump " << path.dump;
}

const char* const flightTable = R"("\nVacc Suit\nShips Boat\nPilot\nNavigation\nCommunications\nPilot\nGun Combat\nShip Tactics")";
const char* const lineCrewTable = R"("\nVacc Suit\nGun Combat\nZero-G Combat\nMechanical\nElectronics\nNavigation\nShip Tactics\nLeader")";

constexpr int assignments = 5;

const std::vector<Path> paths = {
    // Enlistment: a failed Planetary attempt selects the closed Subsector navy.
    {"enlist-retry", 0, 0,
     {{"controls.ServiceRadioButton.0.enabled", "true"}, {"controls.ServiceRadioButton.0.selected", "false"},
      {"controls.ServiceRadioButton.1.enabled", "false"}, {"controls.ServiceRadioButton.1.selected", "true"},
      {"controls.ServiceRadioButton.2.enabled", "false"}, {"controls.ServiceRadioButton.2.selected", "false"},
      {"controls.ServiceImperialLabel.enabled", "true"}, {"controls.ServiceSubsectorLabel.enabled", "false"},
      {"controls.ServicePlanetaryLabel.enabled", "false"}, {"controls.ServiceButton.enabled", "true"},
      {"strings.NavyType", R"("")"}}},
    {"enlist-retry", -1, assignments,
     {{"header.NavyText", R"("Subsector")"}, {"strings.NavyType", R"("Subsector")"}, {"booleans.Academy", "false"},
      {"booleans.College", "false"}, {"flags.FirstTerm", "false"},
      {"lists.Skills", R"([["Engineering",1],["Jack-o-T",1]])"}, {"lists.CrossTraining", R"(["Engineering"])"}}},
    {"enlist-all-fail", -1, 0,
     {{"placard_visible", "false"}, {"controls.ServiceRadioButton.0.enabled", "true"},
      {"controls.ServiceRadioButton.1.enabled", "true"}, {"controls.ServiceRadioButton.2.enabled", "true"},
      {"controls.ServiceRadioButton.1.selected", "true"}, {"controls.ServiceImperialLabel.enabled", "true"},
      {"controls.ServiceSubsectorLabel.enabled", "true"}, {"controls.ServicePlanetaryLabel.enabled", "true"},
      {"header.NavyText", R"("")"}, {"strings.NavyType", R"("")"}, {"characteristics.Term", "0"}}},
    // A second character's first branch roll stands, even when it repeats the first character's branch.
    {"enlistment", 0, assignments,
     {{"lists.Skills", R"([["Electronics",1],["Computer",1]])"}, {"lists.CrossTraining", R"(["Technical"])"}}},
    {"enlistment", -1, assignments,
     {{"lists.Skills", R"([["Communications",1],["Jack-o-T",1]])"}, {"lists.CrossTraining", R"(["Technical"])"}}},

    // The academy.
    {"academy-graduate", 0, 6,
     {{"booleans.Academy", "true"}, {"booleans.Officer", "true"}, {"booleans.Honors", "false"},
      {"characteristics.Rank", "1"}, {"header.RankText", R"("Ensign")"}, {"characteristics.Education", "8"},
      {"header.EduText", R"("8")"}, {"header.AgeText", R"("22")"}, {"characteristics.Assignment", "1"},
      {"header.BranchText", R"("Gunnery")"}, {"controls.OfficerTotalLabel.caption", R"("2")"},
      {"controls.OfficerBSLabel.caption",
       R"("\nVacc Suit\nGunnery\nGunnery\nForward Observer\nElectronics\nGunnery\nComputer\nShip Tactics")"},
      {"controls.OfficerSOLabel.caption", R"("\nComputer\nElectronics\nGun Combat\nAdministration\nBribery\nShip Tactics")"},
      {"controls.OfficerButton.enabled", "false"}, {"flags.TrainingRolls", "2"}, {"flags.FirstTerm", "true"},
      {"lists.Skills", R"([["Vacc Suit",1],["Engineering",1]])"}}},
    {"academy-graduate", 1, 6,
     {{"controls.OfficerTotalLabel.caption", R"("1")"}, {"flags.TrainingRolls", "1"}, {"header.AgeText", R"("22")"},
      {"lists.Skills", R"([["Vacc Suit",1],["Engineering",1],["Ships Missiles",1]])"}}},
    {"academy-graduate", -1, assignments,
     {{"booleans.Academy", "true"}, {"booleans.Honors", "false"}, {"flags.TrainingRolls", "0"},
      {"flags.FirstTerm", "false"}, {"lists.CrossTraining", R"(["Gunnery"])"},
      {"lists.Skills",
       R"([["Vacc Suit",1],["Engineering",1],["Ships Missiles",1],["Laser Carbine",1],["Laser Rifle",1]])"}}},
    {"academy-failure", 0, 4,
     {{"booleans.Academy", "false"}, {"booleans.Officer", "false"}, {"header.AgeText", R"("19")"},
      {"header.TermText", R"("1")"}, {"characteristics.Assignment", "2"},
      {"controls.BranchDMEnlLabel.enabled", "true"}, {"controls.BranchDMEnlLabel1.enabled", "true"},
      {"controls.BranchDMOffLabel.enabled", "false"}, {"controls.BranchDMOffLabel1.enabled", "false"},
      {"controls.BranchDMEduCheckBox.enabled", "true"}, {"controls.BranchDMIntCheckBox.enabled", "true"},
      {"controls.BranchDMButton.enabled", "true"}}},
    {"academy-failure", -1, assignments,
     {{"booleans.Academy", "false"}, {"header.HomeTLPopupMenu", R"("9")"},
      {"lists.Skills", R"([["Ships Autocannon",1],["Forward Observer",1]])"}, {"lists.CrossTraining", R"(["Gunnery"])"}}},
    {"academy-then-college", 0, 1,
     {{"controls.NARadioButton.0.enabled", "false"}, {"controls.NARadioButton.0.selected", "false"},
      {"controls.NARadioButton.1.enabled", "true"}, {"controls.NARadioButton.1.selected", "true"},
      {"controls.NAButton.enabled", "true"}, {"controls.NALabel1.enabled", "false"},
      {"controls.NALabel2.enabled", "false"}, {"controls.NALabel3.enabled", "false"},
      {"controls.CollegeLabel1.enabled", "true"}, {"controls.NACheckBox.enabled", "true"},
      {"characteristics.Term", "0"}}},
    {"academy-then-college", -1, assignments,
     {{"booleans.College", "true"}, {"booleans.Academy", "false"}, {"booleans.NOTC", "false"},
      {"lists.Skills",
       R"([["Automatic Pistol",1],["Revolver",1],["Body Pistol",1],["Snub Pistol",1],["Electronics",1]])"}}},
    {"forced-induction", 0, 4,
     {{"controls.BranchDMEduCheckBox.enabled", "false"}, {"controls.BranchDMEduCheckBox.checked", "false"},
      {"controls.BranchDMIntCheckBox.enabled", "true"}, {"controls.BranchDMEnlLabel.enabled", "true"},
      {"controls.BranchDMOffLabel.enabled", "false"}, {"booleans.College", "false"}, {"header.AgeText", R"("18")"},
      {"header.TermText", R"("1")"}, {"characteristics.Assignment", "1"}}},
    {"forced-induction", -1, assignments,
     {{"booleans.Academy", "false"}, {"booleans.College", "false"},
      {"lists.Skills", R"([["Medical",1],["Administration",1]])"}, {"lists.CrossTraining", R"(["Medical"])"}}},
    {"social-seven", 0, 1,
     {{"controls.NARadioButton.0.enabled", "false"}, {"controls.NARadioButton.0.selected", "false"},
      {"controls.NALabel1.enabled", "false"}, {"controls.NALabel2.enabled", "false"},
      {"controls.NALabel3.enabled", "false"}, {"controls.NARadioButton.1.enabled", "true"},
      {"controls.CollegeLabel1.enabled", "true"}, {"controls.NAButton.enabled", "false"}}},
    {"social-seven", -1, assignments,
     {{"header.NavyText", R"("Planetary")"}, {"lists.Skills", R"([["Vacc Suit",1],["Engineering",1]])"}}},

    // College and NOTC.
    {"college-notc", 0, 3,
     {{"booleans.College", "true"}, {"booleans.NOTC", "true"}, {"booleans.Officer", "true"},
      {"booleans.Academy", "false"}, {"header.RankText", R"("Ensign")"}, {"characteristics.Education", "11"},
      {"header.EduText", R"("B")"}, {"controls.BranchSocRadioButton.0.enabled", "true"},
      {"controls.BranchSocRadioButton.1.enabled", "true"}, {"controls.BranchSocRadioButton.5.enabled", "true"},
      {"controls.BranchSocButton.enabled", "false"}}},
    {"college-notc", -1, 6,
     {{"header.BranchText", R"("Line")"}, {"strings.Branch", R"("Line")"}, {"lists.CrossTraining", R"(["Line"])"},
      {"header.AgeText", R"("22")"}, {"controls.OfficerBSLabel.caption", lineCrewTable},
      {"controls.OfficerTotalLabel.caption", R"("2")"}, {"controls.OfficerButton.enabled", "false"}}},
    {"college-notc-refused", 0, 3,
     {{"booleans.College", "true"}, {"booleans.NOTC", "false"}, {"booleans.Officer", "false"},
      {"header.RankText", R"("")"}, {"characteristics.Education", "13"}, {"header.EduText", R"("D")"},
      {"controls.BranchSocRadioButton.0.enabled", "true"}, {"controls.BranchSocRadioButton.1.enabled", "false"},
      {"controls.BranchSocRadioButton.1.selected", "false"}, {"controls.BranchSocRadioButton.2.enabled", "true"},
      {"controls.BranchSocButton.enabled", "false"}}},
    {"college-notc-refused", -1, assignments,
     {{"booleans.College", "true"}, {"booleans.NOTC", "false"}, {"lists.CrossTraining", R"(["Crew"])"},
      {"lists.Skills", R"([["Leader",1],["Mechanical",1]])"}}},
    {"college-failure", -1, assignments,
     {{"booleans.College", "false"}, {"lists.Skills", R"([["Ships Lasers",1],["Ships Missiles",1]])"}}},

    // The honours schools.
    {"medical-honours", 0, 2,
     {{"booleans.Honors", "true"}, {"booleans.College", "true"}, {"booleans.Officer", "false"},
      {"header.TermText", R"("0")"}, {"characteristics.Term", "0"}, {"header.AgeText", R"("22")"},
      {"header.EduText", R"("B")"}, {"controls.HonorsRadioButton.0.enabled", "true"},
      {"controls.HonorsRadioButton.1.enabled", "false"}, {"controls.HonorsRadioButton.1.selected", "false"},
      {"controls.HonorsRadioButton.2.enabled", "true"}, {"controls.HonorsLabel1.enabled", "true"},
      {"controls.HonorsLabel4.enabled", "false"}, {"controls.HonorsLabel5.enabled", "false"},
      {"controls.HonorsLabel6.enabled", "false"}, {"controls.HonorsButton.enabled", "false"}}},
    {"medical-honours", -1, 6,
     {{"booleans.Medic", "true"}, {"booleans.Officer", "true"}, {"booleans.Flight", "false"},
      {"characteristics.Rank", "3"}, {"header.RankText", R"("Lieutenant")"}, {"characteristics.Education", "12"},
      {"header.EduText", R"("C")"}, {"header.BranchText", R"("Medical")"}, {"strings.Branch", R"("Medical")"},
      {"header.AgeText", R"("26")"}, {"header.TermText", R"("1")"}, {"characteristics.Assignment", "1"},
      {"lists.Skills", R"([["Medical",4],["Computer",1],["Administration",1]])"},
      {"lists.SpecialAssignments", R"([["Medical School",1]])"}, {"lists.CrossTraining", R"(["Medical"])"},
      {"controls.OfficerBSLabel.caption",
       R"("\nVacc Suit\nAdministration\nMedical\nComputer\nMedical\nSurvival\nMedical\nLeader")"}}},
    {"academy-medical", -1, assignments,
     {{"booleans.Academy", "true"}, {"booleans.Honors", "true"}, {"booleans.Medic", "true"},
      {"lists.SpecialAssignments", R"([["Medical School",1]])"},
      {"lists.Skills", R"([["Vacc Suit",1],["Navigation",1],["Medical",4],["Administration",1],["Ship Tactics",1]])"}}},
    {"flight-school", 0, 6,
     {{"booleans.Flight", "true"}, {"booleans.Medic", "false"}, {"header.BranchText", R"("Flight")"},
      {"strings.Branch", R"("Flight")"}, {"characteristics.Rank", "1"}, {"header.RankText", R"("Ensign")"},
      {"characteristics.Education", "9"}, {"header.AgeText", R"("23")"}, {"header.TermText", R"("1")"},
      {"characteristics.Assignment", "2"}, {"lists.SpecialAssignments", R"([["Flight School",1]])"},
      {"lists.Skills", R"([["Vacc Suit",1],["Pilot",2],["Navigation",1]])"},
      {"controls.OfficerBSLabel.caption", flightTable}}},
    {"flight-school", -1, assignments,
     {{"booleans.Flight", "true"}, {"lists.CrossTraining", R"(["Flight"])"},
      {"lists.Skills", R"([["Vacc Suit",1],["Pilot",3],["Navigation",1],["Rifle",1]])"}}},
    {"medical-refused-flight", 0, 2,
     {{"controls.HonorsRadioButton.0.enabled", "false"}, {"controls.HonorsRadioButton.0.selected", "false"},
      {"controls.HonorsRadioButton.1.enabled", "true"}, {"controls.HonorsRadioButton.1.selected", "true"},
      {"controls.HonorsButton.enabled", "true"}, {"controls.HonorsLabel1.enabled", "false"},
      {"controls.HonorsLabel3.enabled", "false"}, {"controls.HonorsLabel4.enabled", "true"}}},
    {"medical-refused-flight", -1, 6,
     {{"booleans.Flight", "false"}, {"booleans.Medic", "false"}, {"header.BranchText", R"("Line")"},
      {"header.AgeText", R"("23")"}, {"characteristics.Assignment", "2"}, {"characteristics.Rank", "1"},
      {"lists.SpecialAssignments", "[]"},
      {"lists.Skills", R"([["Vacc Suit",1],["Navigation",1],["Engineering",1]])"}}},
    {"honours-closing", 0, 4,
     {{"booleans.Officer", "true"}, {"header.TermText", R"("1")"}, {"characteristics.Assignment", "1"},
      {"header.AgeText", R"("22")"}, {"controls.BranchDMOffLabel.enabled", "true"},
      {"controls.BranchDMOffLabel1.enabled", "true"}, {"controls.BranchDMEnlLabel.enabled", "false"},
      {"controls.BranchDMEnlLabel1.enabled", "false"}, {"controls.BranchDMEduCheckBox.enabled", "true"},
      {"controls.BranchDMIntCheckBox.enabled", "true"}}},
    {"honours-closing", -1, 6,
     {{"header.BranchText", R"("Flight")"}, {"booleans.Flight", "false"}, {"lists.CrossTraining", R"(["Flight"])"},
      {"lists.Skills", "[]"}, {"controls.OfficerBSLabel.caption", flightTable}}},
    // Not an officer: the honours page sends the character to the enlisted training.
    {"honours-neither", -1, assignments,
     {{"booleans.Honors", "true"}, {"booleans.College", "true"}, {"booleans.NOTC", "false"},
      {"lists.Skills", R"([["Mechanical",1],["Electronics",1]])"}, {"lists.CrossTraining", R"(["Crew"])"}}},
    {"honours-medical-refused", -1, assignments,
     {{"booleans.Medic", "false"}, {"booleans.Honors", "true"},
      {"lists.Skills", R"([["Ships Missiles",1],["Forward Observer",1]])"}}},
};

QJsonValue valueAt(const QJsonObject& dump, const char* path)
{
    QJsonValue value = dump;
    for (const QString& key : QString::fromLatin1(path).split('.')) {
        bool isIndex = false;
        const int index = key.toInt(&isIndex);
        if (isIndex && value.isArray())
            value = value.toArray().at(index);
        else if (value.isObject() && value.toObject().contains(key))
            value = value.toObject().value(key);
        else
            return QJsonValue::Undefined;
    }
    return value;
}

std::string jsonText(const QJsonValue& value)
{
    if (value.isUndefined())
        return "(missing)";
    const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return text.mid(1, text.size() - 2).toStdString();
}

// Each scenario runs once; its rows share the run.
const PlayRun& runOf(const char* name)
{
    static QHash<QString, PlayRun> runs;
    const QString key = QLatin1String(name);
    if (!runs.contains(key))
        runs.insert(key, play({"--seed", "11", scenario(("preservice-" + std::string(name) + ".play").c_str())}));
    return runs[key];
}

// The list ACTUAL begins with the entries of EXPECTED; a counted entry's
// count may have grown.
void expectBeginsWith(const QJsonValue& actual, const QJsonValue& expected, const char* where)
{
    ASSERT_TRUE(actual.isArray()) << where << ": " << jsonText(actual);
    const QJsonArray have = actual.toArray();
    const QJsonArray want = expected.toArray();
    ASSERT_GE(have.size(), want.size()) << where << ": " << jsonText(actual);
    for (qsizetype i = 0; i < want.size(); ++i) {
        if (want[i].isArray()) {
            EXPECT_EQ(jsonText(have[i].toArray().at(0)), jsonText(want[i].toArray().at(0))) << where << " entry " << i;
            EXPECT_GE(have[i].toArray().at(1).toInt(), want[i].toArray().at(1).toInt()) << where << " entry " << i;
        } else {
            EXPECT_EQ(jsonText(have[i]), jsonText(want[i])) << where << " entry " << i;
        }
    }
}

class PreServicePath : public ::testing::TestWithParam<Path> {};

TEST_P(PreServicePath, EndsOnItsPageWithItsLogAndState)
{
    const Path& path = GetParam();
    const PlayRun& run = runOf(path.scenario);
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    const int index = path.dump < 0 ? int(run.dumps.size()) - 1 : path.dump;
    ASSERT_GE(index, 0);
    ASSERT_LT(index, run.dumps.size());
    const QJsonObject& dump = run.dumps[index];
    const bool assignmentsFollow = path.page == assignments;
    if (path.dump < 0) {
        expectLog(dump, ("preservice-" + std::string(path.scenario) + ".log").c_str(), !assignmentsFollow);
    }
    if (!assignmentsFollow) {
        EXPECT_EQ(dump["page"].toInt(), path.page);
    }
    EXPECT_TRUE(dump["messages"].toArray().isEmpty()) << jsonText(dump["messages"]);
    for (const auto& [where, want] : path.checks) {
        QJsonParseError error;
        const QJsonDocument expected = QJsonDocument::fromJson(QByteArray("[") + want + "]", &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << where << ": " << want;
        if (assignmentsFollow && QByteArray(where).startsWith("lists.")) {
            expectBeginsWith(valueAt(dump, where), expected.array().at(0), where);
        } else {
            EXPECT_EQ(jsonText(valueAt(dump, where)), jsonText(expected.array().at(0))) << where;
        }
    }
}

std::string caseName(const ::testing::TestParamInfo<Path>& info)
{
    std::string name = info.param.scenario;
    for (char& c : name)
        if (c == '-')
            c = '_';
    return name + (info.param.dump < 0 ? std::string("_end") : "_dump" + std::to_string(info.param.dump));
}

INSTANTIATE_TEST_SUITE_P(PreService, PreServicePath, ::testing::ValuesIn(paths), caseName);

} // namespace
