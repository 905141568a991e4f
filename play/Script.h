#pragma once
// The driver's script language: one action a line, as a person would act on
// the main window. Blank lines and lines beginning with '#' are skipped.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Main;
class Shell;
class PlayHost;

struct ScriptError {
    int line; // counted from 1
    QString reason;
};

class Script {
public:
    using Output = std::function<void(const QByteArray&)>;
    Script(Main& main, Shell& shell, PlayHost& host, Output output);

    // Runs the lines in order and stops at the first error.
    std::optional<ScriptError> run(const QStringList& lines);

private:
    // One action; an error's reason, or nothing.
    std::optional<QString> perform(const QString& action, const QString& rest);
    std::optional<QString> usableControl(const QString& name, int index, const char* what);

    Main& main_;
    Shell& shell_;
    PlayHost& host_;
    Output output_;
};
