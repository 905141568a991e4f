#pragma once
// Everything a character file holds, in the form the program uses it. The
// texts shown in the main window's header are kept as text, exactly as the
// file carries them; the rest is typed.

#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

// One counted list row: a name and its count (a skill's level).
using CountedName = std::pair<QString, int>;

struct CharacterRecord {
    QString creationDate;
    QString modificationDate;

    QString name;
    QString nobleTitle;
    // Strength, Dexterity, Endurance, Intelligence, Education, Social: one
    // pseudo-hexadecimal character each.
    std::array<QString, 6> characteristics;
    QString age;
    bool collegeGrad = false;
    bool collegeHonors = false;
    int cash = 0;
    bool retired = false;
    bool pension = false;
    int pensionAmount = 0;
    bool rovanteersAid = false; // written, not read back
    int homeTechLevel = 0;      // the last character of the home world's UWP

    QString navy;
    QString branch;
    QString terms;
    bool officer = false;
    QString rank; // the rank title
    int rankNumber = 0;
    bool academyGrad = false;
    bool academyHonors = false;

    std::vector<CountedName> assignments;
    std::vector<CountedName> awards;
    std::vector<CountedName> skills;
    std::vector<CountedName> possessions;

    QString log;
};
