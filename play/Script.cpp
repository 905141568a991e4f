#include "play/Script.h"

#include "app/Shell.h"
#include "charfile/AtomicFile.h"
#include "play/Dump.h"
#include "play/PlayHost.h"
#include "print/CharacterSheet.h"
#include "wizard/Main.h"

Script::Script(Main& main, Shell& shell, PlayHost& host, Output output)
    : main_(main), shell_(shell), host_(host), output_(std::move(output))
{
}

std::optional<ScriptError> Script::run(const QStringList& lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        // The action is the first word; the rest of the line follows one space.
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        const QString action = space < 0 ? line : line.left(space);
        const QString rest = space < 0 ? QString() : line.mid(space + 1);
        if (auto reason = perform(action, rest))
            return ScriptError{static_cast<int>(i + 1), *reason};
        // A dialog this line opened was given an answer it did not offer.
        if (!host_.dialogError.isEmpty())
            return ScriptError{static_cast<int>(i + 1), host_.dialogError};
    }
    return std::nullopt;
}

std::optional<QString> Script::usableControl(const QString& name, int index, const char* what)
{
    Control* control = main_.form().find(name, index);
    if (control == nullptr || (index < 0 && control->index() >= 0))
        return QStringLiteral("no %1 named %2").arg(QLatin1String(what), name);
    if (control->page() >= 0 && control->page() != main_.form().currentPage())
        return QStringLiteral("%1 is not on the shown page").arg(control->key());
    if (!main_.usable(*control)) {
        const Control* placard = control->page() >= 0 ? main_.form().placard(control->page()) : nullptr;
        const bool hidden = !control->visible() || (placard != nullptr && !placard->visible());
        return QStringLiteral("%1 is %2").arg(control->key(), hidden ? QStringLiteral("hidden") : QStringLiteral("disabled"));
    }
    return std::nullopt;
}

