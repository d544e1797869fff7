#include "ui/journal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

#include "catalogue/number_syntax.h"
#include "document/invariant_text.h"
#include "document/plan_file.h"

namespace {

// The steps that bring a journal to each version: the first makes version 1 from an empty file,
// each next one the version after. A journal only ever moves forward, one step after another.
const QStringList kMigrations[] = {
    {QStringLiteral("CREATE TABLE casts (\n"
                    "  id INTEGER PRIMARY KEY,\n"
                    "  recorded_at TEXT NOT NULL,\n"
                    "  mixed_at TEXT,\n"
                    "  material TEXT NOT NULL,\n"
                    "  water_percent TEXT NOT NULL,\n"
                    "  flasks INTEGER NOT NULL,\n"
                    "  volume_dm3 TEXT NOT NULL,\n"
                    "  powder_g INTEGER NOT NULL,\n"
                    "  liquid_g INTEGER NOT NULL,\n"
                    "  metal TEXT, metal_g INTEGER,\n"
                    "  water_temperature TEXT,\n"
                    "  result TEXT,\n"
                    "  defects TEXT NOT NULL DEFAULT '',\n"
                    "  notes TEXT NOT NULL DEFAULT '',\n"
                    "  plan TEXT NOT NULL\n"
                    ")")},
    // The file says it is Gypsomix's journal, so that `file` names it and another program's
    // database put in its place is never taken for one.
    {QStringLiteral("PRAGMA application_id = 1199140979")},
};
constexpr int kVersion = int(std::size(kMigrations));
constexpr qint64 kApplicationId = 1199140979;  // "Gyps"

// SQLite's primary result codes that the caster is told about in words of their own.
enum SqliteCode {
    kPermission = 3,
    kBusy = 5,
    kLocked = 6,
    kReadOnly = 8,
    kIoError = 10,
    kCorrupt = 11,
    kFull = 13,
    kCannotOpen = 14,
    kNotADatabase = 26,
};

int codeOf(const QSqlError& error) {
    // Extended codes keep the primary one in their low byte.
    return error.nativeErrorCode().toInt() & 0xff;
}

bool isDamage(const QSqlError& error) {
    const int code = codeOf(error);
    return code == kCorrupt || code == kNotADatabase;
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Why SQLite refused, as a French clause ending with a full stop.
QString reasonOf(const QSqlError& error, const QString& path) {
    switch (codeOf(error)) {
        case kFull:
            return Journal::tr("le disque est plein.");
        case kPermission:
        case kReadOnly:
        case kCannotOpen:
            return Journal::tr("le dossier « %1 » ne peut pas être écrit.")
                .arg(native(QFileInfo(path).absolutePath()));
        case kIoError:
            return Journal::tr("le disque a refusé l'écriture.");
        case kBusy:
        case kLocked:
            return Journal::tr("le journal est occupé par un autre programme.");
        case kCorrupt:
        case kNotADatabase:
            return Journal::tr("le journal est endommagé.");
        default:
            return Journal::tr("SQLite répond « %1 ».").arg(error.text());
    }
}

// Local time with its UTC offset written out, so that a time reads the same from anywhere.
QString isoTime(const QDateTime& time) {
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate);
}

// A mass as the window shows it ("3128", "1,234568E+07"), in whole grams.
std::optional<qint64> wholeGrams(const std::string& shown, const gypsomix::NumberFormat& format) {
    const std::string text = gypsomix::to_invariant(shown, format);
    const gypsomix::NumberScan scan = gypsomix::scan_number(text);
    // Whole grams below 2^53 are exact in a double, whatever digits the text had.
    constexpr double exact = 9007199254740992.0;
    if (scan.stop != gypsomix::NumberStop::complete || scan.value < 0 || scan.value >= exact ||
        std::floor(scan.value) != scan.value) {
        return std::nullopt;
    }
    return qint64(scan.value);
}

bool isInvariantNumber(const QString& text) {
    return gypsomix::scan_number(text.toStdString()).stop == gypsomix::NumberStop::complete;
}

QString folded(const QString& text) {
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            plain += c;
        }
    }
    return plain.toCaseFolded();
}

const QString kColumns = QStringLiteral(
    "id, recorded_at, mixed_at, material, water_percent, flasks, volume_dm3, powder_g, liquid_g, "
    "metal, metal_g, water_temperature, result, defects, notes");

