#include "ui/catalogue_list_model.h"

#include <QComboBox>
#include <QListView>
#include <QScrollBar>

#include <algorithm>
#include <limits>
#include <utility>

#include "catalogue/catalogue.h"
#include "catalogue/run_time_error.h"

namespace {

// Characters, not bytes: an accented letter takes two bytes in UTF-8 but no more room on screen
// than a plain one.
std::size_t characterCount(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    }));
}

}  // namespace

CatalogueListModel::CatalogueListModel(QObject* parent) : QAbstractListModel(parent) {}

void CatalogueListModel::load(const std::filesystem::path& file, int fieldsPerRecord) {
    setListing(read(file, fieldsPerRecord));
}

CatalogueListModel::Listing CatalogueListModel::read(const std::filesystem::path& file,
                                                     int fieldsPerRecord) {
    Listing listing;
    std::string& names = listing.names;
    std::vector<std::uint32_t>& ends = listing.ends;
    // Room reserved from the file's size, which the names never exceed short of many accents, so
    // that they are written once instead of copied into fresh pages at every growth: on a large
    // catalogue the first touch of a page costs more than the copy. Room never written is never
    // resident.
    std::error_code sizeError;
    const std::uintmax_t fileSize = std::filesystem::file_size(file, sizeError);
    if (!sizeError && fieldsPerRecord > 0 &&
        fileSize <= std::numeric_limits<std::uint32_t>::max()) {
        names.reserve(static_cast<std::size_t>(fileSize));
        // As the catalogue reader reckons: a field takes some 8 bytes on average.
        ends.reserve(static_cast<std::size_t>(fileSize) /
                         (8 * static_cast<std::size_t>(fieldsPerRecord)) +
                     1);
    }
    // The longest names so far as (characters, row), kept as a heap with the shortest on top.
    std::vector<std::pair<std::size_t, int>> longest;
    const auto longer = [](const auto& a, const auto& b) {
        return a.first > b.first || (a.first == b.first && a.second < b.second);
    };
    gypsomix::for_each_entry(file, fieldsPerRecord, [&](std::string& name, int) {
        if (name.size() > std::numeric_limits<std::uint32_t>::max() - names.size()) {
            throw gypsomix::RunTimeError(
                gypsomix::ErrorNumber::overflow,
                "Dépassement de capacité : les noms de « " + file.string() + " » dépassent 4 Gio.");
        }
        const int row = static_cast<int>(ends.size());
        // A name has no more characters than bytes: most are too short to need counting.
        if (longest.size() < static_cast<std::size_t>(kLongestKept)) {
            longest.emplace_back(characterCount(name), row);
            std::push_heap(longest.begin(), longest.end(), longer);
        } else if (name.size() > longest.front().first) {
            const std::pair<std::size_t, int> entry{characterCount(name), row};
            if (longer(entry, longest.front())) {
                std::pop_heap(longest.begin(), longest.end(), longer);
                longest.back() = entry;
                std::push_heap(longest.begin(), longest.end(), longer);
            }
        }
        names += name;
        ends.push_back(static_cast<std::uint32_t>(names.size()));
    });
    std::sort_heap(longest.begin(), longest.end(), longer);
    for (const auto& [characters, row] : longest) {
        listing.longest.push_back(row);
    }
    return listing;
}

void CatalogueListModel::setListing(Listing listing) {
    beginResetModel();
    m_names = std::move(listing.names);
    m_ends = std::move(listing.ends);
    m_longest = std::move(listing.longest);
    endResetModel();
}

// Views and the completer ask for an index per row when they go through a whole list: made here
// without the base class's virtual calls.
QModelIndex CatalogueListModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column != 0 || parent.isValid() ||
        static_cast<std::size_t>(row) >= m_ends.size()) {
        return {};
    }
    return createIndex(row, column);
}

int CatalogueListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_ends.size());
}

QVariant CatalogueListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return name(index.row());
        case Qt::UserRole:
            // The catalogue lists every record in file order: a row is its record's ordinal.
            return index.row();
        default:
            return {};
    }
}

QString CatalogueListModel::name(int row) const {
    const auto at = static_cast<std::size_t>(row);
    const std::uint32_t begin = at == 0 ? 0 : m_ends[at - 1];
    return QString::fromUtf8(m_names.data() + begin, static_cast<qsizetype>(m_ends[at] - begin));
}

int CatalogueListModel::rowOf(std::string_view name) const {
    std::uint32_t begin = 0;
    for (std::size_t row = 0; row < m_ends.size(); ++row) {
        if (std::string_view(m_names).substr(begin, m_ends[row] - begin) == name) {
            return int(row);
        }
        begin = m_ends[row];
    }
    return -1;
}

void prepareCatalogueList(QComboBox* list) {
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* rows = qobject_cast<QListView*>(list->view())) {
        rows->setUniformItemSizes(true);
    }
}

void fitCatalogueList(QComboBox* list, const CatalogueListModel& entries) {
    // The widest name is among those with the most characters, so only those are measured. A
    // list longer than it shows at once has a scroll bar beside the names, which must not cut
    // the widest one short.
    QAbstractItemView* view = list->view();
    int widest = 0;
    for (int row : entries.longestRows()) {
        widest = std::max(widest, view->sizeHintForIndex(entries.index(row)).width());
    }
    const bool scrolls = list->count() > list->maxVisibleItems();
    view->setMinimumWidth(widest + 8 +
                          (scrolls ? view->verticalScrollBar()->sizeHint().width() : 0));
    view->doItemsLayout();
}
