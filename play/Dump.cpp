#include "play/Dump.h"

#include "app/Shell.h"
#include "store/CharacterStore.h"
#include "wizard/Main.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

QJsonObject header(Main& main)
{
    Form& form = main.form();
    QJsonObject header;
    for (const char* name : {"NameText", "StrText", "DexText", "EndText", "IntText", "EduText", "SocText", "NobilityText",
                             "AgeText", "NavyText", "BranchText", "RankText", "TermText"})
        header.insert(QLatin1String(name), form.at(QLatin1String(name)).caption());
    header.insert(QStringLiteral("HomeTLPopupMenu"), form.at(QStringLiteral("HomeTLPopupMenu")).currentText());
    const Sex sex = main.selectedSex();
    header.insert(QStringLiteral("Sex"), sex == Sex::Male ? QStringLiteral("Male")
                                         : sex == Sex::Female ? QStringLiteral("Female") : QString());
    return header;
}

QJsonObject controls(Main& main)
{
    QJsonObject result;
    for (Control* c : main.form().controlsOnPage(main.form().currentPage())) {
        switch (c->kind()) {
        case ControlKind::Placard:
        case ControlKind::Line:
        case ControlKind::ImageWell:
            break; // containers and decoration are not controls one reads
        case ControlKind::RadioButton: {
            QJsonArray members = result.value(c->name()).toArray();
            members.append(QJsonObject{{"caption", c->caption()}, {"enabled", c->enabled()}, {"selected", c->checked()}});
            result.insert(c->name(), members);
            break;
        }
        case ControlKind::CheckBox:
            result.insert(c->name(), QJsonObject{{"caption", c->caption()}, {"enabled", c->enabled()}, {"checked", c->checked()}});
            break;
        case ControlKind::PopupMenu:
            result.insert(c->name(), QJsonObject{{"enabled", c->enabled()},
                                                 {"items", QJsonArray::fromStringList(c->items())},
                                                 {"selected", c->currentText()}});
            break;
        default:
            result.insert(c->name(), QJsonObject{{"caption", c->caption()}, {"enabled", c->enabled()}});
            break;
        }
    }
    return result;
}

QJsonArray counted(const std::vector<ListEntry>& rows)
{
    QJsonArray list;
    for (const auto& [name, count] : rows)
        list.append(QJsonArray{name, count});
    return list;
}

QJsonValue flagValue(const GenerationFlags::Value& value)
{
    if (const bool* b = std::get_if<bool>(&value))
        return *b;
    if (const int* i = std::get_if<int>(&value))
        return *i;
    return std::get<QString>(value);
}

} // namespace

QByteArray dumpState(Main& main, const Shell& shell, const QStringList& messages)
{
    // Reading for the dump must not add message boxes: a silent store.
    CharacterStore store(nullptr);
    store.setFile(main.store().file());

    QJsonObject characteristics, booleans, strings;
    for (const auto& [name, value] : store.AttributeRows(QStringLiteral("Characteristics")))
        characteristics.insert(name, value.toInt());
    for (const auto& [name, value] : store.AttributeRows(QStringLiteral("Booleans")))
        booleans.insert(name, value.toInt() != 0);
    for (const auto& [name, value] : store.AttributeRows(QStringLiteral("Strings")))
        strings.insert(name, value);

    QJsonObject lists{{"Skills", counted(store.SkillRows())},
                      {"Decorations", counted(store.DecorationRows())},
                      {"SpecialAssignments", counted(store.SARows())},
                      {"Benefits", counted(store.BenefitRows())},
                      {"CrossTraining", QJsonArray::fromStringList(store.CrossTrainingRows())}};

    QJsonObject flags;
    for (const auto& [name, value] : main.engine().flags.named())
        flags.insert(QLatin1String(name), flagValue(value));

    QList<int> bold = main.log().boldLines().values();
    std::sort(bold.begin(), bold.end());
    QJsonArray boldArray;
    for (int line : bold)
        boldArray.append(line);

    const int page = main.form().currentPage();
    const Control* placard = main.form().placard(page);

    QJsonObject state{
        {"page", page},
        {"placard_visible", placard != nullptr && placard->visible()},
        {"header", header(main)},
        {"controls", controls(main)},
        {"characteristics", characteristics},
        {"booleans", booleans},
        {"strings", strings},
        {"lists", lists},
        {"flags", flags},
        {"log", QJsonArray::fromStringList(main.log().lines())},
        {"bold", boldArray},
        {"menu", QJsonObject{{"ShowLogMenuItem", shell.showLogText()}, {"ShowSkillsMenuItem", shell.showSkillsText()}}},
        {"messages", QJsonArray::fromStringList(messages)},
    };
    return QJsonDocument(state).toJson(QJsonDocument::Compact);
}
