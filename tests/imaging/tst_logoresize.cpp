// The logo resize dialog: the slider set up from the logo's width, moving
// it, the original-size box, what "Ok" gives the logo, a picture that can no
// longer be read, and the dialog's controls, centred preview and keys.
#include "TestSupport.h"
#include "imaging/LogoResize.h"
#include "imaging/PicturePreview.h"
#include "imaging/frmRedim.h"
#include "platform/ScriptedPrompts.h"
#include "platform/Shell.h"
#include "widgets/CentredBox.h"
#include "widgets/Line3D.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace {

struct RecordingShell : Shell {
    QStringList opened;
    bool open(const QString &target) override { opened.append(target); return true; }
};

// A 60 x 30 pixel picture (900 x 450 twips at its natural size).
struct Picture {
    Picture()
    {
        QImage image(60, 30, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        ok = image.save(path);
    }
    TestSupport::TempAppDir dir;
    QString path = dir.filePath(QStringLiteral("logo.png"));
    bool ok = false;
};

bool centredInFond(const frmRedim &d)
{
    const QRect inner = d.Fond()->contentsRect();
    return d.Logo()->pos() == inner.topLeft() + CentredBox::centredPosition(inner.size(), d.Logo()->size());
}

} // namespace

class tst_LogoResize : public QObject {
    Q_OBJECT
private slots:
    void sliderFromTheLogo();
    void slidingAndOriginalSize();
    void unreadablePicture();
    void dialog();
};

void tst_LogoResize::sliderFromTheLogo()
{
    Picture picture;
    QVERIFY(picture.ok);
    LogoResize r;
    QVERIFY(r.Controle_Image(4, picture.path, 1134, 567));
    QCOMPARE(r.index(), 4);
    QCOMPARE(r.file(), picture.path);
    QCOMPARE(r.maximum(), 4536);
    QCOMPARE(r.tickSpacing(), 454);
    QCOMPARE(r.largeStep(), 454);
    QCOMPARE(r.value(), 1134);
    QCOMPARE(r.initialWidth(), 1134);
    // The preview keeps the logo's own shape until the slider moves, so an
    // untouched "Ok" gives back the size the logo had, stretched.
    QVERIFY(r.stretch());
    QCOMPARE(QSize(r.width(), r.height()), QSize(1134, 567));
    const LogoResize::Outcome untouched = r.outcome();
    QVERIFY(untouched.stretch);
    QCOMPARE(QSize(untouched.width, untouched.height), QSize(1134, 567));

    // The extremes of 16-bit sizes.
    QVERIFY(r.Controle_Image(1, picture.path, 32767, 32767));
    QCOMPARE(r.maximum(), 131068);
    QVERIFY(r.Controle_Image(1, picture.path, -15, 30));
    QCOMPARE(r.maximum(), 0);
    QCOMPARE(r.value(), 0);
}

void tst_LogoResize::slidingAndOriginalSize()
{
    Picture picture;
    LogoResize r;
    QVERIFY(r.Controle_Image(4, picture.path, 1134, 567));
    r.moveSlider(2000);
    QCOMPARE(r.value(), 2000);
    QCOMPARE(QSize(r.width(), r.height()), QSize(2000, 2000));
    LogoResize::Outcome ok = r.outcome();
    QVERIFY(ok.stretch);
    QCOMPARE(QSize(ok.width, ok.height), QSize(2000, 2000));

    // The original size: the slider back to the first width and locked,
    // the picture at its natural size; "Ok" then only turns stretching off.
    r.setOriginalSize(true);
    QVERIFY(r.sliderLocked());
    QCOMPARE(r.value(), 1134);
    QVERIFY(!r.stretch());
    QCOMPARE(QSize(r.width(), r.height()), QSize(900, 450));
    r.moveSlider(3000);
    QCOMPARE(r.value(), 1134);
    QCOMPARE(QSize(r.width(), r.height()), QSize(900, 450));
    QVERIFY(!r.outcome().stretch);
    // Unlocked, the preview waits for the slider.
    r.setOriginalSize(false);
    QVERIFY(!r.sliderLocked());
    QCOMPARE(QSize(r.width(), r.height()), QSize(900, 450));
    QVERIFY(!r.outcome().stretch);
    r.moveSlider(99999);
    QCOMPARE(r.value(), 4536);
    ok = r.outcome();
    QVERIFY(ok.stretch);
    QCOMPARE(QSize(ok.width, ok.height), QSize(4536, 4536));
}

