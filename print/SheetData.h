#pragma once
// What the printed character sheet shows, gathered from the main window's
// fields, the character store and the lists before drawing, so that the
// drawing itself reads nothing but this.

#include <QString>
#include <QStringList>

struct SheetData {
    QString date;       // 1. Date of Preparation, as shown
    QString name;       // 2.
    QString nobleTitle; // 3.
    QString upp;        // 4. the six characteristic texts joined
    QString age;        // 5.
    QString techLevel;  // 6. the home tech level as shown in the header
    QString rank;       // 7. the rank title
    bool academy = false;
    bool college = false;
    bool honors = false;
    bool notc = false;
    QString navy; // "Imperial", "Subsector", "Planetary" or empty; the sheet abbreviates it
    QString branch;
    QString terms;
    bool retired = false;
    int pension = 0; // annual retirement pay; nothing is printed unless above 0
    int cash = 0;    // nothing is printed unless above 0
    // "Name-Count" texts in list order; the sheet sorts them.
    QStringList specialAssignments;
    QStringList decorations;
    QStringList skills;
    QStringList benefits;
};
