#include "ui/catalogue_sheet.h"

#include <QFileInfo>
#include <QUndoCommand>
#include <algorithm>
#include <type_traits>

#include "calc/number_text.h"
#include "catalogue/catalogue.h"
#include "catalogue/field_reader.h"

namespace {

// The metal and burnout catalogues are named here by their files: the editor needs no more of
// them than where they are and what their fields mean.
const CatalogueKindInfo kKinds[] = {
    {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Revêtements")),
     QString::fromLatin1(gypsomix::MatRecord::path),
     gypsomix::MatRecord::fields,
     {{QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Nom")), CellRule::name},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Eau utilisée (%)")),
       CellRule::percent},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Temps de malaxage (min)")),
       CellRule::number},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Temps de gel (min)")),
       CellRule::number},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Temps utile de coulabilité (min)")),
       CellRule::number},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Densité du revêtement liquide")),
       CellRule::aboveZero},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Expansion de prise à 1 heure")),
       CellRule::number},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Expansion de prise à 2 heures")),
       CellRule::number}},
     false},
    {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Cylindres")),
     QString::fromLatin1(gypsomix::CylindreRecord::path),
     gypsomix::CylindreRecord::fields,
     {{QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Nom")), CellRule::name},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Diamètre (mm)")),
       CellRule::aboveZero},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Hauteur (mm)")),
       CellRule::aboveZero}},
     false},
    {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Métaux")),
     QStringLiteral("Data/Metal.txt"),
     2,
     {{QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Nom")), CellRule::name},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Densité (g/cm³)")),
       CellRule::aboveZero}},
     false},
    {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Programmes de cuisson")),
     QStringLiteral("Data/Cuisson.txt"),
     4,
     {{QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Programme")), CellRule::name},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Température visée (°C)")),
       CellRule::temperature},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Montée (°C/h)")),
       CellRule::notNegative},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("CatalogueSheet", "Palier (min)")),
       CellRule::notNegative}},
     true},
};

constexpr double kAbsoluteZero = -273.15;

QString quoted(const QString& text) {
    return CatalogueSheet::tr("«\u00A0%1\u00A0»").arg(text);
}

// The name as the programs list it: spaces around it do not count.
QString listedName(const QString& name) {
    qsizetype first = 0, last = name.size();
    while (first < last && name.at(first) == QLatin1Char(' ')) {
        ++first;
    }
    while (last > first && name.at(last - 1) == QLatin1Char(' ')) {
        --last;
    }
    return name.mid(first, last - first);
}

}  // namespace

const CatalogueKindInfo& catalogueKindInfo(CatalogueKind kind) {
    return kKinds[static_cast<int>(kind)];
}

QString cellFault(CellRule rule, const QString& text, const gypsomix::NumberFormat& format) {
    if (rule == CellRule::name) {
        if (listedName(text).isEmpty()) {
            return CatalogueSheet::tr("le nom est vide");
        }
        if (text.contains(QLatin1Char('"'))) {
            return CatalogueSheet::tr("un nom ne peut pas contenir de guillemet droit (\")");
        }
        if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
            return CatalogueSheet::tr("un nom tient sur une seule ligne");
        }
        return {};
    }
    double value = 0;
    try {
        value = gypsomix::text_to_number(text.toStdString(), format);
    } catch (const gypsomix::RunTimeError& error) {
        if (text.trimmed().isEmpty()) {
            return CatalogueSheet::tr("la valeur manque");
        }
        return error.error() == gypsomix::ErrorNumber::overflow
                   ? CatalogueSheet::tr("le nombre dépasse les limites d'un nombre réel")
                   : CatalogueSheet::tr("%1 n'est pas un nombre").arg(quoted(text.trimmed()));
    }
    switch (rule) {
        case CellRule::percent:
            return value < 0 || value > 100 ? CatalogueSheet::tr("un pourcentage de 0 à 100")
                                            : QString();
        case CellRule::aboveZero:
            return value > 0 ? QString() : CatalogueSheet::tr("un nombre supérieur à 0");
        case CellRule::temperature:
            return value >= kAbsoluteZero ? QString()
                                          : CatalogueSheet::tr("pas moins de %1 °C")
                                                .arg(QString::fromStdString(gypsomix::value_to_text(
                                                    kAbsoluteZero, format)));
        case CellRule::notNegative:
            return value >= 0 ? QString() : CatalogueSheet::tr("un nombre positif ou nul");
        default:
            return {};
    }
}