JournalCast castOfRow(const QSqlQuery& query) {
    JournalCast cast;
    cast.id = query.value(0).toLongLong();
    cast.recordedAt = query.value(1).toString();
    cast.mixedAt = query.value(2).toString();
    cast.material = query.value(3).toString();
    cast.waterPercent = query.value(4).toString();
    cast.flasks = query.value(5).toInt();
    cast.volumeDm3 = query.value(6).toString();
    cast.powderG = query.value(7).toLongLong();
    cast.liquidG = query.value(8).toLongLong();
    cast.metal = query.value(9).toString();
    if (!query.value(10).isNull()) {
        cast.metalG = query.value(10).toLongLong();
    }
    cast.waterTemperature = query.value(11).toString();
    cast.result = query.value(12).toString();
    cast.defects = query.value(13).toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
    cast.notes = query.value(14).toString();
    return cast;
}

QVariant nullIfEmpty(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

// Qt binds a null text as NULL, which the columns that default to '' refuse.
QVariant emptyIfNull(const QString& text) {
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

}  // namespace

std::variant<JournalCast, QString> castOfPlan(const gypsomix::PlanDocument& plan,
                                              const gypsomix::PlanFigures& figures,
                                              const std::optional<QDateTime>& mixedAt,
                                              const gypsomix::NumberFormat& format) {
    const QString cannot = Journal::tr("La coulée ne peut pas être consignée : %1");
    if (!figures.has_material || !plan.material) {
        return cannot.arg(Journal::tr("aucun revêtement n'est choisi."));
    }
    if (figures.error) {
        return cannot.arg(Journal::tr("le plan a une erreur (%1).")
                              .arg(QString::fromStdString(figures.error->what())));
    }
    const auto powder = wholeGrams(figures.result.masses.powder, format);
    const auto liquid = wholeGrams(figures.result.masses.water, format);
    if (!powder || !liquid) {
        return cannot.arg(Journal::tr("les masses ne sont pas des grammes entiers."));
    }
    JournalCast cast;
    cast.recordedAt = isoTime(QDateTime::currentDateTime());
    if (mixedAt) {
        cast.mixedAt = isoTime(*mixedAt);
    }
    cast.material = QString::fromStdString(plan.material->name);
    cast.waterPercent = QString::fromStdString(plan.water_percent);
    for (const auto& line : plan.lines) {
        cast.flasks += line.count;
    }
    cast.volumeDm3 = QString::fromStdString(gypsomix::to_invariant(figures.result.volume, format));
    cast.powderG = *powder;
    cast.liquidG = *liquid;
    // The metal as the plan melts it; a metal fault or no pattern leaves the grams unknown.
    if (plan.metal) {
        cast.metal = QString::fromStdString(plan.metal->name);
        if (figures.metal && !figures.metal_error && !figures.metal->total.empty()) {
            cast.metalG = wholeGrams(figures.metal->total, format);
        }
    }
    return cast;
}

QString castWordText(const QString& stored) {
    return Journal::tr(stored.toUtf8().constData());
}

bool castMatches(const JournalCast& cast, const QString& search) {
    const QString where =
        folded(cast.material + QLatin1Char('\n') + cast.metal + QLatin1Char('\n') + cast.notes);
    const QStringList words =
        folded(search).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    return std::all_of(words.begin(), words.end(),
                       [&](const QString& word) { return where.contains(word); });
}

Journal::Journal(const QString& path, QObject* parent)
    : QObject(parent), m_path(QFileInfo(path).absoluteFilePath()) {
    static int journals = 0;
    m_connection = QStringLiteral("gypsomix-journal-%1").arg(++journals);
    const QString unavailable =
        Journal::tr("Le journal des coulées « %1 » n'est pas disponible : %2");
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        m_notice = unavailable.arg(
            native(m_path),
            Journal::tr("le pilote SQLite de Qt (paquet libqt6sql6-sqlite) manque."));
        return;
    }
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        m_notice =
            unavailable.arg(native(m_path), Journal::tr("le dossier « %1 » ne peut pas être créé.")
                                                .arg(native(QFileInfo(m_path).absolutePath())));
        return;
    }
    QString fault;
    Opened opened = open(false, fault);
    if (opened == Opened::damaged) {
        close();
        const QString aside = setAside();
        if (aside.isEmpty()) {
            m_notice = unavailable.arg(
                native(m_path), Journal::tr("il est endommagé et ne peut pas être mis de côté."));
            return;
        }
        m_notice = Journal::tr(
                       "Le journal des coulées était endommagé ou n'en était pas un : "
                       "il est mis de côté sous « %1 », et un nouveau journal "
                       "commence.")
                       .arg(native(aside));
        opened = open(false, fault);
    }
    if (opened == Opened::newer) {
        close();
        opened = open(true, fault);
        if (opened == Opened::ok) {
            m_state = State::readOnly;
            m_fault = Journal::tr(
                "il vient d'une version plus récente de Gypsomix et n'est "
                "ouvert qu'en lecture.");
            m_notice = Journal::tr(
                           "Le journal des coulées « %1 » vient d'une version plus "
                           "récente de Gypsomix : il est ouvert en lecture seule.")
                           .arg(native(m_path));
            return;
        }
    }
    if (opened != Opened::ok) {
        close();
        m_fault = fault;
        m_notice = unavailable.arg(native(m_path), fault);
        return;
    }
    m_state = State::writable;
}

