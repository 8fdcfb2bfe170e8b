// The XP-style button: its style-3 face pixel by pixel in every state, the
// clipped corners, picture and caption layout, access keys, picture sizes,
// and the mouse and Space gestures with their clicks, sounds and links.
#include "TestSupport.h"
#include "platform/Shell.h"
#include "widgets/ClickSound.h"
#include "widgets/XpFace.h"
#include "widgets/XpLayout.h"
#include "widgets/Xp_Bouton.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

using TestSupport::pixel;

namespace {

constexpr OleColor Back = Colors::rgb(100, 120, 96);
constexpr OleColor Dark = Colors::rgb(10, 20, 30);
constexpr OleColor Light = Colors::rgb(250, 240, 5);  // system highlight
constexpr OleColor Grey = Colors::rgb(90, 0, 90);     // system button shadow

struct RecordingPlayer : SoundPlayer {
    QStringList played;
    void play(const QString &file) override { played << file; }
};

struct RecordingShell : Shell {
    QStringList opened;
    bool open(const QString &target) override
    {
        opened << target;
        return true;
    }
};

QImage solid(QSize size, QColor colour)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

int count(const QImage &img, OleColor colour)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += pixel(img, x, y) == colour;
    return n;
}

} // namespace

class TestXpBouton : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shadeArithmetic();
    void faceInEachState();
    void disabledFaceHasNoMarksAndEtchedCaption();
    void clippedCorners();
    void faceAtScreenDensity();
    void layoutOfPictureAndCaption();
    void accessKeys_data();
    void accessKeys();
    void pictureSizes();
    void leavingAndComingBackHeld();
    void rightClicksAndDoubleClicks();
    void spaceHeld();
    void accessKeyClicksWithoutSound();
    void hoverEndsWhenThePointerLeaves();

private:
    QWidget *m_window = nullptr;
    Xp_Bouton *m_button = nullptr;
    RecordingPlayer m_player;
    RecordingShell m_shell;
    bool m_cursorOver = true;

    QPoint inWindow(QPoint p) const { return m_button->mapTo(m_window, p); }
    QImage face() const { return m_button->image(); }
};

void TestXpBouton::init()
{
    m_window = new QWidget;
    m_window->resize(120, 60);
    m_button = new Xp_Bouton(QStringLiteral("Xp_Bouton1"), m_window);
    QPalette pal = m_button->palette();
    pal.setColor(QPalette::Shadow, Colors::toQColor(Dark));
    pal.setColor(QPalette::Light, Colors::toQColor(Light));
    pal.setColor(QPalette::Dark, Colors::toQColor(Grey));
    m_button->setPalette(pal);
    m_button->setGeometry(10, 10, 40, 20);
    m_button->setButtonStyle(3);
    m_button->setBackColor(Back);
    m_button->setCaption(QString());
    m_player.played.clear();
    m_shell.opened.clear();
    m_button->setSoundPlayer(&m_player);
    m_button->setShell(&m_shell);
    m_cursorOver = true;
    m_button->setCursorProbe([this] { return m_cursorOver; });
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    // The window keeps the focus until a test gives it to the button.
    m_window->setFocusPolicy(Qt::StrongFocus);
    m_window->setFocus();
    QVERIFY(!m_button->state().hasFocus());
}

void TestXpBouton::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestXpBouton::shadeArithmetic()
{
    // Blue moves by b x d / 192, truncated toward zero; all clamp to 0..255.
    QCOMPARE(XpFace::shade(Colors::rgb(148, 168, 120), -12), Colors::rgb(136, 156, 113));
    QCOMPARE(XpFace::shade(Colors::rgb(140, 170, 230), 65), Colors::rgb(205, 235, 255));
    QCOMPARE(XpFace::shade(Colors::rgb(10, 250, 100), -20), Colors::rgb(0, 230, 90));
    // Halves go to the even neighbour, both signs.
    QCOMPARE(XpFace::roundHalfEven(-250, 20), -12);
    QCOMPARE(XpFace::roundHalfEven(-350, 20), -18);
    QCOMPARE(XpFace::roundHalfEven(-150, 20), -8);
    QCOMPARE(XpFace::roundHalfEven(5, 2), 2);
    QCOMPARE(XpFace::roundHalfEven(-26, 20), -1);
}

