#include "app/widgets/AboutBox.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

AboutBox::AboutBox(const QString& resourceFolder, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)
{
    setWindowTitle(QStringLiteral("About Corvantis"));
    setFixedSize(428, 201);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("AboutLogo"));
    logo->setGeometry(20, 14, 64, 64);
    logo->setPixmap(QPixmap(QDir(resourceFolder).filePath(QStringLiteral("Imperial Sunburst_shadow_64.jpg"))));

    auto* title = new QLabel(QStringLiteral("Corvantis"), this);
    title->setObjectName(QStringLiteral("AboutTitle"));
    title->setGeometry(96, 14, 105, 23);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    title->setFont(bold);

    auto* version = new QLineEdit(versionText(CORVANTIS_VERSION_MAJOR, CORVANTIS_VERSION_MINOR), this);
    version->setObjectName(QStringLiteral("AboutVersion"));
    version->setGeometry(213, 19, 179, 22);
    version->setFrame(false);
    version->setStyleSheet(QStringLiteral("background: #e4e4e4;"));

    auto* info = new QLabel(this);
    info->setObjectName(QStringLiteral("AboutInfo"));
    info->setGeometry(96, 49, 312, 132);
    info->setWordWrap(true);
    info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    info->setText(QStringLiteral(
        "A character generator for a science-fiction role-playing game: it takes a character "
        "through a naval career, roll by roll, from enlistment to mustering out.\n\n"
        "Program written by the Corvantis developers.\n"
        "The game and its career rules remain the property of their rights holder."));
}

QString AboutBox::versionText(int major, int minor)
{
    return QStringLiteral("Version ") + QString::number(major) + QLatin1Char('.') + QString::number(minor);
}
