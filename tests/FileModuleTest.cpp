// Saving the character on screen and opening it again, on the real handlers
// and store: whole careers round-tripped, the counts re-added, the file that
// cannot be read, and the save that cannot be written.
#include "charfile/CharacterFile.h"
#include "play/AutoPlayer.h"
#include "play/PlayHost.h"
#include "tests/Fixtures.h"
#include "wizard/Main.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What an open restores, as one comparable text.
QString restored(Main& main)
{
    QJsonObject state;
    CharacterStore& store = main.store();
    for (const char* name : {"Strength", "Dexterity", "Endurance", "Intelligence", "Education", "Social", "Age", "Cash",
                             "Pension", "Rank"})
        state.insert(QString("int ") + name, store.GetInt(name));
    for (const char* name : {"College", "Honors", "Retired", "Pension", "Officer", "Academy"})
        state.insert(QString("bool ") + name, store.GetBool(name));
    for (const char* field : {"NameText", "NobilityText", "StrText", "DexText", "EndText", "IntText", "EduText", "SocText",
                              "AgeText", "NavyText", "BranchText", "TermText", "RankText"})
        state.insert(field, main.fieldText(field));
    state.insert("tl", main.homeTechLevelText());
    const auto rows = [](const std::vector<ListEntry>& list) {
        QStringList texts;
        for (const auto& [name, count] : list)
            texts << name + "=" + QString::number(count);
        return texts.join(",");
    };
    state.insert("skills", rows(store.SkillRows()));
    state.insert("awards", rows(store.DecorationRows()));
    state.insert("assignments", rows(store.SARows()));
    state.insert("benefits", rows(store.BenefitRows()));
    state.insert("log", main.log().text());
    QStringList bold;
    for (int line : main.log().boldLines())
        bold << QString::number(line);
    bold.sort();
    state.insert("bold", bold.join(","));
    return QString::fromUtf8(QJsonDocument(state).toJson());
}

TEST(FileRoundTrip, WholeCareersComeBackAsTheyWereSaved)
{
    TempCharacterDb db;
    QTemporaryDir dir;
    int officers = 0;
    int enlisted = 0;
    AutoOptions options;
    options.seed = 500;
    options.count = 40;
    options.quiet = true;
    options.inspect = [&](Main& main, int index, std::uint64_t seed) {
        main.file().today = [] { return QStringLiteral("12/11/26"); };
        officers += main.store().GetBool("Officer");
        enlisted += !main.store().GetBool("Officer") && !main.fieldText("NavyText").isEmpty();
        const QString first = dir.filePath(QString("first-%1.vcx2").arg(index));
        const QString second = dir.filePath(QString("second-%1.vcx2").arg(index));
        const QString before = restored(main);
        main.action([&] { EXPECT_TRUE(main.file().DoSave(first)); });
        EXPECT_EQ(restored(main), before) << "saving changed the character, seed " << seed;
        main.action([&] { main.file().DoOpen(first); });
        EXPECT_EQ(restored(main), before) << "seed " << seed;
        EXPECT_EQ(main.form().currentPage(), 14);
        EXPECT_EQ(main.file().creation_date, "12/11/26");
        main.action([&] { main.file().DoSave(second); });
        EXPECT_EQ(readAll(second), readAll(first)) << "seed " << seed;
    };
    ASSERT_FALSE(playAuto(builtResources(), db.path(), options));
    EXPECT_GT(officers, 0);
    EXPECT_GT(enlisted, 0);
}

class FileModuleTest : public ::testing::Test {
protected:
    FileModuleTest()
    {
        main.Event_Open(builtResources());
        main.store().setFile(db.path());
        main.file().today = [] { return QStringLiteral("today"); };
    }

    QString path(const char* name) const { return dir.filePath(name); }

