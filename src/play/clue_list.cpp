#include "play/clue_list.h"

#include <QMouseEvent>

ClueList::ClueList(QWidget *parent) : QListWidget(parent)
{
    setSortingEnabled(true);
    connect(this, &QListWidget::itemSelectionChanged, this, &ClueList::chosen);
}

void ClueList::mousePressEvent(QMouseEvent *event)
{
    const QListWidgetItem *item = itemAt(event->position().toPoint());
    const bool again = event->button() == Qt::LeftButton && item && item->isSelected();
    QListWidget::mousePressEvent(event);
    if (again)
        emit chosen();
}