void TestXpBouton::faceInEachState()
{
    // Idle: N = shade(Back, 48) = (148, 168, 120); row i is shade(N,
    // round(-25 i / 20)), the dark frame and corners, the inner lines.
    QImage img = face();
    QCOMPARE(pixel(img, 20, 10), Colors::rgb(136, 156, 113)); // -12.5 -> -12
    QCOMPARE(pixel(img, 20, 14), Colors::rgb(130, 150, 109)); // -17.5 -> -18
    for (const QPoint &p : {QPoint(5, 0), QPoint(0, 10), QPoint(39, 10), QPoint(5, 19), QPoint(1, 1), QPoint(38, 18)})
        QCOMPARE(pixel(img, p.x(), p.y()), Dark);
    QCOMPARE(pixel(img, 20, 18), Colors::rgb(100, 120, 90));  // bottom: N - 48
    QCOMPARE(pixel(img, 20, 17), Colors::rgb(116, 136, 100)); // N - 32
    QCOMPARE(pixel(img, 38, 17), Colors::rgb(112, 132, 98));  // right edge over the row's end
    QCOMPARE(pixel(img, 37, 10), Colors::rgb(124, 144, 105));
    QCOMPARE(pixel(img, 20, 1), Colors::rgb(164, 184, 130));
    QCOMPARE(pixel(img, 20, 2), Colors::rgb(158, 178, 126));
    QCOMPARE(pixel(img, 1, 2), Colors::rgb(143, 163, 117));   // left line drawn last
    QCOMPARE(pixel(img, 2, 10), Colors::rgb(138, 158, 114));

    // Hovered: the orange frame and its lines over the idle face.
    QTest::mouseMove(m_button, QPoint(20, 10));
    QVERIFY(m_button->state().hovered());
    img = face();
    QCOMPARE(pixel(img, 1, 10), Colors::rgb(225, 153, 71));
    QCOMPARE(pixel(img, 20, 18), Colors::rgb(185, 113, 57));
    QCOMPARE(pixel(img, 20, 1), Colors::rgb(255, 243, 104));
    QCOMPARE(pixel(img, 38, 2), Colors::rgb(255, 188, 83));
    QCOMPARE(pixel(img, 37, 10), Colors::rgb(245, 173, 78));
    QCOMPARE(pixel(img, 20, 10), Colors::rgb(136, 156, 113));

    // Pressed: P = (116, 136, 100), darker toward the top, the edge lines.
    QTest::mousePress(m_window->windowHandle(), Qt::LeftButton, {}, inWindow(QPoint(20, 10)));
    img = face();
    QCOMPARE(pixel(img, 20, 10), Colors::rgb(108, 128, 96)); // i = 10: -7.5 -> -8
    QCOMPARE(pixel(img, 20, 6), Colors::rgb(106, 126, 95));  // i = 14: -10.5 -> -10
    QCOMPARE(pixel(img, 20, 18), Colors::rgb(132, 152, 108));
    QCOMPARE(pixel(img, 20, 1), Colors::rgb(84, 104, 84));
    QCOMPARE(pixel(img, 1, 10), Colors::rgb(84, 104, 84));
    QCOMPARE(pixel(img, 2, 10), Colors::rgb(94, 114, 89));
    QCOMPARE(pixel(img, 38, 10), Colors::rgb(121, 141, 102));
    QCOMPARE(pixel(img, 1, 18), Dark);
    QTest::mouseRelease(m_window->windowHandle(), Qt::LeftButton, {}, inWindow(QPoint(20, 10)));

    // Focused (and hovered after the click): the hover lines cover the
    // focus frame; once the pointer is gone the blue focus lines show.
    QVERIFY(m_button->hasFocus());
    QCOMPARE(pixel(face(), 20, 1), Colors::rgb(255, 243, 104));
    m_cursorOver = false;
    QTRY_VERIFY(!m_button->state().hovered());
    img = face();
    QCOMPARE(pixel(img, 1, 10), Colors::rgb(140, 170, 230));
    QCOMPARE(pixel(img, 20, 18), Colors::rgb(107, 137, 191));
    QCOMPARE(pixel(img, 20, 1), Colors::rgb(205, 235, 255));
    QCOMPARE(pixel(img, 20, 2), Colors::rgb(190, 220, 255));
    QCOMPARE(pixel(img, 2, 10), Colors::rgb(171, 201, 255));
    // Own focus and hover colours when the built-in ones are off.
    m_button->setXPColor_Pressed(Colors::rgb(1, 2, 3));
    m_button->setXPDefaultColors(false);
    QCOMPARE(pixel(face(), 1, 10), Colors::rgb(1, 2, 3));
}

