#pragma once
// Saving the character on screen to a character file and opening one again.
// The dates of the file a character was opened from are kept here: the
// printed sheet shows the creation date as its date of preparation.

#include "charfile/CharacterRecord.h"

#include <QString>

#include <functional>

class CharacterFields;
class CharacterStore;

class FileModule {
public:
    FileModule(CharacterStore& store, CharacterFields& fields);

    // Of the file the character on screen was opened from; empty otherwise.
    QString creation_date;
    QString modification_date;
    void clearDates();

    // The name the save dialog offers, ending in ".vcx2".
    QString suggestedFileName();
    // The character on screen as a file would hold it, dated today.
    CharacterRecord gather();

    // Writes the character to path; false (and a message naming the file
    // and the reason) when it could not, in which case any file already
    // there is left as it was.
    bool DoSave(const QString& path);
    // Replaces the character on screen by the file's; an empty path (a
    // cancelled dialog) does nothing. A file that cannot be read leaves the
    // character reset on the final page, with a message saying why.
    void DoOpen(const QString& path);

    // Today's date as the system's short date text; replaceable for tests.
    std::function<QString()> today;

private:
    void apply(const CharacterRecord& record);

    CharacterStore& store_;
    CharacterFields& fields_;
};