// Every edit keeps the entries before and after it, shared with the steps next to it.
class SheetCommand : public QUndoCommand {
  public:
    using Entries = CatalogueSheet::Entries;

    SheetCommand(CatalogueSheet* sheet, const QString& text, std::shared_ptr<const Entries> after,
                 SheetPlace before, SheetPlace place, bool rows)
        : QUndoCommand(text),
          m_sheet(sheet),
          m_before(sheet->m_entries),
          m_after(std::move(after)),
          m_placeBefore(before),
          m_place(place),
          m_rows(rows) {}

    void undo() override { m_sheet->show(m_before, m_placeBefore, m_rows); }
    void redo() override { m_sheet->show(m_after, m_place, m_rows); }
    bool changesNothing() const { return *m_before == *m_after; }

  private:
    CatalogueSheet* m_sheet;
    std::shared_ptr<const Entries> m_before;
    std::shared_ptr<const Entries> m_after;
    SheetPlace m_placeBefore;
    SheetPlace m_place;
    bool m_rows;
};

namespace {

// One kind of command for each kind of edit, as the undo stack lists them.
class EditCellCommand : public SheetCommand {
    using SheetCommand::SheetCommand;
};
class AddRowCommand : public SheetCommand {
    using SheetCommand::SheetCommand;
};
class DuplicateRowCommand : public SheetCommand {
    using SheetCommand::SheetCommand;
};
class RemoveRowCommand : public SheetCommand {
    using SheetCommand::SheetCommand;
};
class MoveRowCommand : public SheetCommand {
    using SheetCommand::SheetCommand;
};

// Calls `edit` with the rows that `entry` names: the entries, or the steps of one programme.
template <typename Edit>
void withRows(QList<SheetEntry>& entries, int entry, Edit&& edit) {
    if (entry < 0) {
        edit(entries);
    } else {
        edit(entries[entry].steps);
    }
}

SheetPlace rowPlace(int entry, int row, int column = 0) {
    return entry < 0 ? SheetPlace{row, -1, column} : SheetPlace{entry, row, column};
}

}  // namespace

CatalogueSheet::CatalogueSheet(CatalogueKind kind, const QString& path, QObject* parent)
    : QObject(parent),
      m_info(catalogueKindInfo(kind)),
      m_path(path),
      m_entries(std::make_shared<const Entries>()) {
    // The table keeps the French words; the caster reads them in the program's language.
    m_info.title = tr(m_info.title.toUtf8().constData());
    for (CatalogueColumn& column : m_info.columns) {
        column.header = tr(column.header.toUtf8().constData());
    }
}

CatalogueSheet::~CatalogueSheet() {
    // The steps call back into the sheet; they go first.
    m_stack.clear();
}

const CatalogueColumn& CatalogueSheet::column(const SheetPlace& place) const {
    return m_info.columns.at(place.step < 0 ? place.column : place.column + 1);
}

QString CatalogueSheet::cell(const SheetPlace& place) const {
    const SheetEntry& entry = entries().at(place.entry);
    return place.step < 0 ? entry.cells.at(place.column)
                          : entry.steps.at(place.step).at(place.column);
}

void CatalogueSheet::load() {
    m_stack.clear();
    m_readError.reset();
    m_stoppedAt = 0;
    m_encoding = gypsomix::CatalogueEncoding::windows_1252;
    m_lineEnd = gypsomix::CatalogueLineEnd::crlf;
    Entries entries;
    const std::string path = m_path.toStdString();
    const gypsomix::NumberFormat format = regionalNumberFormat();
    m_exists = QFileInfo::exists(m_path);
    int records = 0;
    try {
        if (m_exists) {
            m_encoding = gypsomix::catalogue_encoding(path);
            m_lineEnd = gypsomix::catalogue_line_end(path);
            gypsomix::FieldReader reader;
            reader.set_record_length(m_info.fields);
            reader.open(path);
            while (!reader.at_end()) {
                QStringList cells;
                for (int f = 0; f < m_info.fields; ++f) {
                    // A name written as a number is shown as the lists show it.
                    cells << QString::fromStdString(gypsomix::value_to_text(
                        reader.read_field(), f == 0 ? gypsomix::NumberFormat{} : format));
                }
                ++records;
                if (!m_info.programmes) {
                    entries.append({cells, {}});
                    continue;
                }
                const QString name = cells.takeFirst();
                if (entries.isEmpty() ||
                    listedName(entries.last().cells.front()) != listedName(name)) {
                    entries.append({{name}, {}});
                }
                entries.last().steps.append(cells);
            }
            reader.close();
        }
    } catch (const gypsomix::RunTimeError& error) {
        m_readError = error;
        m_stoppedAt = error.error() == gypsomix::ErrorNumber::file_not_found ? 0 : records + 1;
        entries.clear();
    }
    m_entries = std::make_shared<const Entries>(std::move(entries));
    emit reloaded();
}

