// The XP-style button: gesture rules, layout, access keys, the style-3 face
// and its corners, and the clicks, sounds and links of real events.
#include "TestSupport.h"
#include "platform/Shell.h"
#include "widgets/ClickSound.h"
#include "widgets/XpButtonState.h"
#include "widgets/XpFace.h"
#include "widgets/XpLayout.h"
#include "widgets/Xp_Bouton.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <map>

using namespace Qt::StringLiterals;
using TestSupport::pixel;

namespace {

constexpr OleColor Back = Colors::rgb(100, 120, 96);
constexpr OleColor Dark = Colors::rgb(10, 20, 30);
constexpr OleColor Red = Colors::rgb(255, 0, 0);

struct Recorder : SoundPlayer, Shell {
    QStringList played, opened;
    void play(const QString &file) override { played << file; }
    bool open(const QString &target) override { return opened << target, true; }
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
    void gestureRules_data();
    void gestureRules();
    void layoutAndAccessKeys();
    void faceInEachState();
    void clippedCorners();
    void clicksSoundsAndLinks();
    void pictures();

private:
    QWidget *m_window = nullptr;
    Xp_Bouton *m_button = nullptr;
    Recorder m_recorder;
    bool m_cursorOver = true;

    QPoint inWindow(QPoint p) const { return m_button->mapTo(m_window, p); }
    QImage face() const { return m_button->grab().toImage(); }
};

void TestXpBouton::init()
{
    m_window = new QWidget;
    m_window->resize(120, 60);
    m_button = new Xp_Bouton(QStringLiteral("Xp_Bouton1"), m_window);
    QPalette pal = m_button->palette();
    pal.setColor(QPalette::Shadow, Colors::toQColor(Dark));
    m_button->setPalette(pal);
    m_button->setGeometry(10, 10, 40, 20);
    m_button->setButtonStyle(3);
    m_button->setBackColor(Back);
    m_button->setCaption(QString());
    m_recorder = {};
    m_button->setSoundPlayer(&m_recorder);
    m_button->setShell(&m_recorder);
    m_cursorOver = true;
    m_button->setCursorProbe([this] { return m_cursorOver; });
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    // The window keeps the focus until a test gives it to the button.
    m_window->setFocusPolicy(Qt::StrongFocus);
    m_window->setFocus();
}

void TestXpBouton::cleanup()
{
    delete m_window;
}

void TestXpBouton::gestureRules_data()
{
    // A script of inputs on a 40 x 20 button; each input's effects are
    // written S (hover started), E (ended), R (redraw), C (click with its
    // sound), - (none); then the state: pressed, looks pressed, hovered.
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("effects");
    QTest::addColumn<QString>("state");
    QTest::newRow("click") << "in down up" << "SR R RC" << "--h";
    QTest::newRow("released outside") << "in down out in out upout" << "SR R ER SR ER R" << "---";
    QTest::newRow("held outside looks raised") << "in down out" << "SR R ER" << "p--";
    QTest::newRow("back inside looks pressed") << "in down out in" << "SR R ER SR" << "pPh";
    QTest::newRow("right button never presses") << "in rdown rup" << "SR - -" << "--h";
    QTest::newRow("double click presses again") << "in down up dbl up" << "SR R RC R RC" << "--h";
    QTest::newRow("space held once") << "space space space up-space" << "R - - RC" << "---";
    QTest::newRow("focus lost while space held") << "space focusout space" << "R R R" << "pPh";
    QTest::newRow("hover timer") << "in tick-over tick-away" << "SR - ER" << "---";
}

void TestXpBouton::gestureRules()
{
    QFETCH(QString, script);
    QFETCH(QString, effects);
    QFETCH(QString, state);
    XpButtonState s;
    using E = XpButtonState::Effects;
    const QSize size(40, 20);
    const int left = XpButtonState::LeftButton, right = XpButtonState::RightButton, space = XpButtonState::SpaceKey;
    const std::map<QString, std::function<E()>> inputs = {
        {u"in"_s, [&] { return s.mouseMove(QPoint(20, 10), size); }},
        {u"out"_s, [&] { return s.mouseMove(QPoint(40, 10), size); }},
        {u"down"_s, [&] { return s.mouseDown(left, 0, QPoint(5, 5)); }},
        {u"rdown"_s, [&] { return s.mouseDown(right, 0, QPoint(5, 5)); }},
        {u"up"_s, [&] { return s.mouseUp(left, 0, QPoint(5, 5), size); }},
        {u"rup"_s, [&] { return s.mouseUp(right, 0, QPoint(5, 5), size); }},
        {u"upout"_s, [&] { return s.mouseUp(left, 0, QPoint(45, 25), size); }},
        {u"dbl"_s, [&] { return s.doubleClick(); }},
        {u"space"_s, [&] { return s.keyDown(space); }},
        {u"up-space"_s, [&] { return s.keyUp(space, 0, size); }},
        {u"focusout"_s, [&] { return s.focusOut(); }},
        {u"tick-over"_s, [&] { return s.tick(true); }},
        {u"tick-away"_s, [&] { return s.tick(false); }},
    };
    QStringList seen;
    for (const QString &input : script.split(u' ')) {
        const E e = inputs.at(input)();
        const QString letters = QString(e.hoverStarted ? "S" : "") + (e.hoverEnded ? "E" : "") + (e.redraw ? "R" : "")
            + (e.click && e.sound ? "C" : e.click || e.sound ? "?" : "");
        seen << (letters.isEmpty() ? u"-"_s : letters);
    }
    QCOMPARE(seen.join(u' '), effects);
    QCOMPARE(QString(s.pressed() ? "p" : "-") + (s.showsPressed() ? "P" : "-") + (s.hovered() ? "h" : "-"), state);
}

void TestXpBouton::layoutAndAccessKeys()
{
    // Content area (4, 4)-(96, 36); picture 16 x 16, caption 30 x 14 (15
    // stacked: 4 + (32 - 35) / 2 truncates toward zero).
    const QSize b(100, 40), pic(16, 16), cap(30, 14), tall(30, 15);
    const std::tuple<QSize, QSize, int, QRect, QRect> rows[] = {
        {pic, cap, 1, QRect(25, 12, 16, 16), QRect(45, 13, 30, 14)},
        {pic, cap, 2, QRect(59, 12, 16, 16), QRect(25, 13, 30, 14)},
        {pic, tall, 0, QRect(42, 3, 16, 16), QRect(35, 23, 30, 15)},
        {pic, tall, 3, QRect(42, 22, 16, 16), QRect(35, 3, 30, 15)},
        {QSize(15, 15), {}, 1, QRect(42, 12, 15, 15), QRect()},
        {{}, cap, 1, QRect(), QRect(4, 4, 92, 32)},
    };
    for (const auto &[picture, caption, position, pictureAt, captionAt] : rows) {
        const XpLayout::Placement at = XpLayout::place(b, picture, caption, position);
        QCOMPARE(at.picture, pictureAt);
        QCOMPARE(at.caption, captionAt);
    }
    // Two ampersands stand for one and are skipped once.
    const std::pair<QString, QChar> keys[] = {{u"Ab&Cd"_s, u'c'}, {u"&Fichier"_s, u'f'},
        {u"Dupont && fils"_s, {}}, {u"A&&B &Suite"_s, u's'}, {u"&&a&&b&c"_s, {}}, {u"&"_s, {}}, {u"Fin&"_s, {}}};
    for (const auto &[caption, key] : keys)
        QCOMPARE(XpLayout::accessKey(caption), key);
    QCOMPARE(XpLayout::pictureSize(2, false, QSize(48, 40)), std::optional<QSize>(QSize(32, 32)));
}

void TestXpBouton::faceInEachState()
{
    // Idle: N = shade(Back, 48) = (148, 168, 120); row i is shade(N,
    // round(-25 i / 20)) halves to even, the dark frame, the bottom N - 48.
    QImage img = face();
    QCOMPARE(pixel(img, 20, 10), Colors::rgb(136, 156, 113)); // -12.5 -> -12
    QVERIFY(pixel(img, 20, 14) == Colors::rgb(130, 150, 109) && pixel(img, 0, 10) == Dark); // -17.5 -> -18
    // Hovered: the orange frame.
    QTest::mouseMove(m_button, QPoint(20, 10));
    QCOMPARE(pixel(face(), 1, 10), Colors::rgb(225, 153, 71));
    // Pressed: darker toward the top (i = 10: -7.5 -> -8).
    QTest::mousePress(m_window->windowHandle(), Qt::LeftButton, {}, inWindow(QPoint(20, 10)));
    QCOMPARE(pixel(face(), 20, 10), Colors::rgb(108, 128, 96));
    QTest::mouseRelease(m_window->windowHandle(), Qt::LeftButton, {}, inWindow(QPoint(20, 10)));
    // Focused, the pointer gone: the blue focus frame, or the own colour
    // when the built-in ones are off.
    m_cursorOver = false;
    QTRY_COMPARE(pixel(face(), 1, 10), Colors::rgb(140, 170, 230));
    m_button->setXPColor_Pressed(Colors::rgb(1, 2, 3));
    m_button->setXPDefaultColors(false);
    QCOMPARE(pixel(face(), 1, 10), Colors::rgb(1, 2, 3));
    // Disabled: no focus frame, the fill B - 24 and the frame B - 84.
    m_button->setEnabled(false);
    img = face();
    QVERIFY(pixel(img, 1, 10) == Colors::rgb(124, 144, 105) && pixel(img, 0, 10) == Colors::rgb(64, 84, 68));
}

void TestXpBouton::clippedCorners()
{
    // Three pixels cut at each corner: two of the edge row, one of the next.
    const QRegion shape = m_button->mask();
    QCOMPARE(QRegion(0, 0, 40, 20).subtracted(shape),
             QRegion(0, 0, 2, 1) + QRegion(0, 1, 1, 1) + QRegion(38, 0, 2, 1) + QRegion(39, 1, 1, 1)
                 + QRegion(0, 19, 2, 1) + QRegion(0, 18, 1, 1) + QRegion(38, 19, 2, 1) + QRegion(39, 18, 1, 1));
    // Other styles keep the whole rectangle; a style-3 resize re-cuts it.
    m_button->setButtonStyle(0);
    QVERIFY(m_button->mask().isEmpty());
    m_button->setButtonStyle(3);
    m_button->resize(50, 50);
    QVERIFY(!m_button->mask().contains(QPoint(49, 49)));
}

void TestXpBouton::clicksSoundsAndLinks()
{
    QSignalSpy clicks(m_button, &Xp_Bouton::Click);
    QSignalSpy ups(m_button, &Xp_Bouton::MouseUp);
    QSignalSpy downs(m_button, &Xp_Bouton::MouseDown);
    QWindow *w = m_window->windowHandle();
    // A click plays the click sound from the application folder and opens
    // the link once; a right click reports its button and shift keys.
    ClickSound::setFolder(QStringLiteral("/opt/app"));
    m_button->setURL(QStringLiteral("mailto:contact@example.org"));
    QTest::mouseClick(w, Qt::LeftButton, {}, inWindow(QPoint(20, 10)));
    QTest::mouseClick(w, Qt::RightButton, Qt::ShiftModifier, inWindow(QPoint(20, 10)));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(m_recorder.played, QStringList{QStringLiteral("/opt/app/resources/click.wav")});
    QCOMPARE(m_recorder.opened, QStringList{QStringLiteral("mailto:contact@example.org")});
    QCOMPARE(downs.last(), QVariantList({2, 1, 20, 10}));
    ClickSound::setFolder(QString());
    // Space held with key repeats: one click, as a left release at (0, 0).
    m_button->setFocus();
    QTest::keyPress(m_button, Qt::Key_Space);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(m_button, &up);
        QApplication::sendEvent(m_button, &down);
    }
    QTest::keyRelease(m_button, Qt::Key_Space);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(ups.last(), QVariantList({1, 0, 0, 0}));
    // The access key clicks without the sound; not when disabled.
    m_button->setCaption(QStringLiteral("&Valider"));
    QTest::keyClick(m_window, Qt::Key_V, Qt::AltModifier);
    QCOMPARE(clicks.count(), 3);
    QCOMPARE(m_recorder.played.size(), 2);
    m_button->setEnabled(false);
    QTest::keyClick(m_window, Qt::Key_V, Qt::AltModifier);
    QCOMPARE(clicks.count(), 3);
}

