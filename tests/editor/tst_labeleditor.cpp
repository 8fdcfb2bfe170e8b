// The label text editor: its working copy and rules (sizes and font names,
// colours picked and the opaque preview of white text, "Ok" refusing an
// empty text and writing back only what it edits), then the dialog: its
// centred preview, the colour field under the mouse, keys and buttons.
#include "TestSupport.h"
#include "editor/ColorFieldView.h"
#include "editor/LabelEditor.h"
#include "editor/frmEditer.h"
#include "platform/ScriptedPrompts.h"
#include "platform/Shell.h"
#include "widgets/CentredBox.h"

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
    bool open(const QString &target) override { return opened.append(target), true; }
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
    void fontsAndSizes();
    void coloursAndWriteBack();
    void dialog();
};

void tst_LabelEditor::fontsAndSizes()
{
    const QStringList names = FontList::system().names();
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString drawn = QFontInfo(QFont(names.at(i))).family();
        QVERIFY2(QFontDatabase::isScalable(drawn) && !names.at(i).contains(u'['), qPrintable(names.at(i)));
        QVERIFY(i == 0 || names.at(i - 1).compare(names.at(i), Qt::CaseInsensitive) < 0);
    }
    LabelEditor editor(someFonts());
    QCOMPARE(editor.fonts().names(), QStringList({"DejaVu Sans", "Liberation Serif", "Zeta"}));
    CardLabel label = makeLabel(QStringLiteral("Atelier"), Colors::White);
    label.setFontBold(true);
    label.setFontItalic(true);
    editor.Control_Texte(label.index, label);
    QCOMPARE(editor.fontText() + u'|' + editor.sizeText(), QStringLiteral("Liberation Serif|8,25"));
    QVERIFY(editor.labelA().FontBold() && !editor.labelA().FontItalic() && editor.opaque());
    QVERIFY(editor.setSizeText(QStringLiteral(" 12,5 ")));
    for (const char *refused : {"abc", "12abc", "", "0", "-4", "2000"})
        QVERIFY2(!editor.setSizeText(QString::fromLatin1(refused)) && editor.labelA().FontSize() == 12.5f, refused);
    QVERIFY(editor.setFontText(QStringLiteral("dejavu sans")));
    QVERIFY(!editor.setFontText(QStringLiteral("Zet")));
    QCOMPARE(editor.labelA().FontName(), QStringLiteral("DejaVu Sans"));
    label.setFontName(QStringLiteral("Arial"));
    editor.Control_Texte(label.index, label);
    QCOMPARE(editor.labelA().FontName(), QStringLiteral("Arial"));
}

void tst_LabelEditor::coloursAndWriteBack()
{
    CardLabel label = makeLabel(QStringLiteral("Atelier"), Colors::White);
    label.setFontUnderline(true);
    LabelEditor editor(someFonts());
    editor.Control_Texte(label.index, label);
    editor.pointed(Blue, false);
    QVERIFY(editor.shapeColor() == Blue && editor.labelA().ForeColor == Colors::White);
    editor.click();
    QVERIFY(editor.labelA().ForeColor == Blue && !editor.opaque());
    editor.pointed(Colors::White, true);
    QVERIFY(editor.labelA().ForeColor == Colors::White && editor.opaque());
    ScriptedPrompts prompts;
    CommonDialog dialog(&prompts);
    editor.pointed(Red, false);
    prompts.queueColor(Blue);
    QVERIFY(editor.doubleClick(dialog));
    QCOMPARE(prompts.dialogs.back().snapshot.Color, Red);
    QCOMPARE(prompts.dialogs.back().snapshot.Flags, CommonDialog::RgbInit | CommonDialog::FullOpen);
    QVERIFY(editor.labelA().ForeColor == Blue && editor.opaque());
    prompts.queueCancel();
    QVERIFY(!editor.doubleClick(dialog) && editor.labelA().ForeColor == Blue);

    editor.setFontText(QStringLiteral("Zeta"));
    editor.setSizeText(QStringLiteral("13"));
    editor.setBold(true);
    editor.setText(QString());
    QVERIFY(!editor.validate(prompts));
    QCOMPARE(prompts.messages.back().text, QStringLiteral("Avant de valider veuillez compléter le texte."));
    editor.setText(QStringLiteral("  "));
    QVERIFY(editor.validate(prompts));
    editor.setText(QStringLiteral("Garage"));
    editor.writeBack(label);
    QVERIFY(label.Caption() == QStringLiteral("Garage") && label.FontName() == QStringLiteral("Zeta"));
    QVERIFY(label.FontSize() == 13.0f && label.ForeColor == Blue && label.FontBold() && label.FontUnderline());
    CardLabel fitted = label;
    fitted.setAutoSize(false);
    fitted.setAutoSize(true); // sized to its text again
    QVERIFY(label.AutoSize());
    QCOMPARE(QSizeF(label.Width(), label.Height()), QSizeF(fitted.Width(), fitted.Height()));
    label.ForeColor = Colors::system(Colors::WindowText);
    editor.Control_Texte(label.index, label);
    editor.writeBack(label);
    QCOMPARE(label.ForeColor, Colors::system(Colors::WindowText));
}

