#pragma once
// Replacing a file all at once: the new content is written beside the target
// and renamed over it only when every byte reached the disk, so a failed
// write (a full disk, a folder that cannot be written) leaves the old file
// exactly as it was.

#include <QByteArray>
#include <QString>

#include <optional>

// Writes bytes to path; returns the reason when it failed.
std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes);
