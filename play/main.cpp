// corvantis-play: plays the wizard headless from a script, or plays whole
// characters as a random player.
//   corvantis-play [--seed N] [--resources DIR] [--chardata FILE] SCRIPT   (SCRIPT a file, or -)
//   corvantis-play auto [--seed N] [--count N] [--out DIR] [--pdf] [--resources DIR] [--chardata FILE]
// --chardata works on that character database in place, every change
// flushed as the application does, instead of on a throwaway copy.
// Exit status: 0 the script ran to its end, 2 wrong arguments, 3 a script
// error (line and reason on standard error, after the lines before it ran).
#include "app/Shell.h"
#include "play/AutoPlayer.h"
#include "play/PlayHost.h"
#include "play/Script.h"
#include "store/ResourceFolder.h"
#include "wizard/Main.h"

#include <QGuiApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>
#include <random>

namespace {

int usage(const char* reason)
{
    std::fprintf(stderr,
                 "corvantis-play: %s\nusage: corvantis-play [--seed N] [--resources DIR] [--chardata FILE] SCRIPT\n"
                 "       corvantis-play auto [--seed N] [--count N] [--out DIR] [--pdf] [--resources DIR] [--chardata FILE]\n",
                 reason);
    return 2;
}

struct Arguments {
    std::optional<quint64> seed;
    QString resources;
    QString chardata; // in place; empty works on a private copy
    QString script;
    bool batch = false;
    int count = 1;
    QString outDir;
    bool pdf = false;
};

std::optional<Arguments> parse(const QStringList& args, const char** reason)
{
    Arguments parsed;
    qsizetype first = 1;
    if (args.size() > 1 && args[1] == QLatin1String("auto")) {
        parsed.batch = true;
        first = 2;
    }
    for (qsizetype i = first; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (parsed.batch && arg == QLatin1String("--pdf")) {
            parsed.pdf = true;
        } else if (parsed.batch && (arg == QLatin1String("--count") || arg == QLatin1String("--out"))) {
            if (i + 1 >= args.size()) {
                *reason = "an option lacks its value";
                return std::nullopt;
            }
            const QString value = args[++i];
            if (arg == QLatin1String("--out")) {
                parsed.outDir = value;
            } else {
                bool ok = false;
                parsed.count = value.toInt(&ok);
                if (!ok || parsed.count < 1) {
                    *reason = "--count takes a positive integer";
                    return std::nullopt;
                }
            }
        } else if (arg == QLatin1String("--seed") || arg == QLatin1String("--resources") || arg == QLatin1String("--chardata")) {
            if (i + 1 >= args.size()) {
                *reason = "an option lacks its value";
                return std::nullopt;
            }
            const QString value = args[++i];
            if (arg == QLatin1String("--seed")) {
                bool ok = false;
                parsed.seed = value.toULongLong(&ok);
                if (!ok) {
                    *reason = "--seed takes a non-negative integer";
                    return std::nullopt;
                }
            } else if (arg == QLatin1String("--chardata")) {
                parsed.chardata = value;
            } else {
                parsed.resources = value;
            }
        } else if (arg.startsWith(QLatin1String("--"))) {
            *reason = "unknown option";
            return std::nullopt;
        } else if (parsed.batch) {
            *reason = "auto takes no script";
            return std::nullopt;
        } else if (parsed.script.isEmpty()) {
            parsed.script = arg;
        } else {
            *reason = "only one script";
            return std::nullopt;
        }
    }
    if (parsed.script.isEmpty() && !parsed.batch) {
        *reason = "no script given";
        return std::nullopt;
    }
    return parsed;
}

std::optional<QByteArray> readScript(const QString& name)
{
    QFile file;
    const bool opened = name == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                   : (file.setFileName(name), file.open(QIODevice::ReadOnly));
    if (!opened)
        return std::nullopt;
    return file.readAll();
}

} // namespace

int main(int argc, char** argv)
{
    // The printed sheet needs fonts, hence a GUI application, but never a
    // display: the driver is headless wherever it runs.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a desktop session the platform warns about its runtime folder,
    // which the driver never uses; that warning would only bury its own.
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (!text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
            standard(type, context, text);
    });
    QGuiApplication app(argc, argv);
    const char* reason = "";
    const auto args = parse(QGuiApplication::arguments(), &reason);
    if (!args)
        return usage(reason);

    const QString resources = args->resources.isEmpty() ? GetResourceFolder(QGuiApplication::applicationFilePath())
                                                        : QDir(args->resources).absolutePath();
    // Work on a private copy of the character database, so that a run never
    // touches the application's character or another run's.
    QTemporaryDir work;
    if (!work.isValid()) {
        std::fprintf(stderr, "corvantis-play: cannot make a temporary folder\n");
        return 2;
    }
    const bool inPlace = !args->chardata.isEmpty();
    const QString chardata = inPlace ? QFileInfo(args->chardata).absoluteFilePath() : work.filePath(QStringLiteral("chardata.rsd"));
    if (!inPlace) {
        QFile::copy(QDir(resources).filePath(QStringLiteral("chardata.rsd")), chardata);
        QFile(chardata).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    if (args->batch) {
        AutoOptions options;
        options.seed = args->seed.value_or(std::random_device{}());
        if (!args->seed)
            std::fprintf(stderr, "corvantis-play: seed %llu\n", static_cast<unsigned long long>(options.seed));
        options.count = args->count;
        options.outDir = args->outDir.isEmpty() ? QDir::currentPath() : args->outDir;
        options.pdf = args->pdf;
        options.durable = inPlace;
        if (const auto error = playAuto(resources, chardata, options)) {
            std::fprintf(stderr, "corvantis-play: %s\n", qPrintable(*error));
            return 3;
        }
        return 0;
    }

    const auto text = readScript(args->script);
    if (!text) {
        std::fprintf(stderr, "corvantis-play: cannot read %s\n", qPrintable(args->script));
        return 2;
    }
    Dice dice;
    if (args->seed)
        dice.reseed(*args->seed);
    PlayHost host;
    Main main(dice, host);
    main.Event_Open(resources);
    main.store().setFile(chardata);
    main.store().setScratch(!inPlace);
    Shell shell(main);

    Script script(main, shell, host, [](const QByteArray& line) {
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    });
    const QString source = QString::fromUtf8(*text);
    if (const auto error = script.run(source.split(QLatin1Char('\n')))) {
        std::fprintf(stderr, "corvantis-play: line %d: %s\n", error->line, qPrintable(error->reason));
        return 3;
    }
    return 0;
}
