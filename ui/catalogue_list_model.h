#pragma once

#include <QAbstractListModel>
#include <QList>
#include <filesystem>
#include <string_view>

#include "catalogue/catalogue.h"

class QComboBox;

// The entries of one catalogue as a list shows them: each record's name, in file order, with
// the record's ordinal under Qt::UserRole. A workshop may keep a catalogue of a hundred
// thousand records, so the names stay in the catalogue's listing, back to back in one buffer,
// and become text only when the list asks for one.
class CatalogueListModel : public QAbstractListModel {
    Q_OBJECT

  public:
    // One catalogue's entries as read, before any list holds them.
    struct Listing {
        gypsomix::CatalogueListing entries;
        QList<int> longest;  // see longestRows()
    };

    explicit CatalogueListModel(QObject* parent = nullptr);

    // Reads a catalogue's entries in one pass; touches no model, so it may run on any thread.
    // A catalogue that cannot be read throws gypsomix::RunTimeError.
    static Listing read(const std::filesystem::path& file, int fieldsPerRecord);
    // Replaces the entries with those read.
    void setListing(Listing listing);

    // Replaces the entries with the catalogue's, read in one pass. A catalogue that cannot be
    // read throws gypsomix::RunTimeError and leaves the entries as they were.
    void load(const std::filesystem::path& file, int fieldsPerRecord);

    QModelIndex index(int row, int column = 0,
                      const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    QString name(int row) const;
    // The row of the first entry called `name` (UTF-8), as a list finds it; -1 when none is.
    int rowOf(std::string_view name) const;
    // The rows of the names with the most characters, most first: where the widest name is,
    // found without measuring every name.
    const QList<int>& longestRows() const { return m_longest; }

    // How many of the longest names longestRows() keeps.
    static constexpr int kLongestKept = 32;

  private:
    gypsomix::CatalogueListing m_entries;
    QList<int> m_longest;
};

// Makes a drop-down ready for a catalogue of any size: it keeps the size it is drawn at and its
// rows share one height, so that no entry is measured for either.
void prepareCatalogueList(QComboBox* list);

// Once `entries` are filled: the open list as wide as its widest name, and its rows placed now
// rather than when the caster first opens it (unless `placeRows` is false: a list that cannot be
// opened yet has its rows placed by placeCatalogueRows, or else at its first opening).
void fitCatalogueList(QComboBox* list, const CatalogueListModel& entries, bool placeRows = true);
void placeCatalogueRows(QComboBox* list);