void tst_LogoResize::unreadablePicture()
{
    Picture picture;
    LogoResize r;
    QVERIFY(r.Controle_Image(4, picture.path, 1134, 567));
    const QString broken = picture.dir.filePath(QStringLiteral("broken.png"));
    QVERIFY(picture.dir.writeFile(QStringLiteral("broken.png"), "not a picture"));
    for (const QString &file : {broken, picture.dir.filePath(QStringLiteral("gone.png")), picture.dir.path()}) {
        QVERIFY(!r.Controle_Image(5, file, 100, 100));
        QCOMPARE(r.index(), 4);
        QCOMPARE(r.maximum(), 4536);
    }

    // The dialog says so and is not to be shown.
    QWidget frame;
    ScriptedPrompts prompts;
    frmRedim d(frame, prompts, nullptr, QString());
    QVERIFY(!d.Controle_Image(5, broken, 100, 100));
    QCOMPARE(prompts.messages.size(), 1u);
    QCOMPARE(prompts.messages[0].text, LogoResize::unreadableMessage(broken));
    QVERIFY(prompts.messages[0].text.contains(broken));
    QCOMPARE(prompts.messages[0].style, Msg::OkOnly | Msg::Exclamation);
}

void tst_LogoResize::dialog()
{
    Picture picture;
    QWidget frame;
    frame.resize(900, 700);
    ScriptedPrompts prompts;
    RecordingShell shell;
    frmRedim d(frame, prompts, &shell, QStringLiteral("/app"));
    QVERIFY(d.Controle_Image(4, picture.path, 1134, 567));
    // Placed over the middle of the frame.
    QCOMPARE(d.pos(), QPoint(frame.x() + frame.width() / 2 - d.width() / 2,
                             frame.y() + frame.height() / 2 - d.height() / 2));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(d.windowTitle(), QStringLiteral("Redimensionner"));
    QCOMPARE(d.Label1(0)->text(), QStringLiteral("Aperçu du logo :"));
    QCOMPARE(d.Label1(1)->text(), QStringLiteral("Proportion :"));
    QCOMPARE(d.Check1()->text(), QStringLiteral("Rétablir le format d'origine pour cette image"));
    QCOMPARE(d.Command1(2)->text(), QStringLiteral("Aide"));
    QVERIFY(d.Command1(0)->isDefault());
    QVERIFY(d.Line3D1()->isVisibleTo(&d));

    QSlider &slider = *d.Slider1();
    QCOMPARE(slider.minimum(), 0);
    QCOMPARE(slider.maximum(), 4536);
    QCOMPARE(slider.singleStep(), 1);
    QCOMPARE(slider.pageStep(), 454);
    QCOMPARE(slider.tickInterval(), 454);
    QCOMPARE(slider.value(), 1134);
    QCOMPARE(d.Logo()->size(), QSize(76, 38)); // 1134 x 567 twips
    QVERIFY(centredInFond(d));

    // The user's move: a square, centred.
    slider.setSliderPosition(2000);
    QCOMPARE(d.Logo()->size(), QSize(133, 133));
    QVERIFY(centredInFond(d));
    // A page step with the keyboard is a move too.
    slider.setFocus();
    QTest::keyClick(&slider, Qt::Key_PageUp);
    QCOMPARE(d.resizing().width(), 2454);

    d.Check1()->click();
    QVERIFY(!slider.isEnabled());
    QCOMPARE(slider.value(), 1134);
    QCOMPARE(d.Logo()->size(), QSize(60, 30));
    QVERIFY(!d.resizing().stretch());
    QVERIFY(centredInFond(d));
    d.Check1()->click();
    QVERIFY(slider.isEnabled());
    QCOMPARE(d.Logo()->size(), QSize(60, 30));

    // A preview far larger than its box is centred over it and clipped.
    slider.setSliderPosition(slider.maximum());
    QCOMPARE(d.Logo()->size(), QSize(302, 302));
    QVERIFY(centredInFond(d));
    QVERIFY(d.Logo()->x() < 0);

    // "Aide" leaves the dialog open; Enter is "Ok" from any control, Escape
    // "Annuler".
    d.Command1(2)->click();
    QCOMPARE(shell.opened, QStringList({"/app/Aide.chm"}));
    QVERIFY(d.isVisible());
    QTest::keyClick(&slider, Qt::Key_Return);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    d.show();
    QTest::keyClick(d.Check1(), Qt::Key_Escape);
    QCOMPARE(d.result(), int(QDialog::Rejected));
}

QTEST_MAIN(tst_LogoResize)
#include "tst_logoresize.moc"
