#pragma once
// Running the headless driver from a test: a script in, its dumps out, and the
// comparison of a dump's log with a scenario's expected log.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

struct PlayRun {
    int exitCode = -1;
    QList<QJsonObject> dumps;
    QString err;
};

// With a launcher (a program and its arguments), the driver runs under it.
inline PlayRun play(const QStringList& args, const QByteArray& input = {}, const QStringList& launcher = {})
{
    QProcess process;
    if (launcher.isEmpty())
        process.start(QStringLiteral(CORVANTIS_TEST_PLAY), args);
    else
        process.start(launcher.front(), launcher.mid(1) + QStringList{QStringLiteral(CORVANTIS_TEST_PLAY)} + args);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    PlayRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.err = QString::fromUtf8(process.readAllStandardError());
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line.constData();
        run.dumps << doc.object();
    }
    return run;
}

inline PlayRun playScript(const QByteArray& script, QStringList options = {})
{
    options << QStringLiteral("-");
    return play(options, script);
}

inline QString scenario(const char* name)
{
    return QStringLiteral(CORVANTIS_TEST_SCENARIOS "/") + QLatin1String(name);
}

// The expected log of a scenario: one line each, "** " before a bold line.
// With wholeLog false the log only has to begin with those lines.
inline void expectLog(const QJsonObject& dump, const char* expectedFile, bool wholeLog = true)
{
    QFile file(scenario(expectedFile));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << expectedFile;
    QStringList expected = QString::fromUtf8(file.readAll()).split('\n');
    if (!expected.isEmpty() && expected.last().isEmpty())
        expected.removeLast();
    const QJsonArray log = dump["log"].toArray();
    QList<int> bold;
    for (const auto& index : dump["bold"].toArray())
        bold << index.toInt();
    if (wholeLog) {
        ASSERT_EQ(log.size(), expected.size()) << expectedFile;
    } else {
        ASSERT_GE(log.size(), expected.size()) << expectedFile;
    }
    for (int i = 0; i < expected.size(); ++i) {
        const bool wantBold = expected[i].startsWith("** ");
        EXPECT_EQ(log[i].toString(), wantBold ? expected[i].mid(3) : expected[i]) << expectedFile << " line " << i + 1;
        EXPECT_EQ(bold.contains(i), wantBold) << expectedFile << " line " << i + 1;
    }
}
