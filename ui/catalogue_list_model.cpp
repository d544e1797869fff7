#include "ui/catalogue_list_model.h"

#include <QComboBox>
#include <QListView>
#include <QScrollBar>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

CatalogueListModel::CatalogueListModel(QObject* parent) : QAbstractListModel(parent) {}

void CatalogueListModel::load(const std::filesystem::path& file, int fieldsPerRecord) {
    setListing(read(file, fieldsPerRecord));
}

CatalogueListModel::Listing CatalogueListModel::read(const std::filesystem::path& file,
                                                     int fieldsPerRecord) {
    Listing listing{gypsomix::list_entries(file, fieldsPerRecord), {}};
    // The longest names as (characters, row), kept as a heap with the shortest on top.
    std::vector<std::pair<std::size_t, int>> longest;
    const auto longer = [](const auto& a, const auto& b) {
        return a.first > b.first || (a.first == b.first && a.second < b.second);
    };
    const gypsomix::CatalogueListing& entries = listing.entries;
    for (std::size_t row = 0; row < entries.size(); ++row) {
        // Characters, not bytes: an accented letter takes no more room on screen than a plain
        // one. A name has no more characters than bytes: most are too short to need counting.
        if (longest.size() < static_cast<std::size_t>(kLongestKept)) {
            longest.emplace_back(entries.characters(row), static_cast<int>(row));
            std::push_heap(longest.begin(), longest.end(), longer);
        } else if (entries.stored_size(row) > longest.front().first) {
            const std::pair<std::size_t, int> candidate{entries.characters(row),
                                                        static_cast<int>(row)};
            if (longer(candidate, longest.front())) {
                std::pop_heap(longest.begin(), longest.end(), longer);
                longest.back() = candidate;
                std::push_heap(longest.begin(), longest.end(), longer);
            }
        }
    }
    std::sort_heap(longest.begin(), longest.end(), longer);
    for (const auto& [characters, row] : longest) {
        listing.longest.push_back(row);
    }
    return listing;
}

void CatalogueListModel::setListing(Listing listing) {
    beginResetModel();
    m_entries = std::move(listing.entries);
    m_longest = std::move(listing.longest);
    endResetModel();
}

// Views and the completer ask for an index per row when they go through a whole list: made here
// without the base class's virtual calls.
QModelIndex CatalogueListModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column != 0 || parent.isValid() ||
        static_cast<std::size_t>(row) >= m_entries.size()) {
        return {};
    }
    return createIndex(row, column);
}

int CatalogueListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
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
    const std::string text = m_entries.name(static_cast<std::size_t>(row));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int CatalogueListModel::rowOf(std::string_view name) const {
    const std::optional<std::size_t> row = m_entries.find(name);
    return row ? static_cast<int>(*row) : -1;
}

void prepareCatalogueList(QComboBox* list) {
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* rows = qobject_cast<QListView*>(list->view())) {
        rows->setUniformItemSizes(true);
    }
}

void fitCatalogueList(QComboBox* list, const CatalogueListModel& entries, bool placeRows) {
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
    if (placeRows) {
        placeCatalogueRows(list);
    }
}

void placeCatalogueRows(QComboBox* list) {
    list->view()->doItemsLayout();
}
