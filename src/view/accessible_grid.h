// The grid picture as assistive technology reads it: a table named
// "Crossword Grid", described as the picture describes itself, of as many
// rows and columns as the grid in use, each cell named in words by the
// picture's cell describer. Qt hands the desktop's bus the table but not the
// cells' own place in it, so a cell's name says all a reader needs. The
// cells are made when first asked for and dropped when the grid's size
// changes; the play cursor's cell has the focus while the picture has it.
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class GridPicture;

class AccessibleGrid : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit AccessibleGrid(GridPicture *grid);
    ~AccessibleGrid() override;

    // Tells assistive technology what changed: the cells read before whose
    // names read otherwise now, and the cursor's cell as the focus.
    void announceNames();
    void announceCursor();

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

private:
    GridPicture *grid() const;
    void dropCells();

    mutable QHash<int, QAccessible::Id> m_cells;  // by row * GRIDMAX + column, both from 0
};

// The factory Qt asks for a GridPicture's interface.
QAccessibleInterface *AccessibleGridFactory(const QString &className, QObject *object);
