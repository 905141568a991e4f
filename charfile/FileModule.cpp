#include "charfile/FileModule.h"

#include "charfile/AtomicFile.h"
#include "charfile/CharacterFields.h"
#include "charfile/CharacterFile.h"
#include "store/CharacterStore.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

const char* const Characteristics[6] = {"Strength", "Dexterity", "Endurance", "Intelligence", "Education", "Social"};
const char* const CharacteristicFields[6] = {"StrText", "DexText", "EndText", "IntText", "EduText", "SocText"};

QString quoted(const QString& text)
{
    return QStringLiteral("\u201C") + text + QStringLiteral("\u201D");
}

} // namespace

FileModule::FileModule(CharacterStore& store, CharacterFields& fields)
    : today([] { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }),
      store_(store), fields_(fields)
{
}

void FileModule::clearDates()
{
    creation_date.clear();
    modification_date.clear();
}

QString FileModule::suggestedFileName()
{
    QString upp;
    for (const char* attribute : Characteristics)
        upp += charfile::hexDigit(store_.GetInt(QLatin1String(attribute)));
    const QString name = fields_.fieldText(QStringLiteral("NameText"));
    const QString navy = fields_.fieldText(QStringLiteral("NavyText"));
    QString suggested;
    if (!name.isEmpty())
        suggested = name;
    else if (!navy.isEmpty())
        suggested = navy + QStringLiteral(" Navy Character ") + upp;
    else
        suggested = QStringLiteral("Navy Character ") + upp;
    // A slash in the character's name would make the dialog read a folder.
    suggested.replace(QLatin1Char('/'), QLatin1Char('-'));
    return suggested + QLatin1String(charfile::Extension);
}

CharacterRecord FileModule::gather()
{
    CharacterRecord r;
    r.creationDate = today();
    r.modificationDate = r.creationDate;
    r.name = fields_.fieldText(QStringLiteral("NameText"));
    r.nobleTitle = fields_.fieldText(QStringLiteral("NobilityText"));
    for (size_t i = 0; i < 6; ++i)
        r.characteristics[i] = charfile::hexDigit(store_.GetInt(QLatin1String(Characteristics[i])));
    r.age = fields_.fieldText(QStringLiteral("AgeText"));
    r.collegeGrad = store_.GetBool(QStringLiteral("College"));
    r.collegeHonors = r.collegeGrad && store_.GetBool(QStringLiteral("Honors"));
    r.cash = store_.GetInt(QStringLiteral("Cash"));
    r.retired = store_.GetBool(QStringLiteral("Retired"));
    r.pension = store_.GetBool(QStringLiteral("Pension"));
    r.pensionAmount = store_.GetInt(QStringLiteral("Pension"));
    r.rovanteersAid = store_.HasBenefit(QStringLiteral("Rovanteers' Aid"));
    r.homeTechLevel = charfile::leadingInt(fields_.homeTechLevelText());

    r.navy = fields_.fieldText(QStringLiteral("NavyText"));
    r.branch = fields_.fieldText(QStringLiteral("BranchText"));
    r.terms = fields_.fieldText(QStringLiteral("TermText"));
    r.officer = store_.GetBool(QStringLiteral("Officer"));
    r.rank = fields_.fieldText(QStringLiteral("RankText"));
    r.rankNumber = store_.GetInt(QStringLiteral("Rank"));
    r.academyGrad = store_.GetBool(QStringLiteral("Academy"));
    r.academyHonors = r.academyGrad && store_.GetBool(QStringLiteral("Honors"));

    r.assignments = store_.SARows();
    r.awards = store_.DecorationRows();
    r.skills = store_.SkillRows();
    r.possessions = store_.BenefitRows();
    r.log = fields_.logText();
    return r;
}

