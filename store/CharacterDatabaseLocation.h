#pragma once
// Where the application keeps the character being generated. A bundle in a
// writable folder (the build tree) works on its own chardata.rsd; an installed
// bundle is read-only to its user, so the character then lives in a per-user
// copy in the user's data folder, made from the installed file on first use.

#include <QString>

// What the user may do with the bundle's character database. SQLite writes
// its journal (or write-ahead log) beside the database, so a writable file in
// a folder that refuses new files is not writable in place.
struct DatabaseAccess {
    bool fileWritable = false;
    bool folderWritable = false;
};

// Asks the file system, as the user running the program.
DatabaseAccess probeDatabaseAccess(const QString& databasePath);

struct CharacterDatabaseLocation {
    QString path;    // the database to open
    QString problem; // why the per-user copy could not be made; empty when all went well
};

// The character database to use for the bundle whose resource folder is
// given. A per-user copy, once made, is never overwritten: it holds the
// user's character. When the copy cannot be made, the bundle's own path is
// returned with the reason, so opening it shows the usual database error.
CharacterDatabaseLocation characterDatabasePath(const QString& resourceFolder, const QString& userDataFolder);

// The same decision with the bundle's access given, so it can be exercised
// where permission bits do not bind (as root).
CharacterDatabaseLocation characterDatabasePath(const QString& resourceFolder, const QString& userDataFolder,
                                                DatabaseAccess bundleAccess);