void TestXpBouton::pictures()
{
    m_button->setGeometry(10, 10, 60, 40);
    m_button->setPictureSize(0);
    m_button->setPicture(solid(QSize(16, 16), Qt::red));
    // Centred at (22, 12)-(37, 27), one pixel right and down when pressed.
    QVERIFY(pixel(face(), 22, 12) == Red && pixel(face(), 37, 27) == Red && pixel(face(), 21, 12) != Red);
    QTest::mousePress(m_window->windowHandle(), Qt::LeftButton, {}, inWindow(QPoint(30, 20)));
    QVERIFY(pixel(face(), 22, 12) != Red && pixel(face(), 38, 28) == Red);
    QTest::mouseRelease(m_window->windowHandle(), Qt::LeftButton, {}, inWindow(QPoint(30, 20)));

    // Its own size (PictureSize 2): a 48 x 48 bitmap framed in the mask
    // colour (black by default), which is transparent.
    QImage big = solid(QSize(48, 48), Qt::black);
    QPainter(&big).fillRect(QRect(1, 1, 46, 46), Qt::red);
    m_button->setGeometry(10, 0, 80, 60);
    m_button->setPictureSize(2);
    m_button->setPicture(big);
    QVERIFY(count(face(), Red) == 46 * 46 && count(face(), Colors::Black) == 0);
    m_button->setPicture(XpPicture());
    QCOMPARE(count(face(), Red), 0);
}

QTEST_MAIN(TestXpBouton)
#include "tst_xpbouton.moc"
