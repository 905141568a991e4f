#pragma once
// The about box: the program's name, version and credits.

#include <QWidget>

class AboutBox : public QWidget {
    Q_OBJECT
public:
    AboutBox(const QString& resourceFolder, QWidget* parent);

    // "Version " major "." minor, in decimal.
    static QString versionText(int major, int minor);
};
