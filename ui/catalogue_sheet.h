#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>
#include <memory>
#include <optional>
#include <vector>

#include "calc/number_text.h"
#include "catalogue/catalogue_writer.h"
#include "ui/number_format.h"

// The catalogues a caster edits in the program.
enum class CatalogueKind { materials, flasks, metals, programmes };

// What a cell must hold to be saved.
enum class CellRule {
    name,         // not empty, no double quote, on one line
    number,       // a number in the regional format
    percent,      // a number from 0 to 100
    aboveZero,    // a density, a diameter, a height
    temperature,  // not below absolute zero
    notNegative,  // a rate of climb (0: as fast as the oven goes), a hold
};

struct CatalogueColumn {
    QString header;
    CellRule rule;
};

// One catalogue: its file, relative to the folder the programs are started in, and its fields.
// For burnout programmes, the columns are the name and then the fields of one step.
struct CatalogueKindInfo {
    QString title;
    QString path;
    int fields;
    QList<CatalogueColumn> columns;
    bool programmes;  // consecutive records of one name form one programme
};
const CatalogueKindInfo& catalogueKindInfo(CatalogueKind kind);

// Why a cell's text cannot be saved, as a caster reads it; empty when it can. Numbers are read
// in `format`, the regional one.
QString cellFault(CellRule rule, const QString& text, const gypsomix::NumberFormat& format);

// A record of the catalogue, or a burnout programme: its name, then its steps.
struct SheetEntry {
    QStringList cells;
    QList<QStringList> steps;
    bool operator==(const SheetEntry&) const = default;
};

// A cell: an entry, one of its steps (-1: the entry's own cells) and a column of either.
struct SheetPlace {
    int entry = -1;
    int step = -1;
    int column = 0;
    bool operator==(const SheetPlace&) const = default;
};

struct SheetFault {
    SheetPlace place;
    QString where;   // « ligne 3, « Eau utilisée (%) » »
    QString reason;  // « un nombre de 0 à 100 »
};

// The catalogue being edited: its entries as the caster typed them (numbers in the regional
// format), the undo stack through which every edit goes, and the file's encoding and line ends,
// which saving keeps.
class CatalogueSheet : public QObject {
    Q_OBJECT

  public:
    CatalogueSheet(CatalogueKind kind, const QString& path, QObject* parent = nullptr);
    ~CatalogueSheet() override;

    const CatalogueKindInfo& info() const { return m_info; }
    QString path() const { return m_path; }
    const QList<SheetEntry>& entries() const { return *m_entries; }
    QString cell(const SheetPlace& place) const;
    const CatalogueColumn& column(const SheetPlace& place) const;

    // Reads the file afresh: a new start, with nothing to undo. A missing file is an empty
    // catalogue, Windows-1252 with CR LF, made by the first save.
    void load();
    bool fileExists() const { return m_exists; }
    // The reader's report when the file cannot be read, and the record it stopped at (from 1).
    const std::optional<gypsomix::RunTimeError>& readError() const { return m_readError; }
    int stoppedAt() const { return m_stoppedAt; }

    gypsomix::CatalogueEncoding encoding() const { return m_encoding; }
    void setEncoding(gypsomix::CatalogueEncoding encoding) { m_encoding = encoding; }
    gypsomix::CatalogueLineEnd lineEnd() const { return m_lineEnd; }

    QUndoStack* undoStack() { return &m_stack; }
    bool isModified() const { return !m_stack.isClean(); }

    // Every cell that keeps the catalogue from being saved, in order; a programme also needs a
    // step and a name of its own.
    QList<SheetFault> faults() const;
    QString faultAt(const SheetPlace& place,
                    const gypsomix::NumberFormat& format = regionalNumberFormat()) const;
    // The fault the cell would have if it held `text`, as it is typed.
    QString faultIf(const SheetPlace& place, const QString& text,
                    const gypsomix::NumberFormat& format = regionalNumberFormat()) const;

    // The edits, each one step to undo. `entry` names the programme whose steps are edited;
    // -1 edits the entries themselves.
    void setCell(const SheetPlace& place, const QString& text);
    void addRow(int entry, int after);
    void duplicateRow(int entry, int row);
    void removeRow(int entry, int row);
    void moveRow(int entry, int row, int by);
    // A row's name for the steps' texts: « la ligne », « le programme », « l'étape »...
    QString rowNoun(int entry, bool definite) const;

    // The place of a record's field in the sheet, record and field counted from 1.
    SheetPlace placeOfRecord(int record, int field) const;
    // Writes the file; the previous one becomes its .bak. Throws gypsomix::RunTimeError.
    void save();

  signals:
    // One cell changed, by an edit, an undo or a redo.
    void cellChanged(const SheetPlace& place);
    // Rows were added, removed or moved; `current` is where the caster is now.
    void rowsChanged(const SheetPlace& current);
    // The file was read again.
    void reloaded();

  private:
    friend class SheetCommand;
    using Entries = QList<SheetEntry>;
    void push(class SheetCommand* command);
    void show(std::shared_ptr<const Entries> entries, const SheetPlace& place, bool rows);
    std::vector<std::vector<gypsomix::FieldValue>> records() const;

    CatalogueKindInfo m_info;
    QString m_path;
    std::shared_ptr<const Entries> m_entries;
    QUndoStack m_stack;
    bool m_exists = false;
    std::optional<gypsomix::RunTimeError> m_readError;
    int m_stoppedAt = 0;
    gypsomix::CatalogueEncoding m_encoding = gypsomix::CatalogueEncoding::windows_1252;
    gypsomix::CatalogueLineEnd m_lineEnd = gypsomix::CatalogueLineEnd::crlf;
};
