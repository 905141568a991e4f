#pragma once
// The character file: one XML document whose elements sit in a fixed order
// and whose data is all in attributes. Readers find elements by position, so
// the writer keeps that order and the reader checks it before trusting it.

#include "charfile/CharacterRecord.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace charfile {

inline constexpr const char* Extension = ".vcx2";
inline constexpr const char* TypeName = "Rovanteer Character";

// The file's bytes: indented XML 1.0 in UTF-8 with a declaration. The dates
// are written as the record gives them.
QByteArray write(const CharacterRecord& record);

struct ReadResult {
    std::optional<CharacterRecord> record;
    // Why the file was refused, as the message the user is shown.
    QString error;
};
// Reads a file's bytes; fileName names the file in the messages.
// character, or the reason it could not be read.
ReadResult read(const QByteArray& bytes, const QString& fileName);

// The largest file and the most elements a reader accepts. A character file
// is a few kilobytes; these bound what a hostile file can cost.
inline constexpr qint64 MaxFileSize = 1 << 20;
inline constexpr int MaxElements = 10000;
// Counts are re-added one by one, so they are bounded too.
inline constexpr int MaxCount = 99;
inline constexpr int MaxAdditions = 1000;

// Value encodings.
QString hexDigit(int value);        // 0-9, A-F; below 0 gives "0", above 15 "F"
int unhx(const QString& text);      // "0"-"9", "A"-"F"; anything else 0
int leadingInt(const QString& text); // the decimal number at the start, else 0
// The officer's second rank number, or nothing for ranks outside 1 to 10.
std::optional<int> rovanteerRankNumber(int rank);

} // namespace charfile
