#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

#include "calc/number_text.h"
#include "document/plan_document.h"
#include "document/plan_figures.h"
#include "ui/number_format.h"

// What a cast can come out as, and the defects a caster may mark on it, in the words stored:
// French in every journal, whatever the language of the program that wrote it.
inline const QStringList kCastResults = {QStringLiteral(QT_TRANSLATE_NOOP("Journal", "réussie")),
                                         QStringLiteral(QT_TRANSLATE_NOOP("Journal", "défauts")),
                                         QStringLiteral(QT_TRANSLATE_NOOP("Journal", "ratée"))};
inline const QStringList kCastDefects = {
    QStringLiteral(QT_TRANSLATE_NOOP("Journal", "porosité")),
    QStringLiteral(QT_TRANSLATE_NOOP("Journal", "bulles")),
    QStringLiteral(QT_TRANSLATE_NOOP("Journal", "ailettes")),
    QStringLiteral(QT_TRANSLATE_NOOP("Journal", "manque de métal")),
    QStringLiteral(QT_TRANSLATE_NOOP("Journal", "surface rugueuse")),
    QStringLiteral(QT_TRANSLATE_NOOP("Journal", "inclusions")),
    QStringLiteral(QT_TRANSLATE_NOOP("Journal", "fissures"))};

// A stored result or defect as the caster reads it, in the program's language; defects joined
// by commas.
QString castWordText(const QString& stored);
QString shownDefects(const QStringList& defects);

// One row of the journal, as stored: decimals in the invariant form ("1.72"), times in ISO 8601
// with their UTC offset. An empty text stands for a NULL column.
struct JournalCast {
    qint64 id = 0;
    QString recordedAt;
    QString mixedAt;  // when water met powder, if the timer was running
    QString material;
    QString waterPercent;
    int flasks = 0;
    QString volumeDm3;
    qint64 powderG = 0;
    qint64 liquidG = 0;
    QString metal;
    std::optional<qint64> metalG;
    QString waterTemperature;  // °C
    QString result;            // empty until the caster tells; else one of kCastResults
    QStringList defects;       // in the order of kCastDefects
    QString notes;
};

// What the caster tells of a cast afterwards.
struct CastOutcome {
    QString result;
    QStringList defects;
    QString waterTemperature;  // invariant decimal, or empty
    QString notes;
};

// The row of a plan as it stands, with the figures the window shows for it (worked out under
// `format`), or the French sentence saying why it cannot be recorded.
std::variant<JournalCast, QString> castOfPlan(const gypsomix::PlanDocument& plan,
                                              const gypsomix::PlanFigures& figures,
                                              const std::optional<QDateTime>& mixedAt,
                                              const gypsomix::NumberFormat& format);

// Whether a cast's material, metal or notes hold every word of the search, whatever the case
// and the accents ("platre" finds « Plâtre »).
bool castMatches(const JournalCast& cast, const QString& search);

// « Journal des coulées »: every cast recorded, in a SQLite database a caster may also query
// with sqlite3. Each write is one transaction, so a crash loses at most the cast being
// recorded. A journal that cannot be used leaves the plan alone: it says why in notice() and
// each write returns its reason.
class Journal : public QObject {
    Q_OBJECT

  public:
    enum class State {
        writable,
        readOnly,     // written by a later version: read, never changed
        unavailable,  // no journal can be opened or made there
    };

    // Opens the journal at `path`, making it (and its folder) if needed, and brings an older
    // one up to this version. One that is damaged or not a journal is set aside beside it.
    explicit Journal(const QString& path, QObject* parent = nullptr);
    ~Journal() override;

    // The user's journal, in the same folder as the plan's autosaved copy.
    static QString defaultPath();

    QString path() const { return m_path; }
    State state() const { return m_state; }
    // What the caster should know of the journal as it was opened; empty when all is well.
    QString notice() const { return m_notice; }

    // The casts, newest first, those matching `search` when one is given. Empty on a journal
    // that cannot be read.
    QList<JournalCast> casts(const QString& search = {}) const;
    std::optional<JournalCast> cast(qint64 id) const;
    // The cast's plan file, as recorded; empty when there is no such cast.
    std::string planOf(qint64 id) const;

    // Records the plan with its figures: the new cast's id, or why it was not recorded.
    std::variant<qint64, QString> record(
        const gypsomix::PlanDocument& plan, const gypsomix::PlanFigures& figures,
        const std::optional<QDateTime>& mixedAt,
        const gypsomix::NumberFormat& format = regionalNumberFormat());
    // Each returns why the change was not made, or an empty text.
    QString setOutcome(qint64 id, const CastOutcome& outcome);
    QString remove(qint64 id);

  signals:
    // After every change of the journal made through this object.
    void castsChanged();

  private:
    enum class Opened { ok, newer, damaged, failed };
    struct Written {
        qint64 id = 0;  // of the row inserted
        int rows = 0;   // changed
        QString fault;  // why nothing was written, as a French clause
    };

    Opened open(bool readOnly, QString& fault);
    void close();
    // Renames the file, its log and its index aside; the new name, or empty when it cannot.
    QString setAside();
    Written write(const QString& statement, const QVariantList& values);

    QString m_path;
    QString m_connection;
    State m_state = State::unavailable;
    QString m_notice;
    QString m_fault;  // why nothing can be written, when so
};

// « Consigner la coulée »: records the plan as it stands and returns what the plan window says,
// that the cast is recorded or why it is not.
QString recordCast(Journal& journal, const gypsomix::PlanDocument& plan,
                   const gypsomix::PlanFigures& figures, const std::optional<QDateTime>& mixedAt);

// Writes every cast of the journal, oldest first, as CSV for a spreadsheet: UTF-8 with a
// byte-order mark, headers in the program's language, results and defects too, decimals under
// `format`, separated by `;` where the decimal separator is a comma and by `,` elsewhere. Written
// whole or not at all; returns why not, or an empty text.
QString exportJournalCsv(const Journal& journal, const QString& path,
                         const gypsomix::NumberFormat& format = regionalNumberFormat());