void TestXpBouton::disabledFaceHasNoMarksAndEtchedCaption()
{
    m_button->resize(80, 24);
    m_button->setFocus();
    QTest::mouseMove(m_button, QPoint(20, 10));
    m_button->setEnabled(false);
    m_button->setCaption(QStringLiteral("Ok"));
    // B = (148, 168, 120): the fill B - 24, the frame B - 84, corners B - 72.
    const QImage img = face();
    QCOMPARE(pixel(img, 3, 10), Colors::rgb(124, 144, 105));
    QCOMPARE(pixel(img, 1, 10), Colors::rgb(124, 144, 105)); // no focus or hover frame
    QCOMPARE(pixel(img, 40, 1), Colors::rgb(124, 144, 105));
    QCOMPARE(pixel(img, 0, 10), Colors::rgb(64, 84, 68));
    QCOMPARE(pixel(img, 1, 1), Colors::rgb(76, 96, 75));
    QCOMPARE(pixel(img, 78, 22), Colors::rgb(76, 96, 75));
    // The caption twice: light one pixel down-right, grey in place (its
    // edges blend into the face).
    int light = 0, grey = 0;
    for (int y = 4; y < 20; ++y) {
        for (int x = 4; x < 76; ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.blue() < 80 && c.red() > 160)
                ++light;
            else if (c.green() < 100 && c.blue() > 80)
                ++grey;
        }
    }
    QVERIFY2(light > 3 && grey > 10, qPrintable(QStringLiteral("%1 %2").arg(light).arg(grey)));
}

void TestXpBouton::clippedCorners()
{
    const QRegion shape = m_button->mask();
    QCOMPARE(shape, XpFace::windowRegion(QSize(40, 20)));
    int inside = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            inside += shape.contains(QPoint(x, y));
    QCOMPARE(inside, 40 * 20 - 12);
    for (const QPoint &p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(39, 0), QPoint(38, 0), QPoint(39, 1),
                            QPoint(0, 19), QPoint(1, 19), QPoint(0, 18), QPoint(39, 19), QPoint(38, 19), QPoint(39, 18)})
        QVERIFY2(!shape.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    QVERIFY(shape.contains(QPoint(2, 0)) && shape.contains(QPoint(1, 1)) && shape.contains(QPoint(0, 2)));

    // A click on a cut corner goes to the window behind, not the button.
    QSignalSpy clicks(m_button, &Xp_Bouton::Click);
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, inWindow(QPoint(0, 0)));
    QCOMPARE(clicks.count(), 0);
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, inWindow(QPoint(2, 0)));
    QCOMPARE(clicks.count(), 1);

    // Other styles keep the whole rectangle; a style-3 resize re-cuts it.
    m_button->setButtonStyle(0);
    QVERIFY(m_button->mask().isEmpty());
    m_button->setButtonStyle(3);
    m_button->resize(4, 50); // below 10 pixels: 150 twips
    QCOMPARE(m_button->size(), QSize(10, 50));
    QVERIFY(!m_button->mask().contains(QPoint(9, 49)));
}

