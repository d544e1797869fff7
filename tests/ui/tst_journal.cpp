// The casting journal in a real SQLite file: casts recorded, read back, told and deleted; the
// search; a journal of an older or a newer version, damaged, or where none can be made; a
// recording killed mid-way; the CSV read back by Python's csv module; the window, offscreen.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include "../core_test_support.h"
#include "document/plan_file.h"
#include "ui/journal.h"
#include "ui/journal_window.h"
#include "window_test_support.h"

namespace {

using gypsomix::LengthUnit;
using gypsomix::PlanDocument;

const gypsomix::NumberFormat& french = kFormats[1].format;

PlanDocument withMaterial(const char* name, std::vector<gypsomix::DocumentLine> lines) {
    PlanDocument plan;
    plan.material = gypsomix::CatalogueChoice{name, {"38", "3", "10", "8", "1.72", "0.48", "0.55"}};
    plan.water_percent = "38";
    plan.lines = std::move(lines);
    return plan;
}

// The README's plan: three kinds of flask, six flasks in all.
PlanDocument readmePlan() {
    return withMaterial("Plâtre à bijoux universel",
                        {{std::nullopt, "2 1/2", "3", LengthUnit::inch, 3, "12", ""},
                         {std::nullopt, "76.2", "101.6", LengthUnit::millimetre, 2, "", ""},
                         {std::nullopt, "100", "100", LengthUnit::millimetre, 1, "", ""}});
}

PlanDocument oneFlask(const char* material) {
    return withMaterial(material,
                        {{std::nullopt, "100", "100", LengthUnit::millimetre, 1, "", ""}});
}

std::variant<qint64, QString> record(Journal& journal, const PlanDocument& plan,
                                     const gypsomix::NumberFormat& format = french,
                                     std::optional<QDateTime> mixedAt = std::nullopt) {
    return journal.record(plan, gypsomix::plan_figures(plan, format), mixedAt, format);
}

qint64 recorded(Journal& journal, const PlanDocument& plan,
                const gypsomix::NumberFormat& format = french) {
    const auto result = record(journal, plan, format);
    return std::holds_alternative<qint64>(result) ? std::get<qint64>(result) : 0;
}

QString refusal(const std::variant<qint64, QString>& result) {
    return std::holds_alternative<QString>(result) ? std::get<QString>(result) : QString();
}

// A statement run on the file through a connection of the test's own, as a caster's sqlite3
// would: its first row, empty for none, or the error.
QVariantList sql(const QString& path, const QString& statement) {
    QVariantList values;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "direct");
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (!db.open() || !query.exec(statement))
            values << QStringLiteral("error: ") + query.lastError().text();
        else if (query.next())
            for (int i = 0; i < query.record().count(); ++i)
                values << query.value(i);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("direct"));
    return values;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// The first journal's table, as the version 1 of the journal writes it.
const QString kVersion1 = QStringLiteral(
    "CREATE TABLE casts (id INTEGER PRIMARY KEY, recorded_at TEXT NOT NULL, mixed_at TEXT, "
    "material TEXT NOT NULL, water_percent TEXT NOT NULL, flasks INTEGER NOT NULL, volume_dm3 "
    "TEXT NOT NULL, powder_g INTEGER NOT NULL, liquid_g INTEGER NOT NULL, metal TEXT, metal_g "
    "INTEGER, water_temperature TEXT, result TEXT, defects TEXT NOT NULL DEFAULT '', notes TEXT "
    "NOT NULL DEFAULT '', plan TEXT NOT NULL)");

// The child of the crash test: records casts one after another, saying each id once it is
// committed, until it is killed.
int recordUntilKilled() {
    int argc = 1;
    char name[] = "tst_journal";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    Journal journal(qEnvironmentVariable("GYPSOMIX_JOURNAL_CHILD"));
    const PlanDocument plan = readmePlan();
    const auto figures = gypsomix::plan_figures(plan, french);
    for (;;) {
        const auto result = journal.record(plan, figures, QDateTime::currentDateTime(), french);
        if (!std::holds_alternative<qint64>(result))
            return 1;
        std::printf("%lld\n", static_cast<long long>(std::get<qint64>(result)));
        std::fflush(stdout);
    }
}

}  // namespace