QString CatalogueSheet::rowNoun(int entry, bool definite) const {
    if (entry >= 0) {
        return definite ? CatalogueSheet::tr("l'étape") : CatalogueSheet::tr("une étape");
    }
    if (m_info.programmes) {
        return definite ? CatalogueSheet::tr("le programme") : CatalogueSheet::tr("un programme");
    }
    return definite ? CatalogueSheet::tr("la ligne") : CatalogueSheet::tr("une ligne");
}

QString CatalogueSheet::faultAt(const SheetPlace& place,
                                const gypsomix::NumberFormat& format) const {
    return faultIf(place, cell(place), format);
}

QString CatalogueSheet::faultIf(const SheetPlace& place, const QString& text,
                                const gypsomix::NumberFormat& format) const {
    QString fault = cellFault(column(place).rule, text, format);
    if (!fault.isEmpty() || !m_info.programmes || place.step >= 0) {
        return fault;
    }
    // A programme is found by its name: two of one name would be one for the plan.
    for (int i = 0; i < entries().size(); ++i) {
        if (i != place.entry && listedName(entries()[i].cells.front()) == listedName(text)) {
            return CatalogueSheet::tr("le nom %1 est déjà celui d'un autre programme")
                .arg(quoted(listedName(text)));
        }
    }
    if (entries()[place.entry].steps.isEmpty()) {
        return CatalogueSheet::tr("le programme n'a aucune étape");
    }
    return {};
}

QList<SheetFault> CatalogueSheet::faults() const {
    QList<SheetFault> found;
    const gypsomix::NumberFormat format = regionalNumberFormat();
    const auto check = [&](const SheetPlace& place, const QString& where) {
        const QString reason = faultAt(place, format);
        if (!reason.isEmpty()) {
            found.append({place, where, reason});
        }
    };
    for (int e = 0; e < entries().size(); ++e) {
        const SheetEntry& entry = entries()[e];
        if (!m_info.programmes) {
            for (int c = 0; c < entry.cells.size(); ++c) {
                check({e, -1, c}, CatalogueSheet::tr("ligne %1, %2")
                                      .arg(e + 1)
                                      .arg(quoted(m_info.columns[c].header)));
            }
            continue;
        }
        check({e, -1, 0}, CatalogueSheet::tr("programme %1").arg(e + 1));
        for (int s = 0; s < entry.steps.size(); ++s) {
            for (int c = 0; c < entry.steps[s].size(); ++c) {
                check({e, s, c}, CatalogueSheet::tr("programme %1, étape %2, %3")
                                     .arg(quoted(listedName(entry.cells.front())))
                                     .arg(s + 1)
                                     .arg(quoted(m_info.columns[c + 1].header)));
            }
        }
    }
    return found;
}

void CatalogueSheet::push(SheetCommand* command) {
    if (command->changesNothing()) {
        delete command;
        return;
    }
    m_stack.push(command);
}

void CatalogueSheet::show(std::shared_ptr<const Entries> entries, const SheetPlace& place,
                          bool rows) {
    m_entries = std::move(entries);
    if (rows) {
        emit rowsChanged(place);
    } else {
        emit cellChanged(place);
    }
}

void CatalogueSheet::setCell(const SheetPlace& place, const QString& text) {
    auto after = std::make_shared<Entries>(entries());
    SheetEntry& entry = (*after)[place.entry];
    (place.step < 0 ? entry.cells : entry.steps[place.step])[place.column] = text;
    push(new EditCellCommand(this,
                             CatalogueSheet::tr("Modifier %1").arg(quoted(column(place).header)),
                             std::move(after), place, place, false));
}