Journal::~Journal() {
    close();
}

QString Journal::defaultPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("gypsomix/journal.sqlite"));
}

Journal::Opened Journal::open(bool readOnly, QString& fault) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    if (readOnly) {
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    }
    if (!db.open()) {
        fault = reasonOf(db.lastError(), m_path);
        return Opened::failed;
    }
    QSqlQuery query(db);
    const auto failed = [&] {
        fault = reasonOf(query.lastError(), m_path);
        return isDamage(query.lastError()) ? Opened::damaged : Opened::failed;
    };
    // A file damaged anywhere is found now, and set aside whole, rather than at some later write.
    if (!query.exec(QStringLiteral("PRAGMA quick_check"))) {
        return failed();
    }
    if (!query.next() || query.value(0).toString() != QStringLiteral("ok")) {
        return Opened::damaged;
    }
    if (!query.exec(QStringLiteral("SELECT (SELECT user_version FROM pragma_user_version), "
                                   "(SELECT application_id FROM pragma_application_id), "
                                   "(SELECT count(*) FROM sqlite_schema)")) ||
        !query.next()) {
        return failed();
    }
    const int version = query.value(0).toInt();
    const qint64 application = query.value(1).toLongLong();
    // Another program's database, or tables with no version: not a journal to write into.
    if ((application != 0 && application != kApplicationId) ||
        (version == 0 && query.value(2).toInt() > 0)) {
        return Opened::damaged;
    }
    if (version > kVersion) {
        return readOnly ? Opened::ok : Opened::newer;
    }
    if (readOnly) {
        return Opened::ok;
    }
    // Readers never wait for a writer, and a cast cut short by a crash leaves only its own
    // frames in the log, which the next opening drops.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL"))) {
        return failed();
    }
    if (query.next() && query.value(0).toString() != QStringLiteral("wal")) {
        fault = Journal::tr(
                    "le dossier « %1 » ne permet pas à SQLite de tenir son journal "
                    "d'écriture (mode WAL).")
                    .arg(native(QFileInfo(m_path).absolutePath()));
        return Opened::failed;
    }
    query.finish();
    if (version < kVersion) {
        if (!db.transaction()) {
            fault = reasonOf(db.lastError(), m_path);
            return Opened::failed;
        }
        for (int step = version; step < kVersion; ++step) {
            for (const QString& statement : kMigrations[step]) {
                if (!query.exec(statement)) {
                    fault = reasonOf(query.lastError(), m_path);
                    query.finish();
                    db.rollback();
                    return Opened::failed;
                }
            }
        }
        if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kVersion)) || !db.commit()) {
            fault =
                reasonOf(query.lastError().isValid() ? query.lastError() : db.lastError(), m_path);
            query.finish();
            db.rollback();
            return Opened::failed;
        }
    }
    return Opened::ok;
}

void Journal::close() {
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isValid()) {
            db.close();
        }
    }
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::removeDatabase(m_connection);
    }
}

