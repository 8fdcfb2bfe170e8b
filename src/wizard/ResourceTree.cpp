#include "ResourceTree.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

ResourceTree::ResourceTree(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { emit entryChosen(keyOf(item)); });
}

void ResourceTree::fill(const QList<ResourceLibrary::Branch> &branches)
{
    clear();
    const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon file = style()->standardIcon(QStyle::SP_FileIcon);
    for (const ResourceLibrary::Branch &branch : branches) {
        auto *top = new QTreeWidgetItem(this, QStringList{branch.text});
        top->setData(0, Qt::UserRole, branch.key);
        top->setIcon(0, folder);
        for (const ResourceLibrary::Entry &entry : branch.entries) {
            auto *child = new QTreeWidgetItem(top, QStringList{entry.text});
            child->setData(0, Qt::UserRole, entry.key);
            child->setIcon(0, file);
        }
    }
}

int ResourceTree::widestEntry() const
{
    int widest = 0;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem *top = topLevelItem(i);
        widest = std::max(widest, fontMetrics().horizontalAdvance(top->text(0)));
        // Children sit one indentation further.
        for (int j = 0; j < top->childCount(); ++j)
            widest = std::max(widest, indentation() + fontMetrics().horizontalAdvance(top->child(j)->text(0)));
    }
    const int icon = iconSize().isValid() ? iconSize().width() : style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    const int decoration = indentation() + icon + 8;
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return widest + decoration + scrollBar + 2 * frameWidth() + 8;
}

QString ResourceTree::keyOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

void ResourceTree::keyPressEvent(QKeyEvent *event)
{
    QTreeWidgetItem *before = currentItem();
    QTreeWidget::keyPressEvent(event);
    if (currentItem() && currentItem() != before)
        emit entryChosen(keyOf(currentItem()));
}