void TestXpBouton::faceAtScreenDensity()
{
    // On a denser screen the same face is drawn with each pixel of the
    // button covering dpr x dpr device pixels, and pictures are rendered at
    // the density instead of being blown up.
    QImage img(80, 40, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(2.0);
    {
        QPainter p(&img);
        XpFace::Colours c;
        c.back = Back;
        c.dark = Dark;
        XpFace::paint(p, QSize(40, 20), XpFace::State{}, c);
    }
    for (const QPoint &d : {QPoint(0, 0), QPoint(1, 1)}) {
        QCOMPARE(pixel(img, 40 + d.x(), 20 + d.y()), Colors::rgb(136, 156, 113));
        QCOMPARE(pixel(img, 2 + d.x(), 2 + d.y()), Dark);
        QCOMPARE(pixel(img, 40 + d.x(), 36 + d.y()), Colors::rgb(100, 120, 90));
    }
    QImage large(64, 64, QImage::Format_ARGB32);
    large.fill(Qt::transparent);
    QPainter(&large).fillRect(QRect(0, 0, 64, 32), Qt::red);
    const QImage shown = XpPicture(QIcon(QPixmap::fromImage(large))).render(QSize(16, 16), 2.0, 0);
    QCOMPARE(shown.size(), QSize(32, 32));
    QCOMPARE(shown.devicePixelRatio(), 2.0);
}

void TestXpBouton::layoutOfPictureAndCaption()
{
    // Content area (4, 4)-(96, 36); picture 16 x 16, caption 30 x 14.
    const QSize b(100, 40), pic(16, 16), cap(30, 14);
    XpLayout::Placement at = XpLayout::place(b, pic, cap, 1);
    QCOMPARE(at.picture, QRect(25, 12, 16, 16));
    QCOMPARE(at.caption, QRect(45, 13, 30, 14));
    at = XpLayout::place(b, pic, cap, 2);
    QCOMPARE(at.caption.left(), 25);
    QCOMPARE(at.picture.left(), 59);
    // Stacked, the pair is 35 high: 4 + (32 - 35) / 2 truncates toward zero.
    at = XpLayout::place(b, pic, QSize(30, 15), 0);
    QCOMPARE(at.picture, QRect(42, 3, 16, 16));
    QCOMPARE(at.caption, QRect(35, 23, 30, 15));
    at = XpLayout::place(b, pic, QSize(30, 15), 3);
    QCOMPARE(at.caption.top(), 3);
    QCOMPARE(at.picture.top(), 22);
    // Without caption the picture is centred; without picture the caption
    // takes the whole area.
    QCOMPARE(XpLayout::place(b, QSize(15, 15), {}, 1).picture, QRect(42, 12, 15, 15));
    QCOMPARE(XpLayout::place(b, {}, cap, 1).caption, QRect(4, 4, 92, 32));

    // On a button the picture moves one pixel right and down when pressed.
    m_button->setGeometry(10, 10, 60, 40);
    m_button->setPictureSize(0);
    m_button->setPicture(solid(QSize(16, 16), Qt::red));
    // Centred: (22, 12)-(37, 27).
    const OleColor red = Colors::rgb(255, 0, 0);
    QCOMPARE(pixel(face(), 22, 12), red);
    QCOMPARE(pixel(face(), 37, 27), red);
    QVERIFY(pixel(face(), 21, 12) != red && pixel(face(), 22, 11) != red);
    QTest::mousePress(m_window->windowHandle(), Qt::LeftButton, {}, inWindow(QPoint(30, 20)));
    QVERIFY(pixel(face(), 22, 12) != red);
    QCOMPARE(pixel(face(), 23, 13), red);
    QCOMPARE(pixel(face(), 38, 28), red);
    QTest::mouseRelease(m_window->windowHandle(), Qt::LeftButton, {}, inWindow(QPoint(30, 20)));
}

void TestXpBouton::accessKeys_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("key");
    QTest::newRow("before the third letter") << "Ab&Cd" << "c";
    QTest::newRow("first letter") << "&Fichier" << "f";
    QTest::newRow("one doubled pair") << "Dupont && fils" << "";
    QTest::newRow("pair then a key") << "A&&B &Suite" << "s";
    QTest::newRow("searched once only") << "&&a&&b&c" << "";
    QTest::newRow("one character") << "&" << "";
    QTest::newRow("ampersand last") << "Fin&" << "";
    QTest::newRow("none") << "Ajouter" << "";
}

void TestXpBouton::accessKeys()
{
    QFETCH(QString, caption);
    QFETCH(QString, key);
    QCOMPARE(XpLayout::accessKey(caption), key.isEmpty() ? QChar() : key.at(0));
    m_button->setCaption(caption);
    QCOMPARE(m_button->accessKey(), key.isEmpty() ? QChar() : key.at(0));
}