bool FileModule::DoSave(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QByteArray bytes = charfile::write(gather());
    // No creator code is stored: Linux has no such file metadata, and the
    // ".vcx2" extension with its MIME type identifies the file.
    if (const auto reason = writeFileAtomically(path, bytes)) {
        const QFileInfo info(path);
        fields_.notify(QStringLiteral("Could not save %1 in %2: %3. Any file of that name there is unchanged.")
                           .arg(quoted(info.fileName()), QDir::toNativeSeparators(info.absolutePath()), *reason));
        return false;
    }
    return true;
}

void FileModule::DoOpen(const QString& path)
{
    if (path.isEmpty())
        return;
    fields_.resetToFinalPage();
    clearDates();

    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fields_.notify(QStringLiteral("Could not open %1: %2.").arg(quoted(name), file.errorString()));
        return;
    }
    // Never more than one byte past the limit is read, whatever the file's size.
    const QByteArray bytes = file.read(charfile::MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        fields_.notify(QStringLiteral("Could not read %1: %2.").arg(quoted(name), file.errorString()));
        return;
    }
    const charfile::ReadResult result = charfile::read(bytes, name);
    if (!result.record) {
        fields_.notify(result.error);
        return;
    }
    apply(*result.record);
}

void FileModule::apply(const CharacterRecord& r)
{
    creation_date = r.creationDate;
    modification_date = r.modificationDate;

    fields_.setFieldText(QStringLiteral("NameText"), r.name);
    fields_.setFieldText(QStringLiteral("NobilityText"), r.nobleTitle);
    for (size_t i = 0; i < 6; ++i) {
        fields_.setFieldText(QLatin1String(CharacteristicFields[i]), r.characteristics[i]);
        store_.SaveInt(QLatin1String(Characteristics[i]), charfile::unhx(r.characteristics[i]));
    }
    fields_.setFieldText(QStringLiteral("AgeText"), r.age);
    store_.SaveInt(QStringLiteral("Age"), charfile::leadingInt(r.age));
    store_.SaveBool(QStringLiteral("College"), r.collegeGrad);
    store_.SaveBool(QStringLiteral("Honors"), r.collegeHonors || r.academyHonors);
    store_.SaveInt(QStringLiteral("Cash"), r.cash);
    store_.SaveBool(QStringLiteral("Retired"), r.retired);
    store_.SaveBool(QStringLiteral("Pension"), r.pension);
    store_.SaveInt(QStringLiteral("Pension"), r.pensionAmount);
    // The menu offers 7 to 15 only; a level outside takes the nearest.
    fields_.selectHomeTechLevel(std::clamp(r.homeTechLevel, 7, 15));

    fields_.setFieldText(QStringLiteral("NavyText"), r.navy);
    fields_.setFieldText(QStringLiteral("BranchText"), r.branch);
    fields_.setFieldText(QStringLiteral("TermText"), r.terms);
    store_.SaveBool(QStringLiteral("Officer"), r.officer);
    fields_.setFieldText(QStringLiteral("RankText"), r.rank);
    store_.SaveInt(QStringLiteral("Rank"), r.rankNumber);
    store_.SaveBool(QStringLiteral("Academy"), r.academyGrad);

    // Each count is re-added one occurrence at a time, as it was earned.
    auto repeat = [](const std::vector<CountedName>& rows, const std::function<void(const QString&)>& add) {
        for (const auto& [name, count] : rows)
            for (int i = 0; i < count; ++i)
                add(name);
    };
    repeat(r.assignments, [this](const QString& name) { store_.AddSA(name); });
    repeat(r.awards, [this](const QString& name) { store_.AddDecoration(name); });
    // The engine's additions would also log the skill limit notice and the
    // second "Rovanteers' Aid"; the file's log replaces those lines at once,
    // so the store's own additions do the same work with half the queries.
    repeat(r.skills, [this](const QString& name) { store_.AddSkill(name); });
    repeat(r.possessions, [this](const QString& name) { store_.AddBenefit(name); });

    // The file's log replaces the whole log.
    fields_.setLogText(r.log);
}
