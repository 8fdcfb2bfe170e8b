// The logo resize dialog: slider, original size, outcome, unreadable picture, preview and keys.
#include "TestSupport.h"
#include "imaging/LogoResize.h"
#include "imaging/PicturePreview.h"
#include "imaging/frmRedim.h"
#include "platform/ScriptedPrompts.h"
#include "widgets/CentredBox.h"

#include <QCheckBox>
#include <QSlider>
#include <QTest>

namespace {

struct Picture {
    TestSupport::TempAppDir dir;
    QString path = dir.filePath(QStringLiteral("logo.png"));
    bool ok = [this] {
        QImage image(60, 30, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        return image.save(path);
    }();
};

QString state(const LogoResize &r)
{
    const LogoResize::Outcome o = r.outcome();
    return QStringLiteral("%1 %2 %3x%4 ok %5 %6x%7").arg(r.value()).arg(r.sliderLocked() ? "locked" : "free")
        .arg(r.width()).arg(r.height()).arg(o.stretch ? "stretch" : "natural").arg(o.width).arg(o.height);
}

} // namespace

class tst_LogoResize : public QObject {
    Q_OBJECT

private slots:
    void sliderAndOriginalSize();
    void dialog();
};

void tst_LogoResize::sliderAndOriginalSize()
{
    Picture picture;
    LogoResize r;
    QVERIFY(picture.ok && r.Controle_Image(4, picture.path, 1134, 567));
    QCOMPARE(QList<int>({r.index(), r.maximum(), r.tickSpacing(), r.largeStep()}), QList<int>({4, 4536, 454, 454}));
    QCOMPARE(state(r), QStringLiteral("1134 free 1134x567 ok stretch 1134x567"));
    r.moveSlider(2000);
    QCOMPARE(state(r), QStringLiteral("2000 free 2000x2000 ok stretch 2000x2000"));
    r.setOriginalSize(true);
    r.moveSlider(3000);
    QCOMPARE(state(r), QStringLiteral("1134 locked 900x450 ok natural 0x0"));
    r.setOriginalSize(false);
    QCOMPARE(state(r), QStringLiteral("1134 free 900x450 ok natural 0x0"));
    r.moveSlider(99999);
    QCOMPARE(state(r), QStringLiteral("4536 free 4536x4536 ok stretch 4536x4536"));
    QVERIFY(r.Controle_Image(1, picture.path, -15, 30) && r.maximum() == 0 && r.value() == 0);

    QVERIFY(picture.dir.writeFile(QStringLiteral("broken.png"), "not a picture"));
    for (const QString &name : {QStringLiteral("broken.png"), QStringLiteral("gone.png"), QString()})
        QVERIFY(!r.Controle_Image(5, picture.dir.filePath(name), 100, 100) && r.index() == 1);
    QWidget frame;
    ScriptedPrompts prompts;
    frmRedim d(frame, prompts, nullptr, QString());
    const QString broken = picture.dir.filePath(QStringLiteral("broken.png"));
    QVERIFY(!d.Controle_Image(5, broken, 100, 100));
    QVERIFY(prompts.messages.size() == 1 && prompts.messages[0].text.contains(broken));
}

void tst_LogoResize::dialog()
{
    Picture picture;
    QWidget frame;
    frame.resize(900, 700);
    ScriptedPrompts prompts;
    frmRedim d(frame, prompts, nullptr, QStringLiteral("/app"));
    QVERIFY(d.Controle_Image(4, picture.path, 1134, 567));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QSlider &slider = *d.Slider1();
    QCOMPARE(QList<int>({slider.maximum(), slider.pageStep(), slider.tickInterval(), slider.value()}),
             QList<int>({4536, 454, 454, 1134}));
    const auto centred = [&d, in = d.Fond()->contentsRect()] { // left = inner left + width / 2 - own width / 2
        const QSize s = d.Logo()->size();
        return d.Logo()->pos() - in.topLeft() - QPoint(in.width() / 2 - s.width() / 2, in.height() / 2 - s.height() / 2);
    };
    QCOMPARE(d.Logo()->size(), QSize(76, 38)); // 1134 x 567 twips
    QCOMPARE(centred(), QPoint());
    slider.setSliderPosition(slider.maximum());
    QVERIFY(d.Logo()->size() == QSize(302, 302) && centred().isNull() && d.Logo()->x() < 0);
    slider.setFocus();
    QTest::keyClick(&slider, Qt::Key_PageDown);
    QCOMPARE(d.resizing().width(), 4536 - 454);
    d.Check1()->click();
    QVERIFY(!slider.isEnabled() && slider.value() == 1134 && d.Logo()->size() == QSize(60, 30));
    QTest::keyClick(&slider, Qt::Key_Return);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    d.show();
    QTest::keyClick(d.Check1(), Qt::Key_Escape);
    QCOMPARE(d.result(), int(QDialog::Rejected));
}

QTEST_MAIN(tst_LogoResize)
#include "tst_logoresize.moc"
