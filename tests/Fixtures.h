#pragma once
// Shared test fixtures: a private copy of the built character database, the
// built rule database, and recorders for what the engine shows.

#include "engine/EngineView.h"
#include "store/DatabaseErrorSink.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

inline QString builtResources()
{
    return QStringLiteral(CORVANTIS_TEST_RESOURCES);
}

// A fresh character database for one test, removed afterwards.
class TempCharacterDb {
public:
    TempCharacterDb()
    {
        path_ = dir_.filePath(QStringLiteral("chardata.rsd"));
        // The pristine build, not the bundle's copy, which the application
        // may have left holding a character.
        const bool copied = QFile::copy(QStringLiteral(CORVANTIS_TEST_PRISTINE_CHARDATA), path_);
        QFile(path_).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        EXPECT_TRUE(copied) << "no built " << CORVANTIS_TEST_PRISTINE_CHARDATA;
    }
    const QString& path() const { return path_; }
    QString folder() const { return dir_.path(); }
    // A path in the same folder where no database exists.
    QString missing() const { return dir_.filePath(QStringLiteral("absent.rsd")); }

private:
    QTemporaryDir dir_;
    QString path_;
};

class RecordingSink : public DatabaseErrorSink {
public:
    void databaseError(int code, const QString& message) override { errors << databaseErrorText(code, message); }
    QStringList errors;
};

class RecordingView : public EngineView {
public:
    void setHeaderText(HeaderField field, const QString& text) override { header[field] = text; }
    QString headerText(HeaderField field) const override { return header.value(field); }
    Sex selectedSex() const override { return sex; }
    int homeTechLevel() const override { return techLevel; }
    void appendLog(const QString& line) override { log << line; }
    void boldLastLogLine() override { bold << static_cast<int>(log.size()) - 1; }
    void setPage(int page) override { pages << page; }
    QString pickSkill(const QString& label, const QStringList& offered, const Describe& describe) override
    {
        pickerLabels << label;
        pickerOffers << offered;
        descriptions << describe(offered.value(0));
        return picks.isEmpty() ? offered.value(0) : picks.takeFirst();
    }
    void notify(const QString& text) override { notices << text; }

    QHash<HeaderField, QString> header;
    QStringList log;
    QList<int> bold;
    QList<int> pages;
    QStringList picks; // answers for the picker, in order
    QStringList pickerLabels;
    QList<QStringList> pickerOffers;
    QStringList descriptions;
    QStringList notices;
    Sex sex = Sex::Male;
    int techLevel = 15;
};
