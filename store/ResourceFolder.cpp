#include "store/ResourceFolder.h"

#include <QDir>
#include <QFileInfo>

QString GetResourceFolder(const QString& executablePath)
{
    QDir folder = QFileInfo(executablePath).absoluteDir(); // bin/
    folder.cdUp();                                         // the bundle
    return QDir::cleanPath(folder.absolutePath() + QStringLiteral("/Resources"));
}
