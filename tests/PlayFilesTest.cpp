// The driver's file commands: save, open and print with the file a dialog
// would have returned, and the files of a batch.
#include "tests/PlayRunner.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A PDF of one page, as Qt writes it: its page objects are plain text.
void expectOnePagePdf(const QString& path)
{
    const QByteArray pdf = readAll(path);
    ASSERT_TRUE(pdf.startsWith("%PDF-")) << qPrintable(path);
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1) << qPrintable(path);
    EXPECT_TRUE(QRegularExpression("/MediaBox \\[0 0 612(\\.0+)? 792(\\.0+)?\\]").match(QString::fromLatin1(pdf)).hasMatch())
        << "a US Letter page: " << qPrintable(path);
}

TEST(PlayFiles, ACharacterSavedPrintedAndOpenedAgain)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("kira.vcx2");
    const QString pdf = dir.filePath("kira.pdf");
    const PlayRun run = playScript(QStringLiteral("name Kira Vance\ntl 11\nroll\ndump\nsave %1\nprint %2\nroll\nopen %1\ndump\n")
                                       .arg(file, pdf)
                                       .toUtf8(),
                                   {"--seed", "21"});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.err.isEmpty()) << qPrintable(run.err);
    ASSERT_EQ(run.dumps.size(), 2);
    const QJsonObject& before = run.dumps[0];
    const QJsonObject& after = run.dumps[1];
    EXPECT_EQ(after["page"].toInt(), 14);
    EXPECT_TRUE(after["messages"].toArray().isEmpty());
    EXPECT_EQ(after["header"].toObject()["NameText"], "Kira Vance");
    EXPECT_EQ(after["header"].toObject()["HomeTLPopupMenu"], "11");
    for (const char* field : {"StrText", "DexText", "EndText", "IntText", "EduText", "SocText", "AgeText", "TermText"})
        EXPECT_EQ(after["header"].toObject()[field], before["header"].toObject()[field]) << field;
    EXPECT_EQ(after["log"], before["log"]);
    EXPECT_EQ(after["bold"], before["bold"]);
    EXPECT_TRUE(readAll(file).contains("<creation_log text=\"Age=18&#10;"));
    expectOnePagePdf(pdf);
}

TEST(PlayFiles, AFailedSaveOrOpenIsAMessageAndTheRunGoesOn)
{
    QTemporaryDir dir;
    const PlayRun run = playScript(QStringLiteral("roll\nsave %1/missing/x.vcx2\nopen %1/absent.vcx2\ndump\n").arg(dir.path()).toUtf8());
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    ASSERT_EQ(run.dumps.size(), 1);
    const QJsonArray messages = run.dumps[0]["messages"].toArray();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].toString().startsWith("Could not save \u201Cx.vcx2\u201D in ")) << qPrintable(messages[0].toString());
    EXPECT_TRUE(messages[1].toString().startsWith("Could not open \u201C" "absent.vcx2\u201D")) << qPrintable(messages[1].toString());
    EXPECT_EQ(run.dumps[0]["page"].toInt(), 14);
}

TEST(PlayFiles, ABatchSavesEachCharacterWithItsSheet)
{
    QTemporaryDir dir;
    QProcess batch;
    batch.start(QStringLiteral(CORVANTIS_TEST_PLAY), {"auto", "--seed", "3", "--count", "3", "--out", dir.path(), "--pdf"});
    ASSERT_TRUE(batch.waitForFinished(60000));
    ASSERT_EQ(batch.exitCode(), 0) << batch.readAllStandardError().constData();
    EXPECT_EQ(batch.readAllStandardOutput().count('\n'), 3) << "one summary line a character";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({"character-0001.pdf", "character-0001.vcx2", "character-0002.pdf", "character-0002.vcx2",
                           "character-0003.pdf", "character-0003.vcx2"}));
    QString script;
    for (int i = 1; i <= 3; ++i)
        script += QStringLiteral("open %1/character-000%2.vcx2\ndump\n").arg(dir.path()).arg(i);
    const PlayRun opened = playScript(script.toUtf8());
    ASSERT_EQ(opened.exitCode, 0) << qPrintable(opened.err);
    ASSERT_EQ(opened.dumps.size(), 3);
    for (const QJsonObject& dump : opened.dumps) {
        EXPECT_TRUE(dump["messages"].toArray().isEmpty());
        EXPECT_FALSE(dump["log"].toArray().isEmpty());
    }
    expectOnePagePdf(dir.filePath("character-0002.pdf"));
}

} // namespace