void tst_LabelEditor::dialog()
{
    QWidget frame;
    frame.resize(800, 600);
    ScriptedPrompts prompts;
    CommonDialog common(&prompts);
    RecordingShell shell;
    frmEditer d(frame, common, prompts, &shell, QStringLiteral("/app"), someFonts());
    d.Control_Texte(3, makeLabel(QStringLiteral("Atelier")));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    const auto centred = [&d] { // left = inner left + inner width / 2 - width / 2, top likewise
        const QRect in = d.Picture2()->contentsRect();
        const QSize s = d.LabelA()->size();
        return d.LabelA()->pos() == in.topLeft() + QPoint(in.width() / 2 - s.width() / 2, in.height() / 2 - s.height() / 2);
    };
    const int narrow = d.LabelA()->width();
    QTest::keyClicks(d.Text1(), QStringLiteral(" et garage"));
    QVERIFY(d.LabelA()->text() == QStringLiteral("Atelier et garage") && d.LabelA()->width() > narrow && centred());
    d.Combo2()->setCurrentIndex(13);
    QVERIFY(d.LabelA()->font().pointSizeF() == 30.0 && centred());
    d.Check1()->click();
    QVERIFY(d.LabelA()->font().bold() && centred());

    ColorFieldView *field = d.Couleurs();
    const QPoint left(0, field->height() / 2), right(field->width() - 1, 5);
    sendMouse(field, QEvent::MouseMove, left, Qt::NoButton, Qt::NoButton);
    sendMouse(field, QEvent::MouseButtonPress, left, Qt::LeftButton, Qt::LeftButton);
    sendMouse(field, QEvent::MouseButtonRelease, left, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(d.LabelA()->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    sendMouse(field, QEvent::MouseButtonPress, left, Qt::RightButton, Qt::RightButton);
    sendMouse(field, QEvent::MouseMove, right, Qt::NoButton, Qt::RightButton);
    sendMouse(field, QEvent::MouseButtonRelease, right, Qt::RightButton, Qt::NoButton);
    QVERIFY(d.editor().labelA().ForeColor == Colors::White && d.LabelA()->autoFillBackground());

    d.Text1()->clear();
    QTest::keyClick(d.Text1(), Qt::Key_Return);
    QVERIFY(d.isVisible() && prompts.messages.size() == 1);
    QTest::keyClick(d.Text1(), Qt::Key_Escape);
    QVERIFY(!d.isVisible() && d.result() == QDialog::Rejected);
    d.show();
    d.Text1()->setText(QStringLiteral("Garage"));
    QTest::keyClick(d.Combo2()->lineEdit(), Qt::Key_Return);
    QVERIFY(d.result() == QDialog::Accepted && d.Combo2()->count() == 14);
}

QTEST_MAIN(tst_LabelEditor)
#include "tst_labeleditor.moc"
