#pragma once
// The character database: the one character being generated, as named rows
// of three attribute tables and five list tables. Every operation opens its
// own connection, changes at most what it says, and commits before it
// returns, so the file is always the character's current state. A failed
// connection is reported to the sink and the operation returns its neutral
// value; a name without a row is not an error.

#include "store/Sqlite.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

class DatabaseErrorSink;

// One entry of a counted list: the name and its level or count.
using ListEntry = std::pair<QString, int>;

class CharacterStore {
public:
    explicit CharacterStore(DatabaseErrorSink* sink) : sink_(sink) {}

    void setFile(const QString& path) { file_ = path; }
    // A throwaway copy (the driver's) need not survive a crash: its commits
    // skip the disk flush.
    void setScratch(bool scratch) { scratch_ = scratch; }
    const QString& file() const { return file_; }

    // Attributes.
    int GetInt(const QString& name) { return ReadInt(name).value_or(0); }
    // As GetInt, but tells a failed database (nothing) from a missing row (0).
    std::optional<int> ReadInt(const QString& name);
    bool GetBool(const QString& name);
    QString GetString(const QString& name);
    void SaveInt(const QString& name, int value);
    void SaveBool(const QString& name, bool value);
    void SaveStr(const QString& name, const QString& value);

    // Moves an integer attribute by delta toward a bound in one transaction:
    // it stops at the bound, and a value already past the bound is left as it
    // is (raising never lowers). Returns the new value, or nothing when the
    // database could not be reached. A missing row reads as 0 and stays missing.
    std::optional<int> StepInt(const QString& name, int delta, int low, int high);

    // Lists. The add operations find a name first and count it up, or insert it.
    void AddSkill(const QString& name);
    void AddDecoration(const QString& name);
    void AddSA(const QString& name);
    // False when the name is "Rovanteers' Aid" and already held: that benefit
    // is held at most once, every other benefit counts repeats.
    bool AddBenefit(const QString& name);
    void AddXT(const QString& branch);

    void DeleteSkills();
    void DeleteDecorations();
    void DeleteSAs();
    void DeleteBenefits();
    void DeleteXT();

    // "Name-Count" texts in table order; skill names are cut to 24 characters.
    QStringList GetSkills();
    QStringList GetDecorations();
    QStringList GetSAs();
    QStringList GetBenefits();

    // The raw rows, in table order, for the character file and the driver.
    std::vector<ListEntry> SkillRows();
    std::vector<ListEntry> DecorationRows();
    std::vector<ListEntry> SARows();
    std::vector<ListEntry> BenefitRows();
    QStringList CrossTrainingRows();
    std::vector<std::pair<QString, QString>> AttributeRows(const QString& table);

    bool HasBenefit(const QString& name);
    bool HasGambling();
    int SkillLevel(const QString& name);
    bool SkillLevel2(const QStringList& names) { return anySkillAtLeast(names, 2); }
    bool SkillLevel3(const QStringList& names) { return anySkillAtLeast(names, 3); }
    bool SkillLevel5(const QStringList& names) { return anySkillAtLeast(names, 5); }

    // The skill levels that count toward the character's limit: the extra
    // rows of the two weapon groups do not count, so each group weighs one.
    int CountedSkillLevels();

private:
    std::vector<ListEntry> countedRows(const char* sql);
    void countUp(const char* findSql, const char* updateSql, const char* insertSql, const QString& name);
    void deleteAll(const char* sql);
    bool anySkillAtLeast(const QStringList& names, int level);

    sqlite::Access writeAccess() const;

    DatabaseErrorSink* sink_;
    QString file_;
    bool scratch_ = false;
};
