// The code editor: a code's content read back into its mode, the sizes of
// new and existing codes, colours, the refusals of "Ok" with their
// messages, then the dialog driven through a dialog runner.
#include "editor/CodeEditor.h"
#include "editor/frmCode.h"
#include "platform/DialogRunner.h"
#include "platform/ScriptedPrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>

using CodeContent::Contact;
using CodeContent::Mode;

namespace {

CardCode placed(CardCode::Kind kind, const QString &content)
{
    return CardCode{.index = 4, .kind = kind, .content = content, .Left = 300, .Top = 450, .Visible = false};
}

// Drives the dialog instead of showing it; its answer is the dialog's result.
struct DrivingRunner : DialogRunner {
    std::function<void(frmCode &)> drive;
    int run(QDialog &dialog) override
    {
        drive(static_cast<frmCode &>(dialog));
        return dialog.result();
    }
};

} // namespace

class tst_CodeEditor : public QObject {
    Q_OBJECT

private slots:
    void readsBackAndKeeps();
    void sizes();
    void refusals();
    void dialog();
};

void tst_CodeEditor::readsBackAndKeeps()
{
    Contact c;
    c[Contact::Nom] = QStringLiteral("Roux");
    c[Contact::Email] = QStringLiteral("{E-mail}");
    const CardCode code{.index = 2, .kind = CardCode::DataMatrix, .content = CodeContent::vCard(c),
                        .correction = CardCode::H, .Width = 1000, .Height = 1000, // 17,6 mm once shown
                        .ForeColor = 0x336699, .BackColor = 0x00FFFF};
    CodeEditor editor;
    editor.setCode(code);
    QVERIFY(editor.mode() == Mode::Contact && editor.contact() == c && editor.text().isEmpty());
    QVERIFY(editor.sizeText() == QStringLiteral("17,6") && !editor.transparent() && !editor.correctionEnabled());
    QCOMPARE(editor.code(), code);
    editor.setTransparent(true);
    QCOMPARE(editor.code().BackColor, CardCode::Transparent);
    editor.setTransparent(false);
    QCOMPARE(editor.code().BackColor, 0x00FFFF);
    editor.setCode(placed(CardCode::QR, QStringLiteral("x")));
    editor.setTransparent(false);
    QCOMPARE(editor.code().BackColor, Colors::White);
}

void tst_CodeEditor::sizes()
{
    CodeEditor editor;
    editor.setCode(placed(CardCode::QR, QStringLiteral("x")), true);
    const auto size = [&editor] { return QSizeF(editor.code().Width, editor.code().Height); };
    QCOMPARE(size(), QSizeF(1134, 1134));
    editor.setKind(CardCode::Code128);
    QCOMPARE(size(), QSizeF(float(40 * 56.7), float(12 * 56.7)));

    // An existing code keeps its size whatever the kind.
    editor.setCode(CardCode{.kind = CardCode::Code128, .content = QStringLiteral("x"), .Width = 3000, .Height = 500});
    editor.setKind(CardCode::EAN13);
    QCOMPARE(size(), QSizeF(3000, 500));
    editor.setKind(CardCode::QR);
    QVERIFY(!editor.heightEnabled() && editor.correctionEnabled());
    QCOMPARE(size(), QSizeF(3000, 3000));
}