QString Journal::setAside() {
    const QString stem =
        m_path + QStringLiteral(".damaged-") + QDate::currentDate().toString(Qt::ISODate);
    QString aside = stem;
    for (int n = 2; QFile::exists(aside) || QFile::exists(aside + QStringLiteral("-wal")); ++n) {
        aside = stem + QStringLiteral("-%1").arg(n);
    }
    if (!QFile::rename(m_path, aside)) {
        return {};
    }
    // The log and its index belong to the file set aside: a new journal must not take them up.
    for (const QString& part : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFile::exists(m_path + part)) {
            QFile::rename(m_path + part, aside + part);
        }
    }
    return aside;
}

QList<JournalCast> Journal::casts(const QString& search) const {
    QList<JournalCast> casts;
    if (m_state == State::unavailable) {
        return casts;
    }
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM casts ORDER BY id DESC").arg(kColumns))) {
        return casts;
    }
    while (query.next()) {
        JournalCast cast = castOfRow(query);
        if (search.trimmed().isEmpty() || castMatches(cast, search)) {
            casts.push_back(std::move(cast));
        }
    }
    return casts;
}

std::optional<JournalCast> Journal::cast(qint64 id) const {
    if (m_state == State::unavailable) {
        return std::nullopt;
    }
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT %1 FROM casts WHERE id = ?").arg(kColumns));
    query.addBindValue(id);
    if (!query.exec() || !query.next()) {
        return std::nullopt;
    }
    return castOfRow(query);
}

std::string Journal::planOf(qint64 id) const {
    if (m_state == State::unavailable) {
        return {};
    }
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT plan FROM casts WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec() || !query.next()) {
        return {};
    }
    return query.value(0).toString().toStdString();
}

Journal::Written Journal::write(const QString& statement, const QVariantList& values) {
    Written written;
    if (m_state != State::writable) {
        written.fault =
            m_state == State::readOnly
                ? m_fault
                : (m_fault.isEmpty() ? Journal::tr("le journal n'est pas ouvert.") : m_fault);
        return written;
    }
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction()) {
        written.fault = reasonOf(db.lastError(), m_path);
        return written;
    }
    {
        QSqlQuery query(db);
        query.prepare(statement);
        for (const QVariant& value : values) {
            query.addBindValue(value);
        }
        if (!query.exec()) {
            written.fault = reasonOf(query.lastError(), m_path);
        } else {
            written.id = query.lastInsertId().toLongLong();
            written.rows = query.numRowsAffected();
        }
    }
    if (written.fault.isEmpty() && !db.commit()) {
        written.fault = reasonOf(db.lastError(), m_path);
    }
    if (!written.fault.isEmpty()) {
        db.rollback();
        return written;
    }
    emit castsChanged();
    return written;
}

std::variant<qint64, QString> Journal::record(const gypsomix::PlanDocument& plan,
                                              const gypsomix::PlanFigures& figures,
                                              const std::optional<QDateTime>& mixedAt,
                                              const gypsomix::NumberFormat& format) {
    auto row = castOfPlan(plan, figures, mixedAt, format);
    if (const auto* why = std::get_if<QString>(&row)) {
        return *why;
    }
    const JournalCast& cast = std::get<JournalCast>(row);
    const Written written =
        write(QStringLiteral("INSERT INTO casts (recorded_at, mixed_at, material, water_percent, "
                             "flasks, volume_dm3, powder_g, liquid_g, metal, metal_g, plan) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {cast.recordedAt, nullIfEmpty(cast.mixedAt), cast.material, cast.waterPercent,
               cast.flasks, cast.volumeDm3, cast.powderG, cast.liquidG, nullIfEmpty(cast.metal),
               cast.metalG ? QVariant(*cast.metalG) : QVariant(),
               QString::fromStdString(gypsomix::write_plan_file(plan))});
    if (!written.fault.isEmpty()) {
        return Journal::tr("La coulée n'a pas été consignée : %1").arg(written.fault);
    }
    return written.id;
}