void TestXpBouton::pictureSizes()
{
    m_button->setGeometry(10, 0, 80, 60);
    QCOMPARE(m_button->PictureSize(), 1);
    QCOMPARE(QSize(m_button->PictureWidth(), m_button->PictureHeight()), QSize(32, 32));
    m_button->setPictureSize(2);
    QCOMPARE(m_button->PictureWidth(), 32); // no picture yet
    // A 48 x 48 bitmap framed in the mask colour (black by default).
    QImage big = solid(QSize(48, 48), Qt::black);
    QPainter(&big).fillRect(QRect(1, 1, 46, 46), Qt::red);
    m_button->setPicture(big);
    QCOMPARE(QSize(m_button->OriginalPicSizeW(), m_button->OriginalPicSizeH()), QSize(48, 48));
    QCOMPARE(m_button->PictureWidth(), 48);
    const OleColor red = Colors::rgb(255, 0, 0);
    QCOMPARE(count(face(), red), 46 * 46);
    QCOMPARE(count(face(), Colors::Black), 0);
    m_button->setPictureSize(0);
    QCOMPARE(QSize(m_button->PictureWidth(), m_button->PictureHeight()), QSize(16, 16));
    QVERIFY(count(face(), red) <= 16 * 16 && count(face(), red) >= 14 * 14);
    m_button->setPictureSize(7); // unknown: the size stays
    QCOMPARE(m_button->PictureWidth(), 16);
    m_button->setPicture(XpPicture());
    QCOMPARE(m_button->OriginalPicSizeW(), 32);
    QCOMPARE(count(face(), red), 0);
}

void TestXpBouton::leavingAndComingBackHeld()
{
    QSignalSpy clicks(m_button, &Xp_Bouton::Click);
    QSignalSpy outs(m_button, &Xp_Bouton::MouseOut);
    QWindow *w = m_window->windowHandle();
    const OleColor idleRow10 = Colors::rgb(136, 156, 113);
    const OleColor pressedRow10 = Colors::rgb(108, 128, 96);
    QTest::mouseMove(w, inWindow(QPoint(20, 10)));
    QTest::mousePress(w, Qt::LeftButton, {}, inWindow(QPoint(20, 10)));
    QCOMPARE(pixel(face(), 20, 10), pressedRow10);
    // Out with the button held: raised, still pressed underneath.
    QTest::mouseMove(w, inWindow(QPoint(60, 10)));
    QCOMPARE(outs.count(), 1);
    QVERIFY(m_button->state().pressed());
    QCOMPARE(pixel(face(), 20, 10), idleRow10);
    // Back: pressed again.
    QTest::mouseMove(w, inWindow(QPoint(30, 12)));
    QCOMPARE(pixel(face(), 20, 10), pressedRow10);
    // Out again and released there: no click, no sound.
    QTest::mouseMove(w, inWindow(QPoint(45, 25)));
    QTest::mouseRelease(w, Qt::LeftButton, {}, inWindow(QPoint(45, 25)));
    QCOMPARE(clicks.count(), 0);
    QVERIFY(m_player.played.isEmpty());
    QVERIFY(!m_button->state().pressed());

    // A click inside plays the click sound (resolved from the application
    // folder) and opens the link once.
    ClickSound::setFolder(QStringLiteral("/opt/app"));
    m_button->setURL(QStringLiteral("mailto:contact@example.org"));
    QTest::mouseClick(w, Qt::LeftButton, {}, inWindow(QPoint(20, 10)));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(m_player.played, QStringList{QStringLiteral("/opt/app/resources/click.wav")});
    QCOMPARE(m_shell.opened, QStringList{QStringLiteral("mailto:contact@example.org")});
    ClickSound::setFolder(QString());
}

void TestXpBouton::rightClicksAndDoubleClicks()
{
    QSignalSpy clicks(m_button, &Xp_Bouton::Click);
    QSignalSpy downs(m_button, &Xp_Bouton::MouseDown);
    QSignalSpy ups(m_button, &Xp_Bouton::MouseUp);
    QWindow *w = m_window->windowHandle();
    QTest::mousePress(w, Qt::RightButton, Qt::ShiftModifier, inWindow(QPoint(20, 10)));
    QVERIFY(!m_button->state().pressed());
    QCOMPARE(pixel(face(), 20, 10), Colors::rgb(136, 156, 113));
    QTest::mouseRelease(w, Qt::RightButton, Qt::ShiftModifier, inWindow(QPoint(20, 10)));
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(downs.count(), 1);
    QCOMPARE(downs.at(0), QVariantList({2, 1, 20, 10}));
    QCOMPARE(ups.at(0), QVariantList({2, 1, 20, 10}));
    // A quick second left press counts as a click of its own.
    QTest::mouseDClick(w, Qt::LeftButton, {}, inWindow(QPoint(20, 10)));
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(m_player.played.size(), 2);
}

