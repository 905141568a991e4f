#include "store/CharacterStore.h"

#include "store/Sqlite.h"

#include <algorithm>

using sqlite::Access;
using sqlite::Connection;

namespace {

// The first row with the name wins, as the rows are walked in table order.
constexpr const char* FirstRowWhere = " WHERE Attribute = ?1 ORDER BY rowid LIMIT 1";

QString selectValue(const char* table)
{
    return QStringLiteral("SELECT Value FROM ") + QLatin1String(table) + QLatin1String(FirstRowWhere);
}

QString updateValue(const char* table)
{
    return QStringLiteral("UPDATE ") + QLatin1String(table) + QStringLiteral(" SET Value = ?2 WHERE rowid = (SELECT rowid FROM ") +
           QLatin1String(table) + QLatin1String(FirstRowWhere) + QStringLiteral(")");
}

// The weapon group members that ride along with "Handgun" and "Laser Weapons".
const QStringList UncountedSkills = {"Automatic Pistol", "Body Pistol", "Snub Pistol", "Laser Carbine"};

const QString RovanteersAid = QStringLiteral("Rovanteers' Aid");

} // namespace

sqlite::Access CharacterStore::writeAccess() const
{
    return scratch_ ? Access::Scratch : Access::ReadWrite;
}

std::optional<int> CharacterStore::ReadInt(const QString& name)
{
    Connection db(file_, Access::ReadOnly, sink_);
    if (!db.isOpen())
        return std::nullopt;
    auto row = db.query(selectValue("Characteristics").toUtf8().constData(), {name});
    if (row.next())
        return static_cast<int>(row.integer(0));
    if (row.failed())
        return std::nullopt;
    return 0;
}

bool CharacterStore::GetBool(const QString& name)
{
    Connection db(file_, Access::ReadOnly, sink_);
    auto row = db.query(selectValue("Booleans").toUtf8().constData(), {name});
    return row.next() && row.integer(0) != 0;
}

QString CharacterStore::GetString(const QString& name)
{
    Connection db(file_, Access::ReadOnly, sink_);
    auto row = db.query(selectValue("Strings").toUtf8().constData(), {name});
    return row.next() ? row.text(0) : QString();
}

void CharacterStore::SaveInt(const QString& name, int value)
{
    Connection db(file_, writeAccess(), sink_);
    db.exec(updateValue("Characteristics").toUtf8().constData(), {name, std::int64_t{value}});
}

void CharacterStore::SaveBool(const QString& name, bool value)
{
    Connection db(file_, writeAccess(), sink_);
    db.exec(updateValue("Booleans").toUtf8().constData(), {name, std::int64_t{value ? 1 : 0}});
}

void CharacterStore::SaveStr(const QString& name, const QString& value)
{
    Connection db(file_, writeAccess(), sink_);
    db.exec(updateValue("Strings").toUtf8().constData(), {name, value});
}

std::optional<int> CharacterStore::StepInt(const QString& name, int delta, int low, int high)
{
    Connection db(file_, writeAccess(), sink_);
    if (!db.isOpen() || !db.begin())
        return std::nullopt;
    int value = 0;
    {
        auto row = db.query(selectValue("Characteristics").toUtf8().constData(), {name});
        if (row.next())
            value = static_cast<int>(row.integer(0));
        if (row.failed()) {
            db.rollback();
            return std::nullopt;
        }
    }
    if (delta > 0 && value < high)
        value = std::min(value + delta, high);
    else if (delta < 0 && value > low)
        value = std::max(value + delta, low);
    if (!db.exec(updateValue("Characteristics").toUtf8().constData(), {name, std::int64_t{value}})) {
        db.rollback();
        return std::nullopt;
    }
    if (!db.commit())
        return std::nullopt;
    return value;
}

void CharacterStore::countUp(const char* findSql, const char* updateSql, const char* insertSql, const QString& name)
{
    Connection db(file_, writeAccess(), sink_);
    if (!db.isOpen() || !db.begin())
        return;
    std::int64_t rowid = -1;
    bool ok = true;
    {
        auto row = db.query(findSql, {name});
        if (row.next())
            rowid = row.integer(0);
        ok = !row.failed();
    }
    if (ok)
        ok = rowid >= 0 ? db.exec(updateSql, {rowid}) : db.exec(insertSql, {name});
    if (ok)
        db.commit();
    else
        db.rollback();
}

void CharacterStore::AddSkill(const QString& name)
{
    countUp("SELECT rowid FROM Skills WHERE Skill = ?1 ORDER BY rowid LIMIT 1",
            "UPDATE Skills SET Level = Level + 1 WHERE rowid = ?1",
            "INSERT INTO Skills (Skill, Level) VALUES (?1, 1)", name);
}

void CharacterStore::AddDecoration(const QString& name)
{
    countUp("SELECT rowid FROM Decorations WHERE Decoration = ?1 ORDER BY rowid LIMIT 1",
            "UPDATE Decorations SET Number = Number + 1 WHERE rowid = ?1",
            "INSERT INTO Decorations (Decoration, Number) VALUES (?1, 1)", name);
}

void CharacterStore::AddSA(const QString& name)
{
    countUp("SELECT rowid FROM SpecialAssignments WHERE Assignment = ?1 ORDER BY rowid LIMIT 1",
            "UPDATE SpecialAssignments SET Number = Number + 1 WHERE rowid = ?1",
            "INSERT INTO SpecialAssignments (Assignment, Number) VALUES (?1, 1)", name);
}

