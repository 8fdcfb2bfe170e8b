// The foot of the small dialogs: the separator above "Aide", "Ok" and
// "Annuler" with their tool tips; Enter is "Ok" whatever button has the
// focus, Escape closes the dialog.
#include "widgets/DialogFoot.h"
#include "widgets/Line3D.h"

#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class tst_DialogFoot : public QObject {
    Q_OBJECT
private slots:
    void buttonsAndKeys();
};

void tst_DialogFoot::buttonsAndKeys()
{
    QDialog dialog;
    auto *foot = new DialogFoot;
    (new QVBoxLayout(&dialog))->addWidget(foot);
    connect(foot, &DialogFoot::clicked, &dialog, [&dialog](int index) {
        if (index == 0)
            dialog.accept();
    });
    QSignalSpy clicks(foot, &DialogFoot::clicked);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    const QStringList captions{"Ok", "Annuler", "Aide"};
    const QStringList tips{"Valider les options", "Retour menu", "Afficher l'aide"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(foot->button(i)->text(), captions.at(i));
        QCOMPARE(foot->button(i)->toolTip(), tips.at(i));
        QVERIFY(foot->button(i)->width() >= 73 && foot->button(i)->height() >= 25);
        QCOMPARE(foot->button(i)->isDefault(), i == 0);
    }
    // "Aide" on the left, under the separator; "Annuler" on the right.
    QVERIFY(foot->button(2)->x() < foot->button(0)->x() && foot->button(0)->x() < foot->button(1)->x());
    QCOMPARE(foot->line()->height(), 2);
    QVERIFY(foot->line()->geometry().bottom() < foot->button(0)->y());
    QCOMPARE(foot->line()->width(), foot->width());

    foot->button(2)->click();
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 2);
    foot->button(1)->setFocus();
    QTest::keyClick(foot->button(1), Qt::Key_Return);
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(clicks.at(1).at(0).toInt(), 0);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

QTEST_MAIN(tst_DialogFoot)
#include "tst_dialogfoot.moc"
