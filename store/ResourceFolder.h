#pragma once

#include <QString>

// The bundle's resource folder: two folder levels above the executable file,
// then "Resources" (bin/corvantis -> Resources/ beside bin/). Nothing checks
// that it exists; a missing database is found when it is opened.
QString GetResourceFolder(const QString& executablePath);
