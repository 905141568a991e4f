// corvantis-bench: how long the user's actions take, against the floor of
// one bare SQLite commit on the same disk, measured in the same run.
// Usage: corvantis-bench [REPEATS]
#include "store/Sqlite.h"
#include "wizard/Host.h"
#include "wizard/Main.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

class SilentHost : public Host {
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
    void showMessages(const QStringList& texts) override
    {
        for (const QString& text : texts)
            std::fprintf(stderr, "bench: %s\n", qPrintable(text));
    }
};

struct Figures {
    double median, worst;
};

Figures measure(int repeats, const std::function<void()>& work)
{
    std::vector<double> ms;
    ms.reserve(static_cast<size_t>(repeats));
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

void report(const char* what, Figures f, double floor)
{
    std::printf("%-28s median %8.3f ms  worst %8.3f ms  (%6.1f commits)\n", what, f.median, f.worst, f.median / floor);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(3, std::atoi(argv[1])) : 50;
    const QString resources = QStringLiteral(CORVANTIS_BENCH_RESOURCES);

    // Work in the build tree, on the same disk as the application's bundle.
    QTemporaryDir work(QStringLiteral(CORVANTIS_BENCH_WORK "/bench-XXXXXX"));
    const QString chardata = work.filePath(QStringLiteral("chardata.rsd"));
    if (!QFile::copy(QDir(resources).filePath(QStringLiteral("chardata.rsd")), chardata)) {
        std::fprintf(stderr, "corvantis-bench: no chardata.rsd in %s\n", qPrintable(resources));
        return 1;
    }

    const Figures commit = measure(repeats, [&] {
        sqlite::Connection db(chardata, sqlite::Access::ReadWrite, nullptr);
        db.exec("UPDATE Characteristics SET Value = Value + 1 WHERE Attribute = 'Cash'");
    });

    Dice dice(1);
    SilentHost host;
    Main main(dice, host);
    main.Event_Open(resources);
    main.store().setFile(chardata);

    const Figures reset = measure(repeats, [&] { main.action([&] { main.ResetData(); }); });
    const Figures roll = measure(repeats, [&] { main.press(QStringLiteral("UPPButton")); });

    std::printf("corvantis-bench: %d repeats, database in %s\n", repeats, qPrintable(work.path()));
    report("bare SQLite commit", commit, commit.median);
    report("ResetData", reset, commit.median);
    report("Roll", roll, commit.median);
    return 0;
}
