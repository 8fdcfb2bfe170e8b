#pragma once

// Helpers shared by the tests of item selection and gestures.
#include "FakeCardHost.h"
#include "document/frmProjet.h"

#include <QRectF>
#include <QString>

namespace ItemSelection {

// Does what the frame's object list does when a row is chosen: selects the
// item the row names ("Lb3 | ..." or "Lg2 | ..."). Counts the runs in `runs`
// when given.
inline void routeRows(FakeCardHost &host, frmProjet &card, int *runs = nullptr)
{
    host.onRowSelected = [&host, &card, runs](int row) {
        if (runs)
            ++*runs;
        const QString text = host.objects.value(row);
        const int n = text.mid(2, text.indexOf(QStringLiteral(" | ")) - 2).toInt();
        text.startsWith(QStringLiteral("Lb")) ? card.Label_Click(n) : card.Logo_Click(n);
    };
}

// The selection frame expected around a label.
inline QRectF labelFrame(const CardLabel &l)
{
    return QRectF(l.Left - 40, l.Top - 10, l.Width() + 70, l.Height() + 30);
}

} // namespace ItemSelection
