// The label text editor: its working copy and rules (sizes and font names
// typed or chosen, colours picked and the opaque preview of white text,
// "Ok" refusing an empty text and writing back only what it edits), then
// the dialog's controls, texts, preview centring and keys.
#include "TestSupport.h"
#include "editor/ColorField.h"
#include "editor/ColorFieldView.h"
#include "editor/LabelEditor.h"
#include "editor/frmEditer.h"
#include "platform/ScriptedPrompts.h"
#include "platform/Shell.h"
#include "widgets/CentredBox.h"
#include "widgets/Line3D.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {

constexpr OleColor Red = 0x0000FF;
constexpr OleColor Blue = 0xFF0000;

FontList someFonts()
{
    return FontList({QStringLiteral("Zeta"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Serif")});
}

CardLabel makeLabel(const QString &text, OleColor color = Red)
{
    CardLabel label;
    label.index = 3;
    label.setCaption(text);
    label.setFontName(QStringLiteral("Liberation Serif"));
    label.setFontSize(8.25f);
    label.ForeColor = color;
    return label;
}

struct RecordingShell : Shell {
    QStringList opened;
    bool open(const QString &target) override { opened.append(target); return true; }
};

// An editor dialog over a frame window, prepared for a label.
struct Editor {
    explicit Editor(const CardLabel &label)
    {
        dialog.setPrompts(&prompts);
        frame.resize(800, 600);
        editor = std::make_unique<frmEditer>(frame, dialog, prompts, &shell, QStringLiteral("/app"), someFonts());
        editor->Control_Texte(label.index, label);
    }
    const LabelEditor &model() const { return editor->editor(); }
    QWidget frame;
    ScriptedPrompts prompts;
    CommonDialog dialog;
    RecordingShell shell;
    std::unique_ptr<frmEditer> editor;
};

void sendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class tst_LabelEditor : public QObject {
    Q_OBJECT
private slots:
    void systemFonts();
    void opening();
    void fontNamesAndSizes();
    void coloursAndOpacity();
    void okAndWriteBack();
    void dialogControls();
    void previewFollowsAndStaysCentred();
    void colourFieldWithTheMouse();
    void keysAndButtons();
};

void tst_LabelEditor::systemFonts()
{
    QCOMPARE(FontList::familyName(QStringLiteral("Nimbus Sans [urw]")), QStringLiteral("Nimbus Sans"));
    QCOMPARE(FontList::familyName(QStringLiteral("Liberation Sans")), QStringLiteral("Liberation Sans"));
    QCOMPARE(FontList::familyName(QStringLiteral("[odd]")), QStringLiteral("[odd]"));
    // Each name once, in the same order at every call, and each one drawn
    // with an installed family that scales (a generic name such as "Serif"
    // with the family it stands for).
    const QStringList names = FontList::system().names();
    QVERIFY(!names.isEmpty());
    QCOMPARE(FontList::system().names(), names);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString drawn = QFontInfo(QFont(names.at(i))).family();
        QVERIFY2(QFontDatabase::hasFamily(drawn) && QFontDatabase::isScalable(drawn), qPrintable(names.at(i)));
        if (i > 0)
            QVERIFY(names.at(i - 1).compare(names.at(i), Qt::CaseInsensitive) < 0);
    }
}

void tst_LabelEditor::opening()
{
    LabelEditor editor(someFonts());
    QCOMPARE(editor.fonts().names(),
             QStringList({"DejaVu Sans", "Liberation Serif", "Zeta"}));
    QCOMPARE(LabelEditor::sizes(),
             QStringList({"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "30"}));

    CardLabel label = makeLabel(QStringLiteral("Atelier"), Colors::White);
    label.setFontBold(true);
    label.setFontUnderline(true);
    label.setFontItalic(true);
    editor.Control_Texte(label.index, label);
    QCOMPARE(editor.index(), 3);
    QCOMPARE(editor.text(), QStringLiteral("Atelier"));
    QCOMPARE(editor.fontText(), QStringLiteral("Liberation Serif"));
    QCOMPARE(editor.sizeText(), QStringLiteral("8,25"));
    const CardLabel &a = editor.labelA();
    QCOMPARE(a.Caption(), QStringLiteral("Atelier"));
    QCOMPARE(a.FontSize(), 8.25f);
    QVERIFY(a.FontBold() && a.FontUnderline() && !a.FontItalic());
    // White text shows on an opaque preview.
    QCOMPARE(a.ForeColor, Colors::White);
    QVERIFY(editor.opaque());
    QCOMPARE(editor.shapeColor(), Colors::White);

    // A font this system does not have stays the label's font.
    label.setFontName(QStringLiteral("Arial"));
    editor.Control_Texte(label.index, label);
    QCOMPARE(editor.fontText(), QStringLiteral("Arial"));
    QCOMPARE(editor.labelA().FontName(), QStringLiteral("Arial"));
}

void tst_LabelEditor::fontNamesAndSizes()
{
    LabelEditor editor(someFonts());
    editor.Control_Texte(3, makeLabel(QStringLiteral("x")));
    QVERIFY(editor.setSizeText(QStringLiteral("13")));
    QCOMPARE(editor.labelA().FontSize(), 13.0f);
    QVERIFY(editor.setSizeText(QStringLiteral(" 12,5 ")));
    QCOMPARE(editor.labelA().FontSize(), 12.5f);
    for (const char *refused : {"abc", "12abc", "", "0", "-4", "2000"}) {
        QVERIFY2(!editor.setSizeText(QString::fromLatin1(refused)), refused);
        QCOMPARE(editor.labelA().FontSize(), 12.5f);
        QCOMPARE(editor.sizeText(), QString::fromLatin1(refused));
    }

    // Names are found without regard to case and take the listed spelling;
    // a name being typed or unknown leaves the font as it was.
    QVERIFY(editor.setFontText(QStringLiteral("dejavu sans")));
    QCOMPARE(editor.labelA().FontName(), QStringLiteral("DejaVu Sans"));
    QVERIFY(!editor.setFontText(QStringLiteral("Zet")));
    QCOMPARE(editor.labelA().FontName(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(FontList({"Mono", "MONO"}).find(QStringLiteral("MONO")), QStringLiteral("MONO"));
}

void tst_LabelEditor::coloursAndOpacity()
{
    LabelEditor editor(someFonts());
    editor.Control_Texte(3, makeLabel(QStringLiteral("x"), Colors::White));
    QVERIFY(editor.opaque());
    // Pointing only shows the colour in the sample.
    editor.pointed(Blue, false);
    QCOMPARE(editor.shapeColor(), Blue);
    QCOMPARE(editor.labelA().ForeColor, Colors::White);
    // A click gives it to the text: no longer white, transparent again.
    editor.click();
    QCOMPARE(editor.labelA().ForeColor, Blue);
    QVERIFY(!editor.opaque());
    // Dragging with the right button colours the text at once.
    editor.pointed(Colors::White, true);
    QCOMPARE(editor.labelA().ForeColor, Colors::White);
    QVERIFY(editor.opaque());

    // The double click's dialog starts full, from the sample's colour; its
    // choice keeps the background as it is; a cancel changes nothing.
    ScriptedPrompts prompts;
    CommonDialog dialog(&prompts);
    editor.pointed(Red, false);
    prompts.queueColor(Blue);
    QVERIFY(editor.doubleClick(dialog));
    QCOMPARE(prompts.dialogs.back().kind, Prompts::DialogKind::Color);
    QCOMPARE(prompts.dialogs.back().snapshot.Color, Red);
    QCOMPARE(prompts.dialogs.back().snapshot.Flags, CommonDialog::RgbInit | CommonDialog::FullOpen);
    QCOMPARE(editor.labelA().ForeColor, Blue);
    QVERIFY(editor.opaque());
    prompts.queueCancel();
    QVERIFY(!editor.doubleClick(dialog));
    QCOMPARE(editor.labelA().ForeColor, Blue);
}

void tst_LabelEditor::okAndWriteBack()
{
    CardLabel label = makeLabel(QStringLiteral("Atelier"));
    label.setFontUnderline(true);
    label.setFontStrikethru(true);
    label.setFontItalic(true);
    LabelEditor editor(someFonts());
    editor.Control_Texte(label.index, label);
    editor.setFontText(QStringLiteral("Zeta"));
    editor.setSizeText(QStringLiteral("13"));
    editor.setBold(true);
    editor.pointed(Blue, false);
    editor.click();
    // Only the empty text is refused, blanks are a text.
    ScriptedPrompts prompts;
    editor.setText(QString());
    QVERIFY(!editor.validate(prompts));
    QCOMPARE(prompts.messages.size(), 1u);
    QCOMPARE(prompts.messages[0].text, QStringLiteral("Avant de valider veuillez compléter le texte."));
    QCOMPARE(prompts.messages[0].style, Msg::OkOnly | Msg::Exclamation);
    editor.setText(QStringLiteral("  "));
    QVERIFY(editor.validate(prompts));
    editor.setText(QStringLiteral("Garage"));
    QVERIFY(editor.validate(prompts));
    QCOMPARE(prompts.messages.size(), 1u);

    editor.writeBack(label);
    QCOMPARE(label.Caption(), QStringLiteral("Garage"));
    QCOMPARE(label.FontName(), QStringLiteral("Zeta"));
    QCOMPARE(label.FontSize(), 13.0f);
    QCOMPARE(label.ForeColor, Blue);
    QVERIFY(label.FontBold());
    QVERIFY(label.FontUnderline() && label.FontStrikethru() && label.FontItalic());
    // With auto-size on the label takes the size of its new text.
    QCOMPARE(QSizeF(label.Width(), label.Height()), CardLabel::textSize(QStringLiteral("Garage"), label.font()));

    // A system colour is written back as it was.
    label.ForeColor = Colors::system(Colors::WindowText);
    editor.Control_Texte(label.index, label);
    editor.writeBack(label);
    QCOMPARE(label.ForeColor, Colors::system(Colors::WindowText));
}

void tst_LabelEditor::dialogControls()
{
    CardLabel label = makeLabel(QStringLiteral("Atelier"));
    label.setFontBold(true);
    Editor e(label);
    frmEditer &d = *e.editor;
    QCOMPARE(d.windowTitle(), QStringLiteral("Edition du contenu"));
    const QStringList captions{"Texte du contrôle :", "Sélection de la police :", "Taille :", {},
                               "Couleur de la police :", "Aperçu du texte :"};
    for (int i = 0; i < captions.size(); ++i) {
        if (!captions.at(i).isEmpty())
            QCOMPARE(d.Label1(i)->text(), captions.at(i));
    }
    QCOMPARE(d.Check1()->text(), QStringLiteral("Permuter l'affichage du texte en gras ou normal"));
    QVERIFY(d.Check1()->isChecked());
    QCOMPARE(d.Command1(2)->text(), QStringLiteral("Aide"));
    QVERIFY(d.Command1(0)->isDefault());
    QCOMPARE(d.Text1()->text(), QStringLiteral("Atelier"));
    QCOMPARE(d.Combo1()->currentText(), QStringLiteral("Liberation Serif"));
    QCOMPARE(d.Combo2()->currentText(), QStringLiteral("8,25"));
    QVERIFY(d.Line3D1()->isVisibleTo(&d));

    // Placed over the middle of the frame.
    QCOMPARE(d.pos(), QPoint(e.frame.x() + e.frame.width() / 2 - d.width() / 2,
                             e.frame.y() + e.frame.height() / 2 - d.height() / 2));
}

void tst_LabelEditor::previewFollowsAndStaysCentred()
{
    Editor e(makeLabel(QStringLiteral("Atelier"), Colors::White));
    frmEditer &d = *e.editor;
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    auto centred = [&d] {
        const QRect inner = d.Picture2()->contentsRect();
        return d.LabelA()->pos() == inner.topLeft() + CentredBox::centredPosition(inner.size(), d.LabelA()->size());
    };
    QVERIFY(centred());
    QVERIFY(d.LabelA()->autoFillBackground());
    const int narrow = d.LabelA()->width();

    QTest::keyClicks(d.Text1(), QStringLiteral(" et garage"));
    QCOMPARE(d.LabelA()->text(), QStringLiteral("Atelier et garage"));
    QVERIFY(d.LabelA()->width() > narrow);
    QVERIFY(centred());

    d.Combo2()->lineEdit()->setText(QStringLiteral("13"));
    QCOMPARE(d.LabelA()->font().pointSizeF(), 13.0);
    QVERIFY(centred());
    d.Combo2()->setCurrentIndex(13);
    QCOMPARE(d.LabelA()->font().pointSizeF(), 30.0);
    QVERIFY(centred());
    d.Combo1()->setCurrentIndex(0);
    QCOMPARE(e.model().labelA().FontName(), QStringLiteral("DejaVu Sans"));
    const int normal = d.LabelA()->width();
    d.Check1()->click();
    QVERIFY(d.LabelA()->font().bold());
    QVERIFY(d.LabelA()->width() > normal);
    QVERIFY(centred());
}

void tst_LabelEditor::colourFieldWithTheMouse()
{
    Editor e(makeLabel(QStringLiteral("Atelier")));
    frmEditer &d = *e.editor;
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    ColorFieldView *field = d.Couleurs();
    // The field spans the dialog's fields, 97 pixels high: a third of the
    // way down is the green row.
    QVERIFY(field->width() >= 257);
    QCOMPARE(field->height(), 97);
    const QImage &shown = field->picture();
    const QPoint green(field->width() / 2, 32);
    const OleColor known = ColorField::colorAt(shown.size(), green.x(), green.y());
    QCOMPARE(TestSupport::pixel(shown, green.x(), green.y()), known);
    QVERIFY(Colors::green(known) == 255 && Colors::red(known) < 4 && Colors::blue(known) < 4);

    // The sample starts with the text's colour; moving shows the pixel's
    // colour in the sample only.
    QCOMPARE(d.Shape1()->palette().color(QPalette::Window), QColor(255, 0, 0));
    sendMouse(field, QEvent::MouseMove, green, Qt::NoButton, Qt::NoButton);
    QCOMPARE(d.Shape1()->palette().color(QPalette::Window), Colors::toQColor(known));
    QCOMPARE(e.model().labelA().ForeColor, Red);
    // The left edge is black; a click there colours the text.
    const QPoint left(0, field->height() / 2);
    sendMouse(field, QEvent::MouseMove, left, Qt::NoButton, Qt::NoButton);
    sendMouse(field, QEvent::MouseButtonPress, left, Qt::LeftButton, Qt::LeftButton);
    sendMouse(field, QEvent::MouseButtonRelease, left, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(d.LabelA()->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    // Dragging to the white right edge with the right button: white text,
    // opaque preview.
    const QPoint right(field->width() - 1, 5);
    sendMouse(field, QEvent::MouseButtonPress, left, Qt::RightButton, Qt::RightButton);
    sendMouse(field, QEvent::MouseMove, right, Qt::NoButton, Qt::RightButton);
    QCOMPARE(e.model().labelA().ForeColor, Colors::White);
    QVERIFY(d.LabelA()->autoFillBackground());
    sendMouse(field, QEvent::MouseButtonRelease, right, Qt::RightButton, Qt::NoButton);

    // A double click opens the colour dialog; the release that ends it is
    // no click.
    e.prompts.queueColor(Blue);
    sendMouse(field, QEvent::MouseMove, green, Qt::NoButton, Qt::NoButton);
    sendMouse(field, QEvent::MouseButtonDblClick, green, Qt::LeftButton, Qt::LeftButton);
    sendMouse(field, QEvent::MouseButtonRelease, green, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(e.prompts.dialogs.size(), 1u);
    QCOMPARE(e.prompts.dialogs[0].snapshot.Color, known);
    QCOMPARE(e.model().labelA().ForeColor, Blue);
    QVERIFY(d.LabelA()->autoFillBackground());
}

void tst_LabelEditor::keysAndButtons()
{
    Editor e(makeLabel(QStringLiteral("Atelier")));
    frmEditer &d = *e.editor;
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    e.editor->Command1(2)->click();
    QCOMPARE(e.shell.opened, QStringList({"/app/Aide.chm"}));
    // Enter is "Ok", from the text box as from the lists (which keep their
    // items); an empty text keeps the dialog open.
    d.Text1()->clear();
    QTest::keyClick(d.Text1(), Qt::Key_Return);
    QVERIFY(d.isVisible());
    QCOMPARE(e.prompts.messages.size(), 1u);
    QTest::keyClick(d.Text1(), Qt::Key_Escape);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Rejected));
    d.show();
    d.Text1()->setText(QStringLiteral("Garage"));
    QTest::keyClick(d.Combo2()->lineEdit(), Qt::Key_Return);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.Combo2()->count(), 14);
}

QTEST_MAIN(tst_LabelEditor)
#include "tst_labeleditor.moc"