QString Journal::setOutcome(qint64 id, const CastOutcome& outcome) {
    const QString cannot = Journal::tr("La coulée n'a pas été modifiée : %1");
    if (!outcome.result.isEmpty() && !kCastResults.contains(outcome.result)) {
        return cannot.arg(Journal::tr("« %1 » n'est pas un résultat.").arg(outcome.result));
    }
    QStringList defects;
    for (const QString& defect : kCastDefects) {
        if (outcome.defects.contains(defect)) {
            defects << defect;
        }
    }
    if (defects.size() != QSet<QString>(outcome.defects.begin(), outcome.defects.end()).size()) {
        return cannot.arg(Journal::tr("un défaut n'est pas dans la liste."));
    }
    if (!outcome.waterTemperature.isEmpty() && !isInvariantNumber(outcome.waterTemperature)) {
        return cannot.arg(Journal::tr("la température de l'eau n'est pas un nombre."));
    }
    const Written written =
        write(QStringLiteral("UPDATE casts SET result = ?, defects = ?, water_temperature = ?, "
                             "notes = ? WHERE id = ?"),
              {nullIfEmpty(outcome.result), emptyIfNull(defects.join(QLatin1Char(','))),
               nullIfEmpty(outcome.waterTemperature), emptyIfNull(outcome.notes), id});
    if (!written.fault.isEmpty()) {
        return cannot.arg(written.fault);
    }
    return written.rows == 1 ? QString()
                             : cannot.arg(Journal::tr("elle n'est plus dans le journal."));
}

QString Journal::remove(qint64 id) {
    const Written written = write(QStringLiteral("DELETE FROM casts WHERE id = ?"), {id});
    if (!written.fault.isEmpty()) {
        return Journal::tr("La coulée n'a pas été supprimée : %1").arg(written.fault);
    }
    return {};
}

QString recordCast(Journal& journal, const gypsomix::PlanDocument& plan,
                   const gypsomix::PlanFigures& figures, const std::optional<QDateTime>& mixedAt) {
    const auto recorded = journal.record(plan, figures, mixedAt);
    if (const auto* why = std::get_if<QString>(&recorded)) {
        return *why;
    }
    return Journal::tr("Coulée consignée dans le journal des coulées (n° %1).")
        .arg(std::get<qint64>(recorded));
}

QString shownDefects(const QStringList& defects) {
    QStringList shown;
    for (const QString& defect : defects) {
        shown << castWordText(defect);
    }
    return shown.join(QStringLiteral(", "));
}

QString exportJournalCsv(const Journal& journal, const QString& path,
                         const gypsomix::NumberFormat& format) {
    const auto cannot = [&](const QString& why) {
        return Journal::tr("Le journal des coulées n'a pas été exporté dans « %1 » : %2")
            .arg(native(path), why);
    };
    if (journal.state() == Journal::State::unavailable) {
        return cannot(Journal::tr("il n'est pas disponible."));
    }
    // Spreadsheets split on `;` where the comma is the decimal separator.
    const QChar separator = format.decimal == "," ? QLatin1Char(';') : QLatin1Char(',');
    const auto field = [&](QString text) {
        if (text.contains(separator) || text.contains(QLatin1Char('"')) ||
            text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
            text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                   QLatin1Char('"');
        }
        return text;
    };
    const auto decimal = [&](const QString& invariant) {
        return QString::fromStdString(gypsomix::to_regional(invariant.toStdString(), format));
    };
    const auto line = [&](const QStringList& fields) {
        QStringList quoted;
        for (const QString& text : fields) {
            quoted << field(text);
        }
        return quoted.join(separator) + QStringLiteral("\r\n");
    };
    QString csv = line({Journal::tr("N°"), Journal::tr("Consignée le"), Journal::tr("Mélange"),
                        Journal::tr("Revêtement"), Journal::tr("Eau (%)"), Journal::tr("Cylindres"),
                        Journal::tr("Volume (dm³)"), Journal::tr("Poudre (g)"),
                        Journal::tr("Liquide (g)"), Journal::tr("Métal"), Journal::tr("Métal (g)"),
                        Journal::tr("Température de l'eau (°C)"), Journal::tr("Résultat"),
                        Journal::tr("Défauts"), Journal::tr("Notes")});
    // Oldest first, as a log reads.
    const QList<JournalCast> casts = journal.casts();
    for (auto cast = casts.rbegin(); cast != casts.rend(); ++cast) {
        csv += line({QString::number(cast->id), cast->recordedAt, cast->mixedAt, cast->material,
                     decimal(cast->waterPercent), QString::number(cast->flasks),
                     decimal(cast->volumeDm3), QString::number(cast->powderG),
                     QString::number(cast->liquidG), cast->metal,
                     cast->metalG ? QString::number(*cast->metalG) : QString(),
                     decimal(cast->waterTemperature), castWordText(cast->result),
                     shownDefects(cast->defects), cast->notes});
    }
    const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + csv.toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return cannot(file.errorString());
    }
    return {};
}