void TestXpBouton::spaceHeld()
{
    QSignalSpy clicks(m_button, &Xp_Bouton::Click);
    QSignalSpy ups(m_button, &Xp_Bouton::MouseUp);
    QSignalSpy keyDowns(m_button, &Xp_Bouton::KeyDown);
    m_button->setFocus();
    QTest::keyPress(m_button, Qt::Key_Space);
    QVERIFY(m_button->state().pressed());
    QCOMPARE(pixel(face(), 20, 10), Colors::rgb(108, 128, 96));
    // Auto-repeat: press and release pairs flagged as repeats.
    for (int i = 0; i < 3; ++i) {
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(m_button, &up);
        QApplication::sendEvent(m_button, &down);
    }
    QVERIFY(m_button->state().pressed());
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(keyDowns.count(), 4);
    QTest::keyRelease(m_button, Qt::Key_Space);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(m_player.played.size(), 1);
    QCOMPARE(ups.count(), 1);
    QCOMPARE(ups.at(0), QVariantList({1, 0, 0, 0}));
    QVERIFY(!m_button->state().pressed() && !m_button->state().hovered());
    // Losing the focus while Space is down: the next Space presses again.
    QTest::keyPress(m_button, Qt::Key_Space);
    m_button->clearFocus();
    QVERIFY(!m_button->state().pressed() && !m_button->state().keyHeld());
    m_button->setFocus();
    QTest::keyPress(m_button, Qt::Key_Space);
    QVERIFY(m_button->state().pressed());
}

void TestXpBouton::accessKeyClicksWithoutSound()
{
    QSignalSpy clicks(m_button, &Xp_Bouton::Click);
    m_button->setCaption(QStringLiteral("&Valider"));
    m_button->setURL(QStringLiteral("https://example.org/"));
    QTest::keyClick(m_window, Qt::Key_V, Qt::AltModifier);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(m_player.played.isEmpty());
    QCOMPARE(m_shell.opened, QStringList{QStringLiteral("https://example.org/")});
    m_button->setEnabled(false);
    QTest::keyClick(m_window, Qt::Key_V, Qt::AltModifier);
    QCOMPARE(clicks.count(), 1);
}

void TestXpBouton::hoverEndsWhenThePointerLeaves()
{
    QSignalSpy ins(m_button, &Xp_Bouton::MouseIn);
    QSignalSpy outs(m_button, &Xp_Bouton::MouseOut);
    m_button->resize(60, 40);
    m_button->setPictureSize(0);
    m_button->setPicture(solid(QSize(16, 16), Qt::red));
    m_button->setPictureHover(solid(QSize(16, 16), Qt::green));
    const OleColor red = Colors::rgb(255, 0, 0), green = Colors::rgb(0, 255, 0);
    QTest::mouseMove(m_button, QPoint(30, 20));
    QCOMPARE(ins.count(), 1);
    QCOMPARE(count(face(), green), 256);
    QCOMPARE(count(face(), red), 0);
    QTest::mouseMove(m_button, QPoint(31, 20)); // still in: no second MouseIn
    QCOMPARE(ins.count(), 1);
    // The pointer leaves the window: the hover ends at once.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_button, &leave);
    QCOMPARE(outs.count(), 1);
    QCOMPARE(count(face(), red), 256);
    // The hover timer ends it too when the cursor is elsewhere.
    QTest::mouseMove(m_button, QPoint(30, 20));
    QVERIFY(m_button->state().hovered());
    m_cursorOver = false;
    QTRY_COMPARE(outs.count(), 2);
    QCOMPARE(count(face(), red), 256);
}

QTEST_MAIN(TestXpBouton)
#include "tst_xpbouton.moc"
