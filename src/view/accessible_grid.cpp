#include "view/accessible_grid.h"

#include "document/gridlymod.h"
#include "view/cell_geometry.h"
#include "view/grid_picture.h"

#include <QPointer>

namespace {

// One cell, at (row, column) from 0. Valid while the picture lives and the
// grid in use holds the cell.
class AccessibleCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    AccessibleCell(GridPicture *grid, int row, int column) : m_grid(grid), m_row(row), m_column(column) {}

    // Whether the name reads otherwise than when it was last read or announced.
    bool takeNameChange() const
    {
        const QString before = m_lastName;
        return text(QAccessible::Name) != before;
    }

    bool isValid() const override { return m_grid && m_row < m_grid->cellRows() && m_column < m_grid->cellColumns(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_grid ? m_grid->window()->windowHandle() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_grid.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        m_lastName = m_grid->cellDescription(m_column + 1, m_row + 1);
        return m_lastName;
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!m_grid)
            return {};
        return QRect(m_grid->mapToGlobal(QPoint(m_column * CELLPX, m_row * CELLPX)), QSize(CELLPX, CELLPX));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!m_grid || !m_grid->isVisible()) {
            state.invisible = true;
            return state;
        }
        state.focusable = (m_grid->focusPolicy() & Qt::TabFocus) != 0;
        state.focused = m_grid->hasFocus() && m_grid->cursorCell() == QPoint(m_column + 1, m_row + 1);
        state.readOnly = true;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QPointer<GridPicture> m_grid;
    int m_row;
    int m_column;
    mutable QString m_lastName;
};

}  // namespace

AccessibleGrid::AccessibleGrid(GridPicture *grid) : QAccessibleWidget(grid, QAccessible::Table)
{
}

AccessibleGrid::~AccessibleGrid()
{
    dropCells();
}

GridPicture *AccessibleGrid::grid() const
{
    return static_cast<GridPicture *>(widget());
}

void AccessibleGrid::dropCells()
{
    for (const QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
    m_cells.clear();
}

void AccessibleGrid::announceNames()
{
    for (const QAccessible::Id id : std::as_const(m_cells)) {
        QAccessibleInterface *cell = QAccessible::accessibleInterface(id);
        if (!cell || !static_cast<AccessibleCell *>(cell)->takeNameChange())
            continue;
        QAccessibleEvent event(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void AccessibleGrid::announceCursor()
{
    if (QAccessibleInterface *cell = focusChild()) {
        QAccessibleEvent event(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void *AccessibleGrid::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleGrid::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return QStringLiteral("Crossword Grid");
    if (t == QAccessible::Description)
        return grid()->description();
    return QAccessibleWidget::text(t);
}

// The cells in reading order are the table's only children: the boxes over
// the picture only repeat what the cells' names and the focus say.
int AccessibleGrid::childCount() const
{
    return rowCount() * columnCount();
}

QAccessibleInterface *AccessibleGrid::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return cellAt(index / columnCount(), index % columnCount());
}

int AccessibleGrid::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child || child->role() != QAccessible::Cell || child->parent() != this)
        return -1;
    const auto *cell = static_cast<const AccessibleCell *>(child);
    return cell->isValid() ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
}

QAccessibleInterface *AccessibleGrid::childAt(int x, int y) const
{
    const QPoint at = grid()->mapFromGlobal(QPoint(x, y));
    if (at.x() < 0 || at.y() < 0)
        return nullptr;
    return cellAt(at.y() / CELLPX, at.x() / CELLPX);
}

QAccessibleInterface *AccessibleGrid::focusChild() const
{
    const QPoint cursor = grid()->cursorCell();
    if (!grid()->hasFocus() || cursor.x() < 1 || cursor.y() < 1)
        return nullptr;
    return cellAt(cursor.y() - 1, cursor.x() - 1);
}

QAccessibleInterface *AccessibleGrid::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    const int key = row * GRIDMAX + column;
    if (const auto found = m_cells.constFind(key); found != m_cells.cend())
        return QAccessible::accessibleInterface(*found);
    QAccessibleInterface *cell = new AccessibleCell(grid(), row, column);
    m_cells.insert(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int AccessibleGrid::columnCount() const
{
    return grid()->cellColumns();
}

int AccessibleGrid::rowCount() const
{
    return grid()->cellRows();
}

// A new size gives the table other cells: the old ones go.
void AccessibleGrid::modelChange(QAccessibleTableModelChangeEvent *)
{
    dropCells();
}

QAccessibleInterface *AccessibleGridFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("GridPicture") && object->isWidgetType())
        return new AccessibleGrid(static_cast<GridPicture *>(object));
    return nullptr;
}