bool CharacterStore::AddBenefit(const QString& name)
{
    if (name == RovanteersAid && HasBenefit(name))
        return false;
    countUp("SELECT rowid FROM Benefits WHERE Benefit = ?1 ORDER BY rowid LIMIT 1",
            "UPDATE Benefits SET Number = Number + 1 WHERE rowid = ?1",
            "INSERT INTO Benefits (Benefit, Number) VALUES (?1, 1)", name);
    return true;
}

void CharacterStore::AddXT(const QString& branch)
{
    Connection db(file_, writeAccess(), sink_);
    db.exec("INSERT INTO CrossTraining (Branch) SELECT ?1 "
            "WHERE NOT EXISTS (SELECT 1 FROM CrossTraining WHERE Branch = ?1)",
            {branch});
}

void CharacterStore::deleteAll(const char* sql)
{
    Connection db(file_, writeAccess(), sink_);
    db.exec(sql);
}

void CharacterStore::DeleteSkills() { deleteAll("DELETE FROM Skills"); }
void CharacterStore::DeleteDecorations() { deleteAll("DELETE FROM Decorations"); }
void CharacterStore::DeleteSAs() { deleteAll("DELETE FROM SpecialAssignments"); }
void CharacterStore::DeleteBenefits() { deleteAll("DELETE FROM Benefits"); }
void CharacterStore::DeleteXT() { deleteAll("DELETE FROM CrossTraining"); }

std::vector<ListEntry> CharacterStore::countedRows(const char* sql)
{
    std::vector<ListEntry> rows;
    Connection db(file_, Access::ReadOnly, sink_);
    auto row = db.query(sql);
    while (row.next())
        rows.emplace_back(row.text(0), static_cast<int>(row.integer(1)));
    if (row.failed())
        rows.clear();
    return rows;
}

std::vector<ListEntry> CharacterStore::SkillRows() { return countedRows("SELECT Skill, Level FROM Skills ORDER BY rowid"); }
std::vector<ListEntry> CharacterStore::DecorationRows() { return countedRows("SELECT Decoration, Number FROM Decorations ORDER BY rowid"); }
std::vector<ListEntry> CharacterStore::SARows() { return countedRows("SELECT Assignment, Number FROM SpecialAssignments ORDER BY rowid"); }
std::vector<ListEntry> CharacterStore::BenefitRows() { return countedRows("SELECT Benefit, Number FROM Benefits ORDER BY rowid"); }

QStringList CharacterStore::CrossTrainingRows()
{
    QStringList branches;
    Connection db(file_, Access::ReadOnly, sink_);
    auto row = db.query("SELECT Branch FROM CrossTraining ORDER BY rowid");
    while (row.next())
        branches << row.text(0);
    if (row.failed())
        branches.clear();
    return branches;
}

std::vector<std::pair<QString, QString>> CharacterStore::AttributeRows(const QString& table)
{
    std::vector<std::pair<QString, QString>> rows;
    const char* sql = table == QLatin1String("Characteristics") ? "SELECT Attribute, Value FROM Characteristics ORDER BY rowid"
                      : table == QLatin1String("Booleans")      ? "SELECT Attribute, Value FROM Booleans ORDER BY rowid"
                                                                : "SELECT Attribute, Value FROM Strings ORDER BY rowid";
    Connection db(file_, Access::ReadOnly, sink_);
    auto row = db.query(sql);
    while (row.next())
        rows.emplace_back(row.text(0), row.text(1));
    return rows;
}

namespace {

QStringList listed(const std::vector<ListEntry>& rows, qsizetype nameLength = -1)
{
    QStringList texts;
    for (const auto& [name, count] : rows)
        texts << (nameLength < 0 ? name : name.left(nameLength)) + QLatin1Char('-') + QString::number(count);
    return texts;
}

} // namespace

QStringList CharacterStore::GetSkills() { return listed(SkillRows(), 24); }
QStringList CharacterStore::GetDecorations() { return listed(DecorationRows()); }
QStringList CharacterStore::GetSAs() { return listed(SARows()); }
QStringList CharacterStore::GetBenefits() { return listed(BenefitRows()); }

bool CharacterStore::HasBenefit(const QString& name)
{
    Connection db(file_, Access::ReadOnly, sink_);
    auto row = db.query("SELECT 1 FROM Benefits WHERE Benefit = ?1 LIMIT 1", {name});
    return row.next();
}

bool CharacterStore::HasGambling()
{
    return SkillLevel(QStringLiteral("Gambling")) > 0;
}

int CharacterStore::SkillLevel(const QString& name)
{
    Connection db(file_, Access::ReadOnly, sink_);
    auto row = db.query("SELECT Level FROM Skills WHERE Skill = ?1 ORDER BY rowid LIMIT 1", {name});
    return row.next() ? static_cast<int>(row.integer(0)) : 0;
}

bool CharacterStore::anySkillAtLeast(const QStringList& names, int level)
{
    for (const auto& [name, held] : SkillRows())
        if (held >= level && names.contains(name))
            return true;
    return false;
}

int CharacterStore::CountedSkillLevels()
{
    int total = 0;
    for (const auto& [name, level] : SkillRows())
        if (!UncountedSkills.contains(name))
            total += level;
    return total;
}
