#include "FakeCardHost.h"

FakeCardHost::FakeCardHost() = default;

void FakeCardHost::clearObjects()
{
    objects.clear();
    selectedRow = -1;
}

void FakeCardHost::addObject(const QString &row)
{
    objects.append(row);
}

void FakeCardHost::setObjectIndex(int row)
{
    // A list box refuses a row it does not have.
    selectedRow = row >= 0 && row < objects.size() ? row : -1;
    if (onRowSelected && selectedRow >= 0)
        onRowSelected(selectedRow);
}

bool FakeCardHost::check1(int index) const
{
    return index >= 0 && index < 4 && check1Values[index];
}

void FakeCardHost::setCheck2(int index, bool checked)
{
    if (index >= 0 && index < 2)
        check2Values[index] = checked;
}

bool FakeCardHost::Sauver_unProjet(bool withDialog)
{
    saves.push_back(withDialog);
    if (onSave)
        onSave(withDialog);
    return saveSucceeds;
}
