#include "ui/catalogue_table_model.h"

#include <QColor>
#include <QLineEdit>
#include <QStyle>

namespace {

const char* const kFaultStyle =
    "QLineEdit[fault=\"true\"] { border: 2px solid #d0312d; padding: 0px; }";

}  // namespace

CatalogueTableModel::CatalogueTableModel(CatalogueSheet& sheet, bool steps, QObject* parent)
    : QAbstractTableModel(parent), m_sheet(sheet), m_steps(steps) {
    connect(&m_sheet, &CatalogueSheet::cellChanged, this, &CatalogueTableModel::cellChanged);
    connect(&m_sheet, &CatalogueSheet::rowsChanged, this, &CatalogueTableModel::reset);
    connect(&m_sheet, &CatalogueSheet::reloaded, this, &CatalogueTableModel::reset);
}

void CatalogueTableModel::setEntry(int entry) {
    beginResetModel();
    m_entry = entry;
    endResetModel();
}

void CatalogueTableModel::reset() {
    beginResetModel();
    if (m_entry >= m_sheet.entries().size()) {
        m_entry = -1;
    }
    endResetModel();
}

void CatalogueTableModel::cellChanged(const SheetPlace& place) {
    if (m_sheet.info().programmes && !m_steps) {
        // Two programmes may not share a name: a name's change can mark or clear any other.
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
    } else if (const QModelIndex changed = indexOf(place); changed.isValid()) {
        emit dataChanged(changed, changed);
    }
}

QString CatalogueTableModel::faultIf(const QModelIndex& index, const QString& text) const {
    return m_sheet.faultIf(placeOf(index), text);
}

SheetPlace CatalogueTableModel::placeOf(const QModelIndex& index) const {
    if (m_steps) {
        return {m_entry, index.row(), index.column()};
    }
    return {index.row(), -1, index.column()};
}

QModelIndex CatalogueTableModel::indexOf(const SheetPlace& place) const {
    if (m_steps != (place.step >= 0) || (m_steps && place.entry != m_entry)) {
        return {};
    }
    return index(m_steps ? place.step : place.entry, place.column);
}

int CatalogueTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    if (!m_steps) {
        return int(m_sheet.entries().size());
    }
    return m_entry < 0 ? 0 : int(m_sheet.entries().at(m_entry).steps.size());
}

int CatalogueTableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    const CatalogueKindInfo& info = m_sheet.info();
    if (!info.programmes) {
        return info.fields;
    }
    return m_steps ? info.fields - 1 : 1;
}

QVariant CatalogueTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const SheetPlace place = placeOf(index);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return m_sheet.cell(place);
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            return m_sheet.faultAt(place);
        case Qt::BackgroundRole:
            // Translucent, so that the tint reads on a light and on a dark base alike.
            return m_sheet.faultAt(place).isEmpty() ? QVariant()
                                                    : QVariant(QColor(0xd0, 0x31, 0x2d, 90));
        case Qt::TextAlignmentRole:
            return m_sheet.column(place).rule == CellRule::name
                       ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                       : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

bool CatalogueTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    m_sheet.setCell(placeOf(index), value.toString());
    return true;
}

Qt::ItemFlags CatalogueTableModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant CatalogueTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    return m_sheet.info().columns.at(m_steps ? section + 1 : section).header;
}

QWidget* CatalogueCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                             const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setStyleSheet(QString::fromLatin1(kFaultStyle));
    const auto* model = qobject_cast<const CatalogueTableModel*>(index.model());
    if (!model) {
        return editor;
    }
    const QPersistentModelIndex cell(index);
    const auto check = [editor, model, cell](const QString& text) {
        const QString fault = cell.isValid() ? model->faultIf(cell, text) : QString();
        editor->setProperty("fault", !fault.isEmpty());
        editor->setToolTip(fault);
        editor->style()->unpolish(editor);
        editor->style()->polish(editor);
    };
    connect(editor, &QLineEdit::textChanged, editor, check);
    return editor;
}
