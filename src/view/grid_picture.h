// The grid picture `pb`: shows the persistent image that the grid renderer
// drew, and reports the mouse in its own pixels. The current-word and cursor
// boxes are separate overlays on top of it, never part of the image, so the
// printer and the drag picture read the grid alone. To assistive technology
// it is a table of the grid's cells (view/accessible_grid.h), read in words.
#pragma once

#include "document/gridlymod.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <functional>

// The red box over a word of lw cells from cell (col, row), in the grid
// picture's pixels: a cell's side long per letter, 22 pixels thick.
QRect WordBoxRect(int col, int row, int lw, bool across);
// The red box over a word's recorded cells.
QRect WordBoxRect(const WordEntry &entry);

class GridPicture : public QWidget {
    Q_OBJECT
public:
    explicit GridPicture(QWidget *parent);

    // Takes the new picture and the size that goes with it, in the window's
    // pixels: a picture drawn at the screen's pixel ratio shows every pixel.
    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }

    // What the picture says to assistive technology in words; asked for
    // whenever it is read, so it is never out of date.
    void setDescriber(std::function<QString()> describe) { m_describe = std::move(describe); }
    QString description() const { return m_describe ? m_describe() : QString(); }
    // Tells assistive technology that the description, and the cells' names,
    // may read otherwise now.
    void descriptionChanged();

    // The grid in use, cols x rows cells, each told in words by describeCell
    // (col, row from 1) whenever it is read.
    void setCellDescriber(std::function<QString(int col, int row)> describeCell)
    {
        m_describeCell = std::move(describeCell);
    }
    QString cellDescription(int col, int row) const { return m_describeCell ? m_describeCell(col, row) : QString(); }
    void setCells(int cols, int rows);
    int cellColumns() const { return m_cols; }
    int cellRows() const { return m_rows; }
    // The play cursor's cell, (0, 0) for none: while the picture has the
    // keyboard focus, assistive technology has it on that cell.
    void setCursorCell(QPoint cell);
    QPoint cursorCell() const { return m_cursor; }

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_image;
    std::function<QString()> m_describe;
    std::function<QString(int col, int row)> m_describeCell;
    int m_cols = 0;
    int m_rows = 0;
    QPoint m_cursor;
    bool m_describing = false;  // a change of the description waits to be told
};
