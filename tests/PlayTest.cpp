// The headless driver, run as a program: scripts, dumps, exit codes.
#include "tests/Fixtures.h"
#include "tests/PlayRunner.h"

#include <QCryptographicHash>

namespace {

TEST(PlayScenario, RollThenDumpShowsTheNewCharacterOnPageZero)
{
    const PlayRun run = play({"--seed", "5", scenario("roll-knight.play")});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    ASSERT_EQ(run.dumps.size(), 1);
    const QJsonObject& d = run.dumps[0];
    expectLog(d, "roll-knight.log");
    EXPECT_EQ(d["page"].toInt(), 0);
    EXPECT_TRUE(d["placard_visible"].toBool());
    const QJsonObject header = d["header"].toObject();
    EXPECT_EQ(header["NameText"].toString(), "Corin Vell");
    EXPECT_EQ(header["AgeText"].toString(), "18");
    EXPECT_EQ(header["TermText"].toString(), "0");
    EXPECT_EQ(header["HomeTLPopupMenu"].toString(), "12");
    EXPECT_EQ(header["Sex"].toString(), "Male");
    EXPECT_EQ(header["NobilityText"].toString(), "Knight");
    QString upp;
    for (const char* field : {"StrText", "DexText", "EndText", "IntText", "EduText", "SocText"})
        upp += header[field].toString();
    EXPECT_EQ(upp, "8597AB");
    EXPECT_EQ(d["characteristics"].toObject()["Education"].toInt(), 10);
    EXPECT_FALSE(d["booleans"].toObject()["Officer"].toBool());
    const QJsonArray service = d["controls"].toObject()["ServiceRadioButton"].toArray();
    ASSERT_EQ(service.size(), 3);
    EXPECT_TRUE(service[0].toObject()["selected"].toBool());
    EXPECT_EQ(service[2].toObject()["caption"].toString(), "Planetary");
    EXPECT_TRUE(d["controls"].toObject()["ServiceButton"].toObject()["enabled"].toBool());
    EXPECT_EQ(d["flags"].toObject().size(), 18);
    EXPECT_EQ(d["menu"].toObject()["ShowLogMenuItem"].toString(), "Hide Log");
    EXPECT_TRUE(d["messages"].toArray().isEmpty());
}

TEST(PlayScenario, ASecondRollStartsOver)
{
    const PlayRun run = play({scenario("roll-again.play")});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    ASSERT_EQ(run.dumps.size(), 1);
    expectLog(run.dumps[0], "roll-again.log");
    // The log window was hidden between the two rolls and stays hidden.
    EXPECT_EQ(run.dumps[0]["menu"].toObject()["ShowLogMenuItem"].toString(), "Show Log");
}

TEST(PlayScenario, ACareerEndsInDeathOnTheFinalPage)
{
    const PlayRun run = play({scenario("career-death.play")});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    ASSERT_EQ(run.dumps.size(), 2);
    EXPECT_EQ(run.dumps[0]["page"].toInt(), 15) << "a strike offers the survival modifier";
    const QJsonObject& end = run.dumps[1];
    expectLog(end, "career-death.log");
    EXPECT_EQ(end["page"].toInt(), 14);
    EXPECT_TRUE(end["placard_visible"].toBool());
    const QJsonObject header = end["header"].toObject();
    EXPECT_EQ(header["RankText"].toString(), "Spacehand Recruit");
    EXPECT_EQ(header["BranchText"].toString(), "Engineering");
    EXPECT_EQ(header["AgeText"].toString(), "19");
    EXPECT_EQ(end["flags"].toObject()["SurvivalDM"].toInt(), 6);
    EXPECT_TRUE(end["lists"].toObject()["Decorations"].toArray().isEmpty()) << "the dead get no ribbon";
    EXPECT_EQ(end["controls"].toObject()["FinalLabel"].toObject()["caption"].toString(), "Completed Character Generation Sequence");
}

TEST(PlayScenario, TheSameSeedPlaysTheSameCharacter)
{
    const PlayRun a = playScript("roll\ndump\n", {"--seed", "99"});
    const PlayRun b = playScript("roll\ndump\n", {"--seed", "99"});
    ASSERT_EQ(a.dumps.size(), 1);
    ASSERT_EQ(b.dumps.size(), 1);
    EXPECT_EQ(a.dumps[0]["log"], b.dumps[0]["log"]);
}

TEST(PlayErrors, WrongArgumentsExitWithTwo)
{
    const QList<QStringList> cases = {{}, {"--seed"}, {"--seed", "x", "-"}, {"--frobnicate", "-"},
                                      {"/no/such/script.play"}, {"a.play", "b.play"}};
    for (const QStringList& args : cases) {
        const PlayRun run = play(args);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(args.join(' '));
        EXPECT_FALSE(run.err.isEmpty());
    }
}

TEST(PlayErrors, AScriptErrorNamesItsLineAfterRunningTheLinesBefore)
{
    struct Case {
        const char* script;
        int line;
        const char* reason; // a piece of the message
    };
    const Case cases[] = {
        {"continue\n", 1, "hidden"},
        {"# comment\n\nroll\nselect ServiceRadioButton 5\n", 4, "no radio button"},
        {"roll\npress NAButton\n", 2, "not on the shown page"},
        {"dice 3 7\n", 1, "1 to 6"},
        {"roll\ndump\nfly away\n", 3, "unknown action"},
        {"tl 16\n", 1, "tech level"},
        {"sex Other\n", 1, "Male or Female"},
        {"menu FileQuit\n", 1, "no menu command"},
        {"roll\ncheck ServiceRadioButton on\n", 2, "no check box"},
    };
    for (const Case& c : cases) {
        const PlayRun run = playScript(c.script);
        EXPECT_EQ(run.exitCode, 3) << c.script;
        EXPECT_TRUE(run.err.contains(QString("line %1:").arg(c.line))) << c.script << qPrintable(run.err);
        EXPECT_TRUE(run.err.contains(c.reason)) << c.script << qPrintable(run.err);
    }
    EXPECT_EQ(playScript("roll\ndump\nfly away\n").dumps.size(), 1);
}

TEST(PlayErrors, AMissingDatabaseIsReportedAsTheWindowWouldAndTheRunGoesOn)
{
    const PlayRun run = playScript("roll\nroll\ndump\n", {"--resources", "/nonexistent/Resources"});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    ASSERT_EQ(run.dumps.size(), 1);
    const QJsonArray messages = run.dumps[0]["messages"].toArray();
    ASSERT_EQ(messages.size(), 2) << "one folded box per roll";
    EXPECT_TRUE(messages[0].toString().startsWith("Database Error: 14\n\nunable to open database file"));
    EXPECT_EQ(run.dumps[0]["header"].toObject()["AgeText"].toString(), "18");
    EXPECT_TRUE(run.dumps[0]["characteristics"].toObject().isEmpty());
}

TEST(PlayIsolation, TheDriverNeverWritesTheResourceFoldersCharacter)
{
    TempCharacterDb db;
    QFile::copy(QDir(builtResources()).filePath("staticdata.rsd"), QDir(db.folder()).filePath("staticdata.rsd"));
    auto digest = [&] {
        QFile file(db.path());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    };
    const QByteArray before = digest();
    const PlayRun run = playScript("roll\nclose\ndump\n", {"--resources", db.folder()});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(digest(), before);
    // "close" reset the driver's own copy.
    EXPECT_EQ(run.dumps[0]["characteristics"].toObject()["Age"].toInt(), 0);
    EXPECT_TRUE(run.dumps[0]["log"].toArray().isEmpty());
}

} // namespace
