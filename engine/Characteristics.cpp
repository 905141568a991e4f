// Dice, the pseudo-hexadecimal form, raising and lowering characteristics,
// noble titles and the log.
#include "engine/Module1.h"

#include "rules/RuleDatabase.h"
#include "store/CharacterStore.h"

#include <array>

namespace {

struct Characteristic {
    const char* key;
    const char* attribute;
    HeaderField field;
    bool ages; // only these four can be lowered, by aging
};

constexpr std::array<Characteristic, 6> Characteristics{{
    {"Str", "Strength", HeaderField::Str, true},
    {"Dex", "Dexterity", HeaderField::Dex, true},
    {"End", "Endurance", HeaderField::End, true},
    {"Int", "Intelligence", HeaderField::Int, true},
    {"Edu", "Education", HeaderField::Edu, false},
    {"Soc", "Social", HeaderField::Soc, false},
}};

const Characteristic* find(const QString& key)
{
    for (const auto& c : Characteristics)
        if (key == QLatin1String(c.key))
            return &c;
    return nullptr;
}

} // namespace

int Module1::Roll2Dice()
{
    const int first = Roll1Die();
    return first + Roll1Die();
}

QString Module1::Hx(int value)
{
    static const char digits[] = "0123456789ABCDEF";
    if (value < 0)
        value = 0;
    if (value > 15)
        value = 15;
    return QString(QLatin1Char(digits[value]));
}

void Module1::stepCharacteristic(const QString& key, int delta, const char* logFormat)
{
    const Characteristic* c = find(key);
    if (c == nullptr || (delta < 0 && !c->ages))
        return; // callers pass only the keys their rule names
    const auto value = store_.StepInt(QLatin1String(c->attribute), delta, 0, 15);
    if (!value)
        return;
    view_.setHeaderText(c->field, Hx(*value));
    AddToLog(QString::fromLatin1(logFormat).arg(key));
}

void Module1::IncAttribute(const QString& entry)
{
    const QString key = entry.mid(3, 3);
    const bool known = find(key) != nullptr;
    stepCharacteristic(key, +1, "%1 +1");
    if (known && key == QLatin1String("Soc")) {
        const Sex sex = view_.selectedSex();
        if (sex != Sex::None)
            SetNobility(sex);
    }
}

void Module1::DecAttribute(const QString& key)
{
    stepCharacteristic(key, -1, "Aging: %1 -1");
}

void Module1::SetNobility(Sex sex)
{
    if (sex == Sex::None)
        return;
    const auto social = store_.ReadInt(QStringLiteral("Social"));
    if (!social)
        return;
    if (*social <= 10) {
        view_.setHeaderText(HeaderField::Nobility, QString());
        return;
    }
    const char* query = sex == Sex::Male ? "select Male from Nobility ORDER BY Social"
                                         : "select Female from Nobility ORDER BY Social";
    const auto rows = rules_.select(query);
    if (!rows)
        return;
    // The title is found by position: Social 11 takes the first row.
    const auto position = static_cast<size_t>(*social - 11);
    if (position >= rows->size() || rows->at(position).isEmpty()) {
        view_.setHeaderText(HeaderField::Nobility, QString()); // no title this high
        return;
    }
    const QString title = rows->at(position).first();
    view_.setHeaderText(HeaderField::Nobility, title);
    AddToLog(QStringLiteral("Noble Title=") + title);
}

void Module1::AddToLog(const QString& line)
{
    view_.appendLog(line);
}
