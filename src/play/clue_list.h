// A sorted list of clues that reports a choice whenever the program should
// act on one: every change of the selected item (by the mouse, the keyboard
// or the program), and a left press on the item that is already selected, so
// that clicking the chosen clue again makes its word current again.
#pragma once

#include <QListWidget>

class ClueList : public QListWidget {
    Q_OBJECT
public:
    explicit ClueList(QWidget *parent);

signals:
    void chosen();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
