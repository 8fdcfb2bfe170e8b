#pragma once

// A shown test frame with one new card window, active, for the tool panel
// and item menu tests.

#include "AppTestFrame.h"

#include "document/frmProjet.h"

#include <QTest>

struct PanelTestCard {
    PanelTestCard()
    {
        QVERIFY(f.frame->MDIForm_Load());
        f.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
        f.frame->Mnu_Outfich_Click(0);
        card = f.frame->activeCard();
        QVERIFY(card);
    }
    TestFrame &frame() const { return *f.frame; }

    FrameFixture f;
    frmProjet *card = nullptr;
};