class TestJournal : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setUpPlanApplication(*qApp); }

    // A plan recorded under either separator set is the same row; it reads back from the file,
    // is told, and goes.
    void recordReadEditDelete() {
        QTemporaryDir dir;
        // The folder is made with the journal.
        const QString path = dir.filePath(QStringLiteral("gypsomix/journal.sqlite"));
        const PlanDocument plan = readmePlan();
        const QDateTime mixed = QDateTime::currentDateTime().addSecs(-300);
        {
            Journal journal(path);
            QSignalSpy changed(&journal, &Journal::castsChanged);
            QVERIFY(recorded(journal, plan) != 0);
            QCOMPARE(refusal(record(journal, plan, kFormats[0].format, mixed)), QString());
            QCOMPARE(changed.count(), 2);
        }
        Journal journal(path);
        const QList<JournalCast> casts = journal.casts();
        QCOMPARE(casts.size(), 2);
        const JournalCast& cast = casts[0];  // newest first
        QCOMPARE(cast.volumeDm3,
                 fromStd(gypsomix::plan_figures(plan, french).result.volume).replace(',', '.'));
        for (auto field : {&JournalCast::waterPercent, &JournalCast::volumeDm3})
            QCOMPARE(casts[1].*field, cast.*field);
        QCOMPARE(casts[1].liquidG, cast.liquidG);
        QCOMPARE(QDateTime::fromString(cast.mixedAt, Qt::ISODate).toSecsSinceEpoch(),
                 mixed.toSecsSinceEpoch());
        QVERIFY(casts[1].mixedAt.isEmpty());
        const QRegularExpression offset(QStringLiteral("T[\\d:]{8}([+-]\\d\\d:\\d\\d|Z)$"));
        QVERIFY2(offset.match(cast.recordedAt).hasMatch(), qPrintable(cast.recordedAt));
        QCOMPARE(gypsomix::read_plan_file(journal.planOf(cast.id)), plan);

        const QString columns = QStringLiteral(
                                    "SELECT typeof(powder_g), metal IS NULL, result IS NULL, "
                                    "defects, coalesce(water_temperature, 'NULL'), notes FROM "
                                    "casts WHERE id = %1")
                                    .arg(cast.id);
        QCOMPARE(sql(path, columns), (QVariantList{"integer", 1, 1, "", "NULL", ""}));
        const CastOutcome outcome{QStringLiteral("défauts"),
                                  {QStringLiteral("bulles"), QStringLiteral("porosité")},
                                  QStringLiteral("21.5"),
                                  QStringLiteral("Bol mal dégazé,\n« 90 s »")};
        QCOMPARE(journal.setOutcome(cast.id, outcome), QString());
        const QVariantList told{"integer", 1, 0, "porosité,bulles", "21.5", outcome.notes};
        QCOMPARE(sql(path, columns), told);
        // What is not a result, a defect of the list or a temperature changes nothing.
        const CastOutcome refused[] = {{QStringLiteral("parfaite"), {}, {}, {}},
                                       {{}, {QStringLiteral("fêlure")}, {}, {}},
                                       {{}, {}, QStringLiteral("21,5"), {}}};
        for (const CastOutcome& wrong : refused)
            QVERIFY(journal.setOutcome(cast.id, wrong)
                        .startsWith(QStringLiteral("La coulée n'a pas été modifiée : ")));
        QCOMPARE(sql(path, columns), told);

        QCOMPARE(journal.remove(cast.id), QString());
        QVERIFY(!journal.cast(cast.id));
        QCOMPARE(journal.casts().size(), 1);
        QCOMPARE(journal.setOutcome(cast.id, {}),
                 QStringLiteral("La coulée n'a pas été modifiée : elle n'est plus dans le "
                                "journal."));
    }

    void recording_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("size");  // diameter and height of the flasks
        QTest::addColumn<bool>("material");
        QTest::addColumn<QString>("why");  // the plan is not recorded; empty: it is
        QTest::newRow("one flask") << 1 << "100" << true << "";
        // Masses beyond seven digits are shown with an exponent and still kept in grams.
        QTest::newRow("a bowl beyond seven digits") << 999 << "1000" << true << "";
        QTest::newRow("no material") << 1 << "100" << false << "aucun revêtement n'est choisi";
        QTest::newRow("a size that is no number") << 1 << "cent" << true << "le plan a une erreur";
        QTest::newRow("a line not finished") << 1 << "" << true << "le plan a une erreur";
    }
    // The grams shown are the grams kept; a plan without its masses says why it cannot be kept.
    void recording() {
        QFETCH(int, count);
        QFETCH(QString, size);
        QFETCH(bool, material);
        QFETCH(QString, why);
        QTemporaryDir dir;
        Journal journal(dir.filePath(QStringLiteral("journal.sqlite")));
        PlanDocument plan = oneFlask("Plâtre");
        plan.lines[0].count = count;
        plan.lines[0].diameter = plan.lines[0].height = size.toStdString();
        if (!material)
            plan.material.reset();
        const auto result = record(journal, plan);
        // What the plan window says of it.
        const QString said =
            recordCast(journal, plan, gypsomix::plan_figures(plan, regionalNumberFormat()), {});
        QCOMPARE(said, why.isEmpty() ? QStringLiteral("Coulée consignée dans le journal des "
                                                      "coulées (n° %1).")
                                           .arg(std::get<qint64>(result) + 1)
                                     : refusal(result));
        if (!why.isEmpty()) {
            QVERIFY2(refusal(result).startsWith(
                         QStringLiteral("La coulée ne peut pas être consignée : ") + why),
                     qPrintable(refusal(result)));
            QVERIFY(journal.casts().isEmpty());
            return;
        }
        const auto masses = gypsomix::plan_figures(plan, french).result.masses;
        const auto grams = [](const std::string& shown) {
            return qint64(QLocale::c().toDouble(fromStd(shown).replace(',', '.')));
        };
        QCOMPARE(masses.powder.find('E') != std::string::npos, count > 1);
        const auto cast = journal.cast(std::get<qint64>(result));
        QCOMPARE(cast->flasks, count);
        QCOMPARE(cast->powderG, grams(masses.powder));
        QCOMPARE(cast->liquidG, grams(masses.water));
    }

    void search_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("found");  // materials, newest first
        const QString plaster = QStringLiteral("Plâtre à bijoux universel");
        const QString phosphate = QStringLiteral("Revêtement phosphaté");
        const QString fine = QStringLiteral("Plâtre fin");
        QTest::newRow("nothing typed") << "" << QStringList{fine, phosphate, plaster};
        QTest::newRow("blanks") << "  " << QStringList{fine, phosphate, plaster};
        QTest::newRow("as written") << "Plâtre" << QStringList{fine, plaster};
        QTest::newRow("without accent or capital") << "platre" << QStringList{fine, plaster};
        QTest::newRow("capitals and accents") << "PHOSPHATÉ" << QStringList{phosphate};
        QTest::newRow("the metal") << "argent" << QStringList{plaster};
        QTest::newRow("a word of the notes") << "bulles" << QStringList{fine};
        QTest::newRow("two words, two columns") << "plâtre 925" << QStringList{plaster};
        QTest::newRow("two words, one missing") << "plâtre bronze" << QStringList{};
        QTest::newRow("inside a word") << "phos" << QStringList{phosphate};
    }
    // The search reads the material, the metal and the notes.
    void search() {
        QFETCH(QString, search);
        QFETCH(QStringList, found);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
        Journal journal(path);
        const qint64 plaster = recorded(journal, oneFlask("Plâtre à bijoux universel"));
        recorded(journal, oneFlask("Revêtement phosphaté"));
        const qint64 fine = recorded(journal, oneFlask("Plâtre fin"));
        QCOMPARE(journal.setOutcome(fine, {{}, {}, {}, QStringLiteral("Des bulles au fond")}),
                 QString());
        // The metal is written as the plan's metal part will write it.
        QCOMPARE(
            sql(path,
                QStringLiteral("UPDATE casts SET metal = 'Argent 925' WHERE id = %1").arg(plaster)),
            QVariantList());
        QStringList materials;
        for (const JournalCast& cast : journal.casts(search))
            materials << cast.material;
        QCOMPARE(materials, found);
    }

    // A journal of the first version is brought to this one, its casts kept.
    void migrationFromVersion1() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
        for (const QString& statement :
             {kVersion1,
              QStringLiteral("INSERT INTO casts (recorded_at, material, water_percent, flasks, "
                             "volume_dm3, powder_g, liquid_g, result, defects, plan) VALUES "
                             "('2026-11-23T09:42:10+01:00', 'Plâtre', '38', 2, '1.5', 1870, 710, "
                             "'ratée', 'fissures', '{}')"),
              QStringLiteral("PRAGMA user_version = 1")})
            QCOMPARE(sql(path, statement), QVariantList());
        Journal journal(path);
        QCOMPARE(journal.state(), Journal::State::writable);
        QCOMPARE(journal.notice(), QString());
        QCOMPARE(journal.casts().size(), 1);
        const JournalCast old = journal.casts().first();
        QCOMPARE(old.recordedAt, QStringLiteral("2026-11-23T09:42:10+01:00"));
        QCOMPARE(old.powderG, qint64(1870));
        QCOMPARE(old.result, QStringLiteral("ratée"));
        QCOMPARE(old.defects, QStringList{QStringLiteral("fissures")});
        QVERIFY(recorded(journal, readmePlan()) != 0);
        QCOMPARE(sql(path,
                     QStringLiteral(
                         "SELECT user_version, application_id, journal_mode, (SELECT count(*) FROM "
                         "casts) FROM pragma_user_version, pragma_application_id, "
                         "pragma_journal_mode")),
                 (QVariantList{2, 1199140979, "wal", 2}));
    }

    // A journal of a later version is read, never written, and says so.
    void newerVersion() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
        {
            Journal journal(path);
            QVERIFY(recorded(journal, readmePlan()) != 0);
        }
        QCOMPARE(sql(path, QStringLiteral("PRAGMA user_version = 9")), QVariantList());
        const QByteArray before = bytesOf(path);
        {
            Journal journal(path);
            QCOMPARE(journal.state(), Journal::State::readOnly);
            QVERIFY2(journal.notice().contains(QStringLiteral("version plus récente")) &&
                         journal.notice().contains(QStringLiteral("lecture seule")),
                     qPrintable(journal.notice()));
            QCOMPARE(journal.casts().size(), 1);
            const qint64 id = journal.casts().first().id;
            QVERIFY(refusal(record(journal, readmePlan())).contains(QStringLiteral("lecture")));
            QVERIFY(!journal.setOutcome(id, {QStringLiteral("réussie"), {}, {}, {}}).isEmpty());
            QVERIFY(!journal.remove(id).isEmpty());
            QCOMPARE(journal.casts().size(), 1);
            QCOMPARE(exportJournalCsv(journal, dir.filePath(QStringLiteral("j.csv"))), QString());
            // The window says so, and offers nothing that would change the journal.
            JournalWindow window(journal);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(control<QLabel>(window, "notice")->isVisible());
            QCOMPARE(control<QLabel>(window, "notice")->text(), journal.notice());
            QCOMPARE(control<QTableWidget>(window, "casts")->rowCount(), 1);
            QVERIFY(!control(window, "remove")->isEnabled());
            QVERIFY(!control(window, "result")->isEnabled());
            QVERIFY(control(window, "openAsPlan")->isEnabled());
            QVERIFY(control(window, "export")->isEnabled());
        }
        QCOMPARE(bytesOf(path), before);
    }

    void damaged_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("not SQLite") << "text";
        QTest::newRow("header overwritten") << "header";
        QTest::newRow("a page overwritten") << "page";
        QTest::newRow("cut short") << "cut";
        QTest::newRow("another program's database") << "other";
    }
    // A journal that cannot be trusted is set aside whole, never deleted, and a new one starts;
    // a second one the same day is set aside beside the first.
    void damaged() {
        QFETCH(QString, damage);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
        if (damage == QStringLiteral("text")) {
            QVERIFY(writeBytes(path, QByteArray("Cahier de coulées ; 23/11 : plâtre, 38 %\n")));
        } else if (damage == QStringLiteral("other")) {
            QCOMPARE(sql(path, QStringLiteral("CREATE TABLE recettes (nom TEXT)")), QVariantList());
        } else {
            {
                Journal journal(path);
                for (int i = 0; i < 12; ++i)
                    QVERIFY(recorded(journal, readmePlan()) != 0);
            }
            QByteArray bytes = bytesOf(path);
            QVERIFY(bytes.size() > 3 * 4096);
            if (damage == QStringLiteral("header"))
                bytes.replace(0, 16, QByteArray(16, 'x'));
            else if (damage == QStringLiteral("page"))
                bytes.replace(4096, 4096, QByteArray(4096, '\x55'));
            else
                bytes.truncate(2 * 4096);
            QVERIFY(writeBytes(path, bytes));
        }
        const QByteArray damaged = bytesOf(path);
        const QString aside =
            path + QStringLiteral(".damaged-") + QDate::currentDate().toString(Qt::ISODate);
        for (const QString& expected : {aside, aside + QStringLiteral("-2")}) {
            {
                Journal journal(path);
                QCOMPARE(journal.state(), Journal::State::writable);
                QVERIFY2(journal.notice().contains(QStringLiteral("mis de côté sous « %1 »")
                                                       .arg(QDir::toNativeSeparators(expected))),
                         qPrintable(journal.notice()));
                QVERIFY(journal.casts().isEmpty());
                QVERIFY(recorded(journal, readmePlan()) != 0);
            }
            QCOMPARE(bytesOf(expected), damaged);
            QVERIFY(writeBytes(path, damaged));
        }
        QCOMPARE(bytesOf(aside), damaged);
    }

    // Where no journal can be made, each use says why and the plan is left alone.
    void unavailable() {
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath(QStringLiteral("gypsomix")), "pas un dossier"));
        const QString path = dir.filePath(QStringLiteral("gypsomix/journal.sqlite"));
        Journal journal(path);
        QCOMPARE(journal.state(), Journal::State::unavailable);
        QVERIFY2(journal.notice().startsWith(QStringLiteral("Le journal des coulées « %1 » n'est "
                                                            "pas disponible : ")
                                                 .arg(QDir::toNativeSeparators(path))),
                 qPrintable(journal.notice()));
        QVERIFY(refusal(record(journal, readmePlan()))
                    .startsWith(QStringLiteral("La coulée n'a pas été consignée : ")));
        QVERIFY(journal.casts().isEmpty());
        QVERIFY(!exportJournalCsv(journal, dir.filePath(QStringLiteral("j.csv"))).isEmpty());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("j.csv"))));
    }

    // Killed with SIGKILL again and again while recording: the file stays whole and every cast
    // it said was recorded is there, with at most one more per kill.
    void killedWhileRecording() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
        QSet<qint64> said;
        constexpr int kills = 6;
        for (int round = 0; round < kills; ++round) {
            // Each round stops after a different number of casts, wherever the child is then.
            const auto out = killWhen("GYPSOMIX_JOURNAL_CHILD", path, [&](const QByteArray& out) {
                return out.count('\n') >= 3 + 4 * round;
            });
            QVERIFY(out);
            for (const QByteArray& line : out->split('\n'))
                if (!line.isEmpty())
                    said.insert(line.toLongLong());
        }
        QCOMPARE(sql(path, QStringLiteral("PRAGMA integrity_check")), QVariantList{"ok"});
        Journal journal(path);
        QCOMPARE(journal.state(), Journal::State::writable);
        QCOMPARE(journal.notice(), QString());
        QSet<qint64> kept;
        for (const JournalCast& cast : journal.casts())
            kept.insert(cast.id);
        QVERIFY(kept.contains(said));
        QVERIFY2(kept.size() <= said.size() + kills,
                 qPrintable(QStringLiteral("%1 kept, %2 said").arg(kept.size()).arg(said.size())));
        QVERIFY(recorded(journal, readmePlan()) != 0);
    }

    void csv_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("separator");
        QTest::newRow("point") << 0 << ",";
        QTest::newRow("French") << 1 << ";";
    }
    // The export as a spreadsheet reads it: Python's csv module gets back every field, whatever
    // the notes hold. It is written whole, over what was there, or not at all.
    void csv() {
        QFETCH(QString, separator);
        const gypsomix::NumberFormat& format = rowFormat();
        QTemporaryDir dir;
        Journal journal(dir.filePath(QStringLiteral("journal.sqlite")));
        const QStringList notes = {
            QStringLiteral("Coulée à 480 °C, œil sur la porosité ; « bien »"),
            QStringLiteral("Il a dit \"parfait\", puis \"\""),
            QStringLiteral("ligne 1\nligne 2\r\nligne 3"),
            QString(),
        };
        for (const QString& note : notes) {
            const qint64 id = recorded(journal, readmePlan());
            QCOMPARE(journal.setOutcome(
                         id, {QStringLiteral("défauts"),
                              {QStringLiteral("porosité"), QStringLiteral("manque de métal")},
                              QStringLiteral("21.5"),
                              note}),
                     QString());
        }
        const QString missing = dir.filePath(QStringLiteral("absent/journal.csv"));
        QVERIFY(exportJournalCsv(journal, missing, format)
                    .startsWith(
                        QStringLiteral("Le journal des coulées n'a pas été exporté dans « %1 » : ")
                            .arg(QDir::toNativeSeparators(missing))));
        QVERIFY(!QFile::exists(missing));
        const QString path = dir.filePath(QStringLiteral("journal.csv"));
        QVERIFY(writeBytes(path, "ancien\r\n"));
        QCOMPARE(exportJournalCsv(journal, path, format), QString());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4);  // no temporary file left

        QProcess python;
        python.start(QStringLiteral("python3"),
                     {QStringLiteral(GYPSOMIX_READ_CSV), path, separator});
        QVERIFY(python.waitForFinished(30000));
        QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
        const QJsonObject read = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
        QVERIFY(read.value(QStringLiteral("bom")).toBool());
        const QJsonArray rows = read.value(QStringLiteral("rows")).toArray();
        QCOMPARE(rows.size(), 1 + notes.size());
        QCOMPARE(rows[0].toArray().size(), 15);
        const QList<JournalCast> casts = journal.casts();
        for (int i = 0; i < notes.size(); ++i) {
            const JournalCast& cast = casts[casts.size() - 1 - i];  // oldest first
            QStringList row;
            for (const QJsonValue& field : rows[i + 1].toArray())
                row << field.toString();
            QCOMPARE(row, (QStringList{QString::number(cast.id), cast.recordedAt, QString(),
                                       QStringLiteral("Plâtre à bijoux universel"),
                                       QStringLiteral("38"), QStringLiteral("6"),
                                       localisedText(cast.volumeDm3.toUtf8().constData(), format),
                                       QString::number(cast.powderG), QString::number(cast.liquidG),
                                       QString(), QString(), localisedText("21.5", format),
                                       QStringLiteral("défauts"),
                                       QStringLiteral("porosité, manque de métal"), notes[i]}));
        }
    }

    // Record, then in the window: tell the result and a defect, find the cast by its material,
    // open it as a plan, delete another after the question, export.
    void window() {
        QTemporaryDir dir;
        Journal journal(dir.filePath(QStringLiteral("journal.sqlite")));
        const PlanDocument plan = readmePlan();
        const qint64 readme = recorded(journal, plan, regionalNumberFormat());
        QVERIFY(readme != 0);
        JournalWindow window(journal);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // A cast recorded while the window is open comes first; the one shown stays.
        const qint64 id = recorded(journal, oneFlask("Revêtement phosphaté"));
        auto* table = control<QTableWidget>(window, "casts");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("Revêtement phosphaté"));
        QCOMPARE(window.shownCast(), readme);

        // Found by typing the material's name, and shown in the pane.
        QVERIFY(window.showCast(id));
        typeInto(control(window, "search"), QStringLiteral("platre"));
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(window.shownCast(), readme);
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("6"));
        QVERIFY(control<QLabel>(window, "summary")->text().contains(QStringLiteral("eau 38 %")));

        auto* result = control<QComboBox>(window, "result");
        result->setFocus(Qt::TabFocusReason);
        chooseWithKeys(result, result->findText(QStringLiteral("défauts")));
        // On its box, where a caster aims.
        auto* porosity = window.findChild<QCheckBox*>(QStringLiteral("porosité"));
        QTest::mouseClick(porosity, Qt::LeftButton, {}, QPoint(7, porosity->height() / 2));
        typeInto(control(window, "waterTemperature"), regional(QStringLiteral("21,5")));
        QTest::keyClick(control(window, "waterTemperature"), Qt::Key_Tab);
        control(window, "notes")->setFocus();
        QTest::keyClicks(control(window, "notes"), QStringLiteral("Vide trop court"));
        // Notes are written once the caster pauses.
        QTRY_COMPARE(journal.cast(readme)->notes, QStringLiteral("Vide trop court"));
        JournalCast told = *journal.cast(readme);
        QCOMPARE(told.result, QStringLiteral("défauts"));
        QCOMPARE(told.defects, QStringList{QStringLiteral("porosité")});
        QCOMPARE(told.waterTemperature, QStringLiteral("21.5"));
        QCOMPARE(table->item(0, 6)->text(), QStringLiteral("défauts : porosité"));
        // A temperature that is no number is said, and the one recorded stays.
        typeInto(control(window, "waterTemperature"), QStringLiteral("chaude"));
        QTest::keyClick(control(window, "waterTemperature"), Qt::Key_Tab);
        QVERIFY2(control<QLabel>(window, "message")->text().contains(QStringLiteral("« chaude »")),
                 qPrintable(control<QLabel>(window, "message")->text()));
        QCOMPARE(journal.cast(readme)->waterTemperature, QStringLiteral("21.5"));

        std::optional<PlanDocument> opened;
        connect(&window, &JournalWindow::openAsPlan, this,
                [&](const PlanDocument& shown) { opened = shown; });
        QTest::mouseClick(control<QPushButton>(window, "openAsPlan"), Qt::LeftButton);
        QVERIFY(opened);
        QCOMPARE(*opened, plan);

        typeInto(control(window, "search"), QString());
        QVERIFY(window.showCast(id));
        ModalAnswers answers;
        answers.then(press(QMessageBox::Cancel));
        QTest::mouseClick(control<QPushButton>(window, "remove"), Qt::LeftButton);
        QCOMPARE(journal.casts().size(), 2);
        answers.then(press(QMessageBox::Yes));
        QTest::mouseClick(control<QPushButton>(window, "remove"), Qt::LeftButton);
        QCOMPARE(journal.casts().size(), 1);
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(answers.seen.size(), 2);
        QVERIFY(answers.seen[0].text.contains(QStringLiteral("Revêtement phosphaté")));

        const QString csv = dir.filePath(QStringLiteral("export.csv"));
        answers.then([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            dialog->selectFile(csv);
            static_cast<QDialog*>(dialog)->accept();
        });
        QTest::mouseClick(control<QPushButton>(window, "export"), Qt::LeftButton);
        QVERIFY(!answers.gaveUp);
        const QByteArray written = bytesOf(csv);
        QVERIFY(written.startsWith("\xEF\xBB\xBF"));
        QVERIFY(written.contains(QStringLiteral("porosité").toUtf8()));

        // Notes typed just before the window closes are kept.
        QVERIFY(window.showCast(readme));
        control(window, "notes")->setFocus();
        QTest::keyClick(control(window, "notes"), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(control(window, "notes"), QStringLiteral(", refaire"));
        window.close();
        QCOMPARE(journal.cast(readme)->notes, QStringLiteral("Vide trop court, refaire"));
    }
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet("GYPSOMIX_JOURNAL_CHILD"))
        return recordUntilKilled();
    QApplication app(argc, argv);
    TestJournal test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_journal.moc"