void tst_CodeEditor::refusals()
{
    ScriptedPrompts prompts;
    CodeEditor editor;
    editor.setCode(placed(CardCode::EAN13, QString()), true);
    // The message of a refusal, "accepté" when "Ok" is accepted.
    const auto refusal = [&]() -> QString {
        const size_t before = prompts.messages.size();
        const bool accepted = editor.validate(prompts);
        return prompts.messages.size() != before + !accepted ? QStringLiteral("messages ?")
               : accepted                                    ? QStringLiteral("accepté")
                                                             : prompts.messages.back().text;
    };
    QCOMPARE(refusal(), QStringLiteral("Le code n'a pas de contenu."));
    editor.setMode(Mode::Contact);
    editor.setContactField(Contact::Nom, QStringLiteral("  "));
    QCOMPARE(refusal(), QStringLiteral("Le code n'a pas de contenu."));
    editor.setMode(Mode::Text);
    editor.setText(QStringLiteral("12345"));
    QCOMPARE(refusal(), QStringLiteral("Un code EAN-13 prend 12 ou 13 chiffres."));
    editor.setText(QStringLiteral("4006381333932"));
    QCOMPARE(refusal(), QStringLiteral("Le chiffre de contrôle de ce code EAN-13 est faux."));
    editor.setText(QStringLiteral("{Code EAN}"));
    QCOMPARE(refusal(), QStringLiteral("accepté"));
    editor.setText(QStringLiteral("4006381333931"));
    QCOMPARE(refusal(), QStringLiteral("accepté"));
    for (const char *wrong : {"4,9", "200,1", "abc", ""}) {
        editor.setSizeText(QString::fromLatin1(wrong));
        QCOMPARE(refusal(), QStringLiteral("La taille doit être comprise entre 5 et 200 mm."));
    }
    editor.setSizeText(QStringLiteral("200"));
    editor.setHeightText(QStringLiteral("3"));
    QCOMPARE(refusal(), QStringLiteral("La taille doit être comprise entre 5 et 200 mm."));
    editor.setKind(CardCode::QR); // the bar height is not a QR code's
    QCOMPARE(editor.sizeText(), QStringLiteral("20"));
    editor.setHeightText(QStringLiteral("3"));
    QCOMPARE(refusal(), QStringLiteral("accepté"));
    editor.setCorrection(CardCode::L);
    editor.setText(QString(3000, u'a'));
    QCOMPARE(refusal(), QStringLiteral("Ce contenu est trop long pour un code de ce type."));
    for (const ScriptedPrompts::MessageCall &m : prompts.messages)
        QVERIFY(m.title == QStringLiteral("Code") && m.style == (Msg::OkOnly | Msg::Exclamation));
}

void tst_CodeEditor::dialog()
{
    QWidget frame;
    frame.resize(800, 600);
    ScriptedPrompts prompts;
    CommonDialog common(&prompts);
    common.Color = 0x777777; // left by another use of the shared dialog
    DrivingRunner runner;
    runner.drive = [&prompts](frmCode &d) {
        QVERIFY(d.windowTitle() == QStringLiteral("Code") && d.transparentBox()->isChecked()
                && d.correctionList()->currentText() == QStringLiteral("M"));
        d.kindList()->setCurrentIndex(CardCode::EAN13);
        QVERIFY(d.sizeBox()->text() == QStringLiteral("37") && d.heightBox()->isEnabled()
                && !d.correctionList()->isEnabled());
        d.textBox()->setPlainText(QStringLiteral("12345"));
        d.button(0)->click();
        QVERIFY(d.result() != QDialog::Accepted && prompts.messages.size() == 1);
        d.textBox()->setPlainText(QStringLiteral("4006381333931"));
        d.heightBox()->setText(QStringLiteral("20"));
        d.transparentBox()->click();
        prompts.queueColor(0x102030);
        d.colorButton()->click();
        prompts.queueCancel();
        d.colorButton()->click();
        // Each time preset to the code's colour (black for a new code).
        QCOMPARE(prompts.dialogs.at(0).snapshot.Color, Colors::Black);
        QCOMPARE(prompts.dialogs.at(1).snapshot.Color, 0x102030);
        QCOMPARE(d.colorSample()->palette().color(QPalette::Window), QColor(0x30, 0x20, 0x10));
        d.button(0)->click();
    };
    const std::optional<CardCode> made = frmCode::edit(runner, frame, common, prompts,
                                                       placed(CardCode::QR, QString()), true);
    QVERIFY(made);
    QCOMPARE(*made, (CardCode{.index = 4, .kind = CardCode::EAN13, .content = QStringLiteral("4006381333931"),
                              .Left = 300, .Top = 450, .Width = float(37 * 56.7), .Height = float(20 * 56.7),
                              .ForeColor = 0x102030, .BackColor = Colors::White, .Visible = false}));

    // A contact comes back into its fields; cancelling gives nothing.
    Contact c;
    c[Contact::Prenom] = QStringLiteral("Léa");
    runner.drive = [&c](frmCode &d) {
        d.show();
        QVERIFY(d.modeButton(Mode::Contact)->isChecked() && d.contactField(Contact::Prenom)->isVisible());
        d.contactField(Contact::Nom)->setText(QStringLiteral("Roux"));
        c[Contact::Nom] = QStringLiteral("Roux");
        QCOMPARE(d.editor().content(), CodeContent::vCard(c));
        d.button(1)->click();
    };
    QVERIFY(!frmCode::edit(runner, frame, common, prompts, placed(CardCode::QR, CodeContent::vCard(c))));
}

QTEST_MAIN(tst_CodeEditor)
#include "tst_codeeditor.moc"
