// corvantis-bench: how long the user's actions take, against the floor of
// one bare SQLite commit on the same disk, measured in the same run.
// Usage: corvantis-bench [CAREERS]
#include "charfile/AtomicFile.h"
#include "play/AutoPlayer.h"
#include "print/CharacterSheet.h"
#include "store/Sqlite.h"
#include "wizard/Host.h"
#include "wizard/Main.h"

#include <QGuiApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

class SilentHost : public Host {
public:
    void showMessages(const QStringList& texts) override
    {
        for (const QString& text : texts)
            std::fprintf(stderr, "bench: %s\n", qPrintable(text));
    }
    QString pickSkill(const QString&, const QStringList& offered, const std::function<QString(const QString&)>&) override
    {
        return offered.value(0);
    }
    WeaponChoice pickWeapon(const QStringList& weapons, const std::function<QString(const QString&)>&,
                            const std::function<bool(const QString&)>&) override
    {
        return {weapons.value(0), false};
    }
};

struct Figures {
    double median = 0, worst = 0;
    size_t count = 0;
};

Figures summarise(std::vector<double> ms)
{
    if (ms.empty())
        return {};
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back(), ms.size()};
}

Figures measure(int repeats, const std::function<void()>& work)
{
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return summarise(ms);
}

void report(const QString& what, Figures f, double floor)
{
    std::printf("%-32s median %8.3f ms  worst %8.3f ms  (%6.1f commits, %zu runs)\n", qPrintable(what), f.median, f.worst,
                f.median / floor, f.count);
}

} // namespace

int main(int argc, char** argv)
{
    // The printed sheet needs fonts, so a GUI application, on no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int careers = argc > 1 ? std::max(3, std::atoi(argv[1])) : 20;
    const QString resources = QStringLiteral(CORVANTIS_BENCH_RESOURCES);

    // Work in the build tree, on the same disk as the application's bundle.
    QTemporaryDir work(QStringLiteral(CORVANTIS_BENCH_WORK "/bench-XXXXXX"));
    const QString chardata = work.filePath(QStringLiteral("chardata.rsd"));
    if (!QFile::copy(QDir(resources).filePath(QStringLiteral("chardata.rsd")), chardata)) {
        std::fprintf(stderr, "corvantis-bench: no chardata.rsd in %s\n", qPrintable(resources));
        return 1;
    }

    // The floor: one bare commit with SQLite's default settings (rollback
    // journal, full synchronisation), which waits for the disk, on a copy
    // of its own so the two journal modes do not meet in one file.
    const QString floorFile = work.filePath(QStringLiteral("floor.rsd"));
    QFile::copy(QDir(resources).filePath(QStringLiteral("chardata.rsd")), floorFile);
    const Figures commit = measure(50, [&] {
        sqlite3* db = nullptr;
        sqlite3_open_v2(floorFile.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(db, "PRAGMA journal_mode = DELETE; UPDATE Characteristics SET Value = Value + 1 WHERE Attribute = 'Cash'",
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
    });
    // The store's own commit, as every operation makes it.
    const Figures storeCommit = measure(50, [&] {
        sqlite::Connection db(chardata, sqlite::Access::ReadWrite, nullptr);
        db.exec("UPDATE Characteristics SET Value = Value + 1 WHERE Attribute = 'Cash'");
    });

    Dice dice(1);
    SilentHost host;
    Main main(dice, host);
    main.Event_Open(resources);
    main.store().setFile(chardata);
    const Figures reset = measure(50, [&] { main.action([&] { main.ResetData(); }); });
    const Figures roll = measure(50, [&] { main.press(QStringLiteral("UPPButton")); });

    // Whole careers by the random player, on the durable database as the
    // application uses it, with every press timed by its page.
    QMap<int, std::vector<double>> byPage;
    std::vector<double> careerMs;
    auto careerStart = std::chrono::steady_clock::now();
    AutoOptions options;
    options.seed = 1;
    options.count = careers;
    options.quiet = true;
    options.durable = true;
    options.timeAction = [&](int page, const QString&, double ms) { byPage[page].push_back(ms); };
    std::vector<double> saveMs, openMs, printMs;
    const QString file = work.filePath(QStringLiteral("character.vcx2"));
    const QString sheet = work.filePath(QStringLiteral("character.pdf"));
    const auto timed = [](std::vector<double>& into, const std::function<void()>& command) {
        const auto start = std::chrono::steady_clock::now();
        command();
        into.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    };
    options.inspect = [&](Main& finished, int, std::uint64_t) {
        const auto now = std::chrono::steady_clock::now();
        careerMs.push_back(std::chrono::duration<double, std::milli>(now - careerStart).count());
        // The three file commands on the finished character, as the menu runs them.
        timed(saveMs, [&] { finished.action([&] { finished.file().DoSave(file); }); });
        timed(printMs, [&] { writeFileAtomically(sheet, characterSheetPdf(finished.sheetData())); });
        timed(openMs, [&] { finished.action([&] { finished.file().DoOpen(file); }); });
        careerStart = std::chrono::steady_clock::now();
    };
    if (const auto error = playAuto(resources, chardata, options)) {
        std::fprintf(stderr, "corvantis-bench: %s\n", qPrintable(*error));
        return 1;
    }

    std::printf("corvantis-bench: database in %s\n", qPrintable(work.path()));
    report(QStringLiteral("bare SQLite commit (floor)"), commit, commit.median);
    report(QStringLiteral("store commit"), storeCommit, commit.median);
    report(QStringLiteral("ResetData"), reset, commit.median);
    report(QStringLiteral("Roll"), roll, commit.median);
    for (auto it = byPage.cbegin(); it != byPage.cend(); ++it)
        report(QStringLiteral("Continue on page %1").arg(it.key()), summarise(it.value()), commit.median);
    report(QStringLiteral("whole career"), summarise(careerMs), commit.median);
    report(QStringLiteral("Save Character"), summarise(saveMs), commit.median);
    report(QStringLiteral("Open Character"), summarise(openMs), commit.median);
    report(QStringLiteral("Print (to PDF)"), summarise(printMs), commit.median);
    return 0;
}