    // A file of the sample character, with text replaced as given.
    QString sampleFile(const char* name, std::initializer_list<std::pair<const char*, const char*>> edits = {})
    {
        CharacterRecord r;
        r.creationDate = "1/2/25";
        r.modificationDate = "3/4/25";
        r.name = "Kira Vance";
        r.characteristics = {"7", "A", "8", "9", "9", "6"};
        r.age = "30";
        r.homeTechLevel = 12;
        r.navy = "Imperial";
        r.skills = {{"Pilot", 3}};
        r.possessions = {{"Middle Passage", 2}, {"Rovanteers' Aid", 3}};
        r.log = "Age=18\nTerm 1 Assignment 1\nend\n";
        QString text = QString::fromUtf8(charfile::write(r));
        for (const auto& [from, to] : edits)
            text.replace(from, to);
        writeAll(path(name), text.toUtf8());
        return path(name);
    }

    void open(const QString& file)
    {
        main.action([&] { main.file().DoOpen(file); });
    }

    TempCharacterDb db;
    QTemporaryDir dir;
    Dice dice{9};
    PlayHost host;
    Main main{dice, host};
};

TEST_F(FileModuleTest, CountsAreReAddedOneByOne)
{
    open(sampleFile("kira.vcx2"));
    ASSERT_TRUE(host.messages.isEmpty()) << qPrintable(host.messages.join("\n"));
    EXPECT_EQ(main.store().SkillLevel("Pilot"), 3);
    EXPECT_EQ(main.store().BenefitRows(), (std::vector<ListEntry>{{"Middle Passage", 2}, {"Rovanteers' Aid", 1}}));
    EXPECT_EQ(main.store().GetInt("Intelligence"), 9);
    EXPECT_EQ(main.fieldText("DexText"), "A");
    EXPECT_EQ(main.store().GetInt("Dexterity"), 10);
    EXPECT_EQ(main.store().GetInt("Age"), 30);
    // The lines the additions logged are replaced by the file's log, whose
    // yearly headings are bold again.
    EXPECT_EQ(main.log().lines(), QStringList({"Age=18", "Term 1 Assignment 1", "end"}));
    EXPECT_EQ(main.log().boldLines(), QSet<int>({1}));
    EXPECT_EQ(main.sheetData().date, "1/2/25");
}

