#pragma once

#include "ResourceLibrary.h"

#include <QTreeWidget>

// The "Ressources :" tree: one top-level entry per library branch with the
// branch's key, one child per picture with the picture's path as key. An
// entry counts as chosen when it is clicked and when the keyboard moves to
// it; the tree merely taking the focus chooses nothing.
class ResourceTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit ResourceTree(QWidget *parent = nullptr);

    void fill(const QList<ResourceLibrary::Branch> &branches);
    // The width (pixels) that shows every entry whole, scroll bar included.
    int widestEntry() const;

signals:
    void entryChosen(const QString &key);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // An entry's key ("D1".."D3" or a picture's full path).
    static QString keyOf(const QTreeWidgetItem *item);
};