std::optional<QString> Script::perform(const QString& action, const QString& rest)
{
    const QStringList words = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    Form& form = main_.form();

    if (action == QLatin1String("name")) {
        main_.type(QStringLiteral("NameText"), rest);
        return std::nullopt;
    }
    if (action == QLatin1String("sex")) {
        const int index = rest == QLatin1String("Male") ? 0 : rest == QLatin1String("Female") ? 1 : -1;
        if (index < 0)
            return QStringLiteral("sex must be Male or Female");
        main_.select(QStringLiteral("SexRadioButton"), index);
        return std::nullopt;
    }
    if (action == QLatin1String("tl")) {
        const int item = static_cast<int>(form.at(QStringLiteral("HomeTLPopupMenu")).items().indexOf(rest));
        if (item < 0)
            return QStringLiteral("no tech level %1 (7 to 15)").arg(rest);
        main_.popup(QStringLiteral("HomeTLPopupMenu"), item);
        return std::nullopt;
    }
    if (action == QLatin1String("roll")) {
        if (auto error = usableControl(QStringLiteral("UPPButton"), -1, "button"))
            return error;
        main_.press(QStringLiteral("UPPButton"));
        return std::nullopt;
    }
    if (action == QLatin1String("select")) {
        bool ok = false;
        const int index = words.value(1).toInt(&ok);
        if (words.size() != 2 || !ok || index < 0)
            return QStringLiteral("usage: select CONTROL INDEX");
        Control* member = form.find(words[0], index);
        if (member == nullptr || member->kind() != ControlKind::RadioButton)
            return QStringLiteral("no radio button %1 (%2)").arg(words[0]).arg(index);
        if (auto error = usableControl(words[0], index, "radio button"))
            return error;
        main_.select(words[0], index);
        return std::nullopt;
    }
    if (action == QLatin1String("check")) {
        if (words.size() != 2 || (words[1] != QLatin1String("on") && words[1] != QLatin1String("off")))
            return QStringLiteral("usage: check CONTROL on|off");
        Control* box = form.find(words[0]);
        if (box == nullptr || box->kind() != ControlKind::CheckBox)
            return QStringLiteral("no check box named %1").arg(words[0]);
        if (auto error = usableControl(words[0], -1, "check box"))
            return error;
        main_.check(words[0], words[1] == QLatin1String("on"));
        return std::nullopt;
    }
    if (action == QLatin1String("popup")) {
        const qsizetype space = rest.indexOf(QLatin1Char(' '));
        const QString name = rest.left(space);
        const QString text = space < 0 ? QString() : rest.mid(space + 1);
        Control* menu = form.find(name);
        if (menu == nullptr || menu->kind() != ControlKind::PopupMenu)
            return QStringLiteral("no popup menu named %1").arg(name);
        if (auto error = usableControl(name, -1, "popup menu"))
            return error;
        const int item = static_cast<int>(menu->items().indexOf(text));
        if (item < 0)
            return QStringLiteral("%1 has no item \"%2\"").arg(name, text);
        main_.popup(name, item);
        return std::nullopt;
    }
    if (action == QLatin1String("press")) {
        Control* button = form.find(rest);
        if (button == nullptr || button->kind() != ControlKind::PushButton)
            return QStringLiteral("no push button named %1").arg(rest);
        if (auto error = usableControl(rest, -1, "push button"))
            return error;
        main_.press(rest);
        return std::nullopt;
    }
    if (action == QLatin1String("continue")) {
        Control* button = main_.continueButton();
        if (button == nullptr)
            return QStringLiteral("page %1 has no Continue button").arg(form.currentPage());
        if (auto error = usableControl(button->name(), -1, "push button"))
            return error;
        main_.press(button->name());
        return std::nullopt;
    }
    if (action == QLatin1String("dice")) {
        if (words.isEmpty())
            return QStringLiteral("usage: dice N N ...");
        std::vector<int> faces;
        for (const QString& word : words) {
            bool ok = false;
            const int face = word.toInt(&ok);
            if (!ok || face < 1 || face > 6)
                return QStringLiteral("a die shows 1 to 6, not %1").arg(word);
            faces.push_back(face);
        }
        for (int face : faces)
            main_.engine().dice().queue(face);
        return std::nullopt;
    }
    if (action == QLatin1String("pick")) {
        if (rest.isEmpty())
            return QStringLiteral("usage: pick SKILL");
        host_.picks.push_back(rest);
        return std::nullopt;
    }
    if (action == QLatin1String("weapon")) {
        const qsizetype space = rest.indexOf(QLatin1Char(' '));
        const QString mode = rest.left(space);
        const QString weapon = space < 0 ? QString() : rest.mid(space + 1);
        if ((mode != QLatin1String("select") && mode != QLatin1String("increase")) || weapon.isEmpty())
            return QStringLiteral("usage: weapon select|increase NAME");
        host_.weapons.push_back({weapon, mode == QLatin1String("increase")});
        return std::nullopt;
    }
    if (action == QLatin1String("menu")) {
        if (rest == QLatin1String("ShowLogMenuItem"))
            main_.action([&] { shell_._ShowLogMenuItem_Action(); });
        else if (rest == QLatin1String("ShowSkillsMenuItem"))
            main_.action([&] { shell_._ShowSkillsMenuItem_Action(); });
        else if (rest == QLatin1String("AboutMenuItem"))
            main_.action([&] { shell_._AboutMenuItem_Action(); });
        else
            return QStringLiteral("no menu command %1 (ShowLogMenuItem, ShowSkillsMenuItem, AboutMenuItem)").arg(rest);
        return std::nullopt;
    }
    if (action == QLatin1String("save") || action == QLatin1String("open") || action == QLatin1String("print")) {
        if (rest.isEmpty())
            return QStringLiteral("usage: %1 FILE").arg(action);
        // FILE stands for what the file dialog would have returned.
        if (action == QLatin1String("save"))
            main_.action([&] { main_.file().DoSave(rest); });
        else if (action == QLatin1String("open"))
            main_.action([&] { main_.file().DoOpen(rest); });
        else if (auto reason = writeFileAtomically(rest, characterSheetPdf(main_.sheetData())))
            main_.notify(QStringLiteral("Could not print to \u201C%1\u201D: %2.").arg(rest, *reason));
        return std::nullopt;
    }
    if (action == QLatin1String("close")) {
        main_.Event_Close();
        return std::nullopt;
    }
    if (action == QLatin1String("dump")) {
        output_(dumpState(main_, shell_, host_.messages));
        return std::nullopt;
    }
    return QStringLiteral("unknown action \"%1\"").arg(action);
}