void CatalogueSheet::addRow(int entry, int after) {
    auto edited = std::make_shared<Entries>(entries());
    int at = 0;
    withRows(*edited, entry, [&](auto& rows) {
        at = after < 0 || after >= rows.size() ? int(rows.size()) : after + 1;
        using Row = typename std::remove_reference_t<decltype(rows)>::value_type;
        if constexpr (std::is_same_v<Row, SheetEntry>) {
            // A new programme starts with one step, since a programme needs one.
            rows.insert(at, m_info.programmes
                                ? SheetEntry{{QString()}, {QStringList(m_info.fields - 1, {})}}
                                : SheetEntry{QStringList(m_info.fields, {}), {}});
        } else {
            rows.insert(at, QStringList(m_info.fields - 1, {}));
        }
    });
    push(new AddRowCommand(this, CatalogueSheet::tr("Ajouter %1").arg(rowNoun(entry, false)),
                           std::move(edited), rowPlace(entry, std::max(after, 0)),
                           rowPlace(entry, at), true));
}

void CatalogueSheet::duplicateRow(int entry, int row) {
    auto edited = std::make_shared<Entries>(entries());
    bool done = false;
    withRows(*edited, entry, [&](auto& rows) {
        if (row >= 0 && row < rows.size()) {
            rows.insert(row + 1, rows.at(row));
            done = true;
        }
    });
    if (!done) {
        return;
    }
    if (entry < 0 && m_info.programmes) {
        // A copy of a programme is a programme of its own: it needs a name of its own.
        QString& name = (*edited)[row + 1].cells.front();
        name = CatalogueSheet::tr("%1 (copie)").arg(listedName(name));
    }
    push(new DuplicateRowCommand(this, CatalogueSheet::tr("Dupliquer %1").arg(rowNoun(entry, true)),
                                 std::move(edited), rowPlace(entry, row), rowPlace(entry, row + 1),
                                 true));
}

void CatalogueSheet::removeRow(int entry, int row) {
    auto edited = std::make_shared<Entries>(entries());
    bool done = false;
    withRows(*edited, entry, [&](auto& rows) {
        if (row >= 0 && row < rows.size()) {
            rows.removeAt(row);
            done = true;
        }
    });
    if (!done) {
        return;
    }
    int left = 0;
    withRows(*edited, entry, [&](auto& rows) { left = int(rows.size()); });
    push(new RemoveRowCommand(this, CatalogueSheet::tr("Supprimer %1").arg(rowNoun(entry, true)),
                              std::move(edited), rowPlace(entry, row),
                              rowPlace(entry, std::min(row, left - 1)), true));
}

void CatalogueSheet::moveRow(int entry, int row, int by) {
    auto edited = std::make_shared<Entries>(entries());
    bool done = false;
    withRows(*edited, entry, [&](auto& rows) {
        if (row >= 0 && row < rows.size() && row + by >= 0 && row + by < rows.size()) {
            rows.move(row, row + by);
            done = true;
        }
    });
    if (!done) {
        return;
    }
    const QString verb =
        by < 0 ? CatalogueSheet::tr("Monter %1") : CatalogueSheet::tr("Descendre %1");
    push(new MoveRowCommand(this, verb.arg(rowNoun(entry, true)), std::move(edited),
                            rowPlace(entry, row), rowPlace(entry, row + by), true));
}

SheetPlace CatalogueSheet::placeOfRecord(int record, int field) const {
    if (!m_info.programmes) {
        return {record - 1, -1, field - 1};
    }
    int first = 1;
    for (int e = 0; e < entries().size(); ++e) {
        const int steps = int(entries()[e].steps.size());
        if (record < first + steps) {
            return field == 1 ? SheetPlace{e, -1, 0} : SheetPlace{e, record - first, field - 2};
        }
        first += steps;
    }
    return {};
}

std::vector<std::vector<gypsomix::FieldValue>> CatalogueSheet::records() const {
    const gypsomix::NumberFormat format = regionalNumberFormat();
    const auto value = [&](const QString& text) -> gypsomix::FieldValue {
        return gypsomix::text_to_number(text.toStdString(), format);
    };
    std::vector<std::vector<gypsomix::FieldValue>> records;
    for (const SheetEntry& entry : entries()) {
        const std::string name = entry.cells.front().toStdString();
        const QList<QStringList> steps =
            m_info.programmes ? entry.steps : QList<QStringList>{entry.cells.mid(1)};
        for (const QStringList& step : steps) {
            std::vector<gypsomix::FieldValue> record{name};
            for (const QString& text : step) {
                record.push_back(value(text));
            }
            records.push_back(std::move(record));
        }
    }
    return records;
}

void CatalogueSheet::save() {
    gypsomix::write_catalogue(m_path.toStdString(), records(), m_encoding, m_lineEnd);
    m_exists = true;
    m_stack.setClean();
}