TEST_F(FileModuleTest, TheHomeTechLevelTakesTheNearestRow)
{
    struct Case {
        const char* uwp;
        const char* row;
    };
    for (const Case& c : {Case{"0000000C", "12"}, Case{"0000000F", "15"}, Case{"00000007", "7"}, Case{"00000003", "7"},
                          Case{"0000000Z", "7"}, Case{"000", "7"}}) {
        open(sampleFile("tl.vcx2", {{"UWP=\"0000000C\"", (QString("UWP=\"") + c.uwp + "\"").toUtf8().constData()}}));
        EXPECT_EQ(main.homeTechLevelText(), c.row) << c.uwp;
    }
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(FileModuleTest, AFileThatCannotBeReadLeavesAResetCharacterOnTheFinalPage)
{
    struct Case {
        QString file;
        QString message;
    };
    const QString truncated = path("truncated.vcx2");
    writeAll(truncated, readAll(sampleFile("whole.vcx2")).left(300));
    for (const Case& c : {Case{sampleFile("schema.vcx2", {{"schema=\"1\"", "schema=\"2\""}}), "Expected document type: 1, got type: 2"},
                          Case{truncated, "\u201Ctruncated.vcx2\u201D is not well-formed XML: Premature end of document"},
                          Case{path("absent.vcx2"), "Could not open \u201C" "absent.vcx2\u201D: No such file or directory."}}) {
        open(sampleFile("good.vcx2"));
        ASSERT_EQ(main.store().SkillLevel("Pilot"), 3);
        host.messages.clear();
        open(c.file);
        ASSERT_EQ(host.messages.size(), 1) << qPrintable(c.file);
        EXPECT_TRUE(host.messages[0].startsWith(c.message)) << qPrintable(host.messages[0]);
        EXPECT_EQ(main.form().currentPage(), 14);
        EXPECT_TRUE(main.form().at("FinalPlacard").visible());
        EXPECT_TRUE(main.log().lines().isEmpty());
        EXPECT_TRUE(main.store().SkillRows().empty());
        EXPECT_TRUE(main.store().BenefitRows().empty());
        EXPECT_EQ(main.store().GetInt("Intelligence"), 0);
        EXPECT_EQ(main.file().creation_date, "");
        EXPECT_EQ(main.sheetData().date, "today");
    }
}

TEST_F(FileModuleTest, OpeningASecondFileReplacesEverything)
{
    open(sampleFile("first.vcx2"));
    open(sampleFile("second.vcx2", {{"1/2/25", "5/6/27"}, {"3/4/25", "7/8/27"}, {"Pilot", "Navigation"}}));
    EXPECT_EQ(main.file().creation_date, "5/6/27");
    EXPECT_EQ(main.file().modification_date, "7/8/27");
    EXPECT_EQ(main.store().SkillRows(), (std::vector<ListEntry>{{"Navigation", 3}}));
    main.press("UPPButton");
    EXPECT_EQ(main.file().creation_date, "");
    EXPECT_EQ(main.sheetData().date, "today");
}

TEST_F(FileModuleTest, TheSuggestedNameFollowsNameThenNavy)
{
    const int upp[6] = {7, 10, 8, 9, 9, 6};
    const char* const attributes[6] = {"Strength", "Dexterity", "Endurance", "Intelligence", "Education", "Social"};
    for (int i = 0; i < 6; ++i)
        main.store().SaveInt(attributes[i], upp[i]);
    struct Case {
        const char* name;
        const char* navy;
        const char* suggested;
    };
    for (const Case& c : {Case{"Kira Vance", "Imperial", "Kira Vance.vcx2"},
                          Case{"", "Imperial", "Imperial Navy Character 7A8996.vcx2"},
                          Case{"", "", "Navy Character 7A8996.vcx2"}, Case{"A/B", "", "A-B.vcx2"}}) {
        main.setFieldText("NameText", c.name);
        main.setFieldText("NavyText", c.navy);
        EXPECT_EQ(main.file().suggestedFileName(), c.suggested);
    }
}

TEST_F(FileModuleTest, AFailedSaveKeepsTheOldFileAndSaysWhy)
{
    main.press("UPPButton");
    for (int i = 0; i < 2000; ++i)
        main.appendLog(QString("a long log line %1 to make the file larger than the limit below").arg(i));
    const QString target = path("kept.vcx2");
    writeAll(target, "the old file");

    // A disk that fills up part-way through: the file size limit fails the
    // write as a full disk would. It is set above what the database's
    // shared-memory file needs, below the character file's size.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 65536;
    setrlimit(RLIMIT_FSIZE, &small);
    bool saveResult = true;
    main.action([&] { saveResult = main.file().DoSave(target); });
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(saveResult);
    EXPECT_EQ(readAll(target), "the old file");
    ASSERT_EQ(host.messages.size(), 1) << qPrintable(host.messages.join("\n"));
    EXPECT_TRUE(host.messages[0].startsWith("Could not save \u201Ckept.vcx2\u201D in " + QDir::toNativeSeparators(dir.path()) + ": "))
        << qPrintable(host.messages[0]);
    EXPECT_TRUE(host.messages[0].endsWith("Any file of that name there is unchanged.")) << qPrintable(host.messages[0]);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"kept.vcx2"})) << "a temporary file was left behind";

    host.messages.clear();
    main.action([&] { saveResult = main.file().DoSave(path("no such folder/x.vcx2")); });
    EXPECT_FALSE(saveResult);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].startsWith("Could not save \u201Cx.vcx2\u201D in ")) << qPrintable(host.messages[0]);

    host.messages.clear();
    main.action([&] { saveResult = main.file().DoSave(target); });
    EXPECT_TRUE(saveResult);
    EXPECT_TRUE(readAll(target).startsWith("<?xml"));
}

} // namespace
