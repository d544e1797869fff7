#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

#include "ui/catalogue_sheet.h"

// One table of a catalogue sheet: its entries (every field of a record, or a programme's name)
// or the steps of one programme. What is typed goes to the sheet as one step to undo; a cell
// that cannot be saved is tinted and says why in its tooltip.
class CatalogueTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // `steps`: the steps of the programme setEntry() chooses; otherwise the entries.
    CatalogueTableModel(CatalogueSheet& sheet, bool steps, QObject* parent = nullptr);

    void setEntry(int entry);
    // The programme whose steps are shown; -1 for the entries.
    int entry() const { return m_steps ? m_entry : -1; }
    SheetPlace placeOf(const QModelIndex& index) const;
    // What is wrong with `text` in that cell; empty when it could be saved.
    QString faultIf(const QModelIndex& index, const QString& text) const;
    // Invalid when this table does not show the place.
    QModelIndex indexOf(const SheetPlace& place) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    void cellChanged(const SheetPlace& place);
    void reset();

    CatalogueSheet& m_sheet;
    bool m_steps;
    int m_entry = -1;
};

// A cell's editor: a line edit framed in red as long as what is typed could not be saved.
class CatalogueCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};
