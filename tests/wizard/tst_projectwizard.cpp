// The new-project wizard's rules without its window: formats and custom
// sizes, the default texts and their preview, the picture library and what
// choosing in it does, and the card "Créer" builds.
#include "TestLibrary.h"

#include "platform/Prompts.h"
#include "platform/ScriptedPrompts.h"
#include "wizard/ProjectWizard.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const int Warning = Msg::OkOnly | Msg::Exclamation;

QStringList texts(const QList<ResourceLibrary::Entry> &entries)
{
    QStringList list;
    for (const ResourceLibrary::Entry &entry : entries)
        list << entry.text;
    return list;
}

} // namespace

class TestProjectWizard : public QObject {
    Q_OBJECT
private slots:
    void formatsAndCustomSizes();
    void defaultTextsAndTheirPreview();
    void libraryListsReadablePicturesOnly();
    void shippedLibraryIsListedWhole();
    void choosingOrnamentsAndBackgrounds();
    void createdCardItemByItem();
    void withoutDefaultLabels();
    void anEmptyNameCreatesNothing();
};

void TestProjectWizard::formatsAndCustomSizes()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    ProjectWizard w(library.path(), prompts);
    QCOMPARE(w.formatIndex(), 0);
    QCOMPARE(w.cardWidth(), 4762.8);
    QCOMPARE(w.cardHeight(), 3061.8);
    QVERIFY(!w.customEnabled());
    QCOMPARE(w.customText(0), u"8,4"_s);
    QCOMPARE(w.customText(1), u"5,4"_s);

    const std::tuple<int, const char *, double, double> formats[] = {
        {1, "Moyen format - ( 7,4 x 4,4 cm )", 4195.8, 2494.8},
        {2, "Petit format - ( 6,4 x 3,4 cm )", 3628.8, 1927.8},
        {3, "Etiquette personnalisée...", 4762.8, 3061.8},
        {0, "Grand format - ( 8,4 x 5,4 cm )", 4762.8, 3061.8},
    };
    for (const auto &[position, text, width, height] : formats) {
        w.selectFormat(position);
        QCOMPARE(CardFormats::text(position), QString::fromUtf8(text));
        QCOMPARE(w.cardWidth(), width);
        QCOMPARE(w.cardHeight(), height);
        QCOMPARE(w.customEnabled(), position == 3);
    }

    w.selectFormat(3);
    w.setCustomText(0, u"23"_s);
    QCOMPARE(w.cardWidth(), 13041.0);
    w.setCustomText(0, u"24"_s);
    w.setCustomText(1, u"0,5"_s);
    QCOMPARE(w.customText(0), u"8,4"_s);
    QCOMPARE(w.customText(1), u"5,4"_s);
    QCOMPARE(w.cardWidth(), 4762.8); // set again from the text put back
    QCOMPARE(w.cardHeight(), 3061.8);
    w.setCustomText(1, u"1"_s);
    QCOMPARE(w.cardHeight(), 567.0);
    // A point is not a decimal separator here.
    w.setCustomText(0, u"8.4"_s);
    QCOMPARE(w.customText(0), u"8,4"_s);
    QVERIFY(w.customKeyPress(0, u','));
    QVERIFY(!w.customKeyPress(1, u'.'));

    QStringList shown;
    for (const auto &message : prompts.messages) {
        QCOMPARE(message.style, Warning);
        QCOMPARE(message.title, u"Brivadune"_s);
        shown << message.text;
    }
    const QString length = u"Ce type de longueur n'est pas autorisée."_s;
    QCOMPARE(shown, QStringList({length, u"Ce type de hauteur n'est pas autorisée."_s, length,
                                 u"Veuillez utiliser de préférence la virgule pour chaque mesure."_s}));

    // A format chosen after a custom length sets both dimensions; the
    // custom position starts again from 8,4 x 5,4 cm and the fields keep
    // their text until they change.
    w.setCustomText(0, u"12,5"_s);
    w.selectFormat(2);
    QCOMPARE(w.cardWidth(), 3628.8);
    QCOMPARE(w.cardHeight(), 1927.8);
    w.selectFormat(3);
    QCOMPARE(w.cardWidth(), 4762.8);
    QCOMPARE(w.cardHeight(), 3061.8);
    QCOMPARE(w.customText(0), u"12,5"_s);
    QCOMPARE(w.customText(1), u"1"_s);
}

void TestProjectWizard::defaultTextsAndTheirPreview()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    ProjectWizard w(library.path(), prompts);
    const WizardPreview &preview = w.preview();
    const std::tuple<int, const char *, float, bool> defaults[] = {
        {1, "Nom prénom", 9.75f, false},
        {2, "Adresse", 9.75f, false},
        {3, "TITRE DE VOTRE FONCTION", 12.0f, true},
        {4, "Numéro de tel...", 9.75f, false},
    };
    for (const auto &[i, text, size, bold] : defaults) {
        const CardLabel &label = preview.label(i);
        QCOMPARE(label.Caption(), QString::fromUtf8(text));
        QCOMPARE(label.FontName(), u"Arial"_s);
        QCOMPARE(label.FontSize(), size);
        QCOMPARE(label.FontBold(), bold);
        QVERIFY(label.Visible);
    }
    auto checkPlaces = [&preview] {
        const CardLabel &l1 = preview.label(1), &l2 = preview.label(2), &l3 = preview.label(3), &l4 = preview.label(4);
        QCOMPARE(l1.Top, 120.0f);
        QCOMPARE(l1.Left, float(4095 - l1.Width() - 150));
        QCOMPARE(l2.Top, 480.0f);
        QCOMPARE(l2.Left, float(4095 - l2.Width() - 150));
        QCOMPARE(l3.Left, float(std::trunc((4095 - l3.Width()) / 2)));
        QCOMPARE(l3.Top, 1237.0f);
        QCOMPARE(l4.Left, 120.0f);
        QCOMPARE(l4.Top, 2125.0f);
    };
    checkPlaces();
    QVERIFY(!w.fieldsEnabled());

    // Typing replaces the preview text at once; the texts against the
    // right edge stay there.
    w.setFieldsEnabled(true);
    w.setFieldText(1, u"Marie-Hélène Durand-Lefebvre"_s);
    w.setFieldText(2, QString());
    QCOMPARE(preview.label(1).Caption(), u"Marie-Hélène Durand-Lefebvre"_s);
    QCOMPARE(preview.label(2).Caption(), QString());
    checkPlaces();

    w.setNoDefaultLabels(true);
    for (int i = 1; i <= 4; ++i)
        QVERIFY(!preview.label(i).Visible);
    w.setNoDefaultLabels(false);
    QVERIFY(preview.label(3).Visible);
}

void TestProjectWizard::libraryListsReadablePicturesOnly()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    // The named pipe among the letters must not block the listing.
    ProjectWizard w(library.path(), prompts);
    const QList<ResourceLibrary::Branch> &branches = w.resources();
    QCOMPARE(branches.size(), 3);
    QCOMPARE(branches[0].key, u"D1"_s);
    QCOMPARE(branches[0].text, u"Alphabets"_s);
    QCOMPARE(branches[1].key, u"D2"_s);
    QCOMPARE(branches[1].text, u"Angles"_s);
    QCOMPARE(branches[2].key, u"D3"_s);
    QCOMPARE(branches[2].text, u"Images de fond"_s);

    QCOMPARE(texts(branches[0].entries), QStringList({u"a"_s, u"B"_s}));
    QCOMPARE(branches[0].entries[1].key, library.letter(u"B.png"_s));
    QVERIFY(branches[1].entries.isEmpty()); // no such folder
    // A damaged file that starts like a picture is listed; choosing it
    // fails later. A four-letter extension goes whole.
    QCOMPARE(texts(branches[2].entries), QStringList({u"Abîmé"_s, u"Bleu"_s, u"Vert"_s}));
    QCOMPARE(prompts.messages.size(), std::size_t(0));
}

void TestProjectWizard::shippedLibraryIsListedWhole()
{
    const QString appDir = qEnvironmentVariable("BRIVADUNE_TEST_DATA") + u"/../../data"_s;
    ScriptedPrompts prompts;
    ProjectWizard w(appDir, prompts);
    const QList<ResourceLibrary::Branch> &branches = w.resources();
    QCOMPARE(branches[0].entries.size(), 26);
    QCOMPARE(branches[0].entries.front().text, u"A"_s);
    QCOMPARE(branches[0].entries.back().text, u"Z"_s);
    QCOMPARE(branches[1].entries.size(), 36);
    QCOMPARE(branches[2].entries.size(), 17);
    for (const ResourceLibrary::Entry &entry : branches[2].entries)
        QVERIFY2(w.chooseResource(entry.key), qPrintable(entry.text));
}

void TestProjectWizard::choosingOrnamentsAndBackgrounds()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    ProjectWizard w(library.path(), prompts);
    const WizardPreview &preview = w.preview();
    const QImage empty = preview.screenBackground();
    QCOMPARE(empty.size(), QSize(273, 165));
    QCOMPARE(TestSupport::pixel(empty, 0, 0), OleColor(0xE0E0E0));
    QCOMPARE(TestSupport::pixel(empty, 272, 164), OleColor(0xE0E0E0));
    QCOMPARE(TestSupport::pixel(empty, 100, 100), OleColor(0xFFFFFF));

    // A small letter keeps its natural size at the preview's corner.
    QVERIFY(w.chooseResource(library.letter(u"a.png"_s)));
    QCOMPARE(w.ornamentPath(), library.letter(u"a.png"_s));
    const CardLogo &logo = *preview.card().Logo(1);
    QVERIFY(logo.Visible);
    QCOMPARE(QPointF(logo.Left, logo.Top), QPointF(0, 0));
    QCOMPARE(QSizeF(logo.Width(), logo.Height()), QSizeF(300, 150));
    QVERIFY(!logo.Stretch());
    // A 300-pixel letter would be taller than the card: 40 % of the card's
    // height, and it follows a change of format.
    QVERIFY(w.chooseResource(library.letter(u"B.png"_s)));
    QVERIFY(logo.Stretch());
    QCOMPARE(logo.Height(), float(3061.8 * 0.4));
    QCOMPARE(logo.Width(), logo.Height());
    w.selectFormat(2);
    QCOMPARE(logo.Height(), float(1927.8 * 0.4));

    QVERIFY(w.chooseResource(library.background(u"Bleu.png"_s)));
    QCOMPARE(w.backgroundPath(), library.background(u"Bleu.png"_s));
    QCOMPARE(w.ornamentPath(), library.letter(u"B.png"_s)); // both stay
    const QImage blue = preview.screenBackground();
    QCOMPARE(TestSupport::pixel(blue, 0, 0), OleColor(0xFF0000));
    QCOMPARE(TestSupport::pixel(blue, 272, 164), OleColor(0xFF0000));

    // A top-level entry, a picture that cannot be decoded, an unknown key
    // or a file gone since the listing reset the preview.
    const QString failures[] = {u"D3"_s, library.background(u"Abîmé.png"_s), u"D9"_s, library.background(u"Vert.jpeg"_s)};
    QVERIFY(QFile::remove(library.background(u"Vert.jpeg"_s)));
    for (const QString &key : failures) {
        QVERIFY(w.chooseResource(library.background(u"Bleu.png"_s)));
        QVERIFY(w.chooseResource(library.letter(u"a.png"_s)));
        QVERIFY2(!w.chooseResource(key), qPrintable(key));
        QCOMPARE(w.backgroundPath(), QString());
        QCOMPARE(w.ornamentPath(), QString());
        QVERIFY(!logo.Visible);
        QCOMPARE(preview.screenBackground(), empty);
    }
}

void TestProjectWizard::createdCardItemByItem()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    ProjectWizard w(library.path(), prompts);
    w.selectFormat(3);
    w.setCustomText(0, u"10"_s);
    w.setCustomText(1, u"6,5"_s);
    w.setFieldsEnabled(true);
    w.setFieldText(1, u"Jeanne Martin"_s);
    w.setFieldText(4, u"01 23 45 67 89"_s);
    QVERIFY(w.chooseResource(library.letter(u"B.png"_s)));
    QVERIFY(w.chooseResource(library.background(u"Bleu.png"_s)));
    w.setProjectName(u"Boulangerie"_s);

    const std::optional<NewProject> project = w.create();
    QVERIFY(project);
    QCOMPARE(project->name, u"Boulangerie"_s);
    const CardDocument &card = project->card;
    QCOMPARE(card.width(), 5670.0);
    QCOMPARE(card.height(), double(float(6.5 * 567)));

    const std::tuple<int, const char *, float, bool> labels[] = {
        {1, "Jeanne Martin", 9.75f, false},
        {2, "Adresse", 9.75f, false},
        {3, "TITRE DE VOTRE FONCTION", 12.0f, true},
        {4, "01 23 45 67 89", 9.75f, false},
    };
    QCOMPARE(card.labelCount(), 4);
    for (const auto &[i, text, size, bold] : labels) {
        const CardLabel &label = *card.Label(i);
        QCOMPARE(label.Caption(), QString::fromUtf8(text));
        QCOMPARE(label.FontName(), u"Arial"_s);
        QCOMPARE(label.FontSize(), size);
        QCOMPARE(label.FontBold(), bold);
        QVERIFY(label.AutoSize() && label.Visible);
        QCOMPARE(label.Width(), w.preview().label(i).Width());
    }
    // Placed for the card, not the preview.
    const double pw = card.width(), ph = card.height();
    const CardLabel &l1 = *card.Label(1), &l2 = *card.Label(2), &l3 = *card.Label(3), &l4 = *card.Label(4);
    QCOMPARE(QPointF(l1.Left, l1.Top), QPointF(float(pw - l1.Width() - 150), 120));
    QCOMPARE(QPointF(l2.Left, l2.Top), QPointF(float(pw - l2.Width() - 150), 500));
    QCOMPARE(QPointF(l3.Left, l3.Top), QPointF(float(pw / 2 - l3.Width() / 2), float(ph / 2 - l3.Height() / 2)));
    QCOMPARE(QPointF(l4.Left, l4.Top), QPointF(150, float(ph - l4.Height() - 100)));

    const CardLogo &logo = *card.Logo(1);
    QCOMPARE(QPointF(logo.Left, logo.Top), QPointF(120, 120));
    QCOMPARE(logo.Tag, library.letter(u"B.png"_s));
    QVERIFY(logo.Visible && logo.Stretch());
    QCOMPARE(logo.Picture().size(), QSize(300, 300));
    QCOMPARE(logo.Height(), float(card.height() * 0.4));

    QCOMPARE(card.NumFond, 2);
    QCOMPARE(card.BackgroundPicture, library.background(u"Bleu.png"_s));
    QCOMPARE(project->backgroundPicture.size(), QSize(100, 64));
}

void TestProjectWizard::withoutDefaultLabels()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    ProjectWizard w(library.path(), prompts);
    w.selectFormat(1);
    w.setNoDefaultLabels(true);
    // A background chosen, then a top-level entry: no background is used.
    QVERIFY(w.chooseResource(library.background(u"Bleu.png"_s)));
    QVERIFY(!w.chooseResource(u"D1"_s));
    const NewProject project = w.Creer_Projet(u"Sans textes"_s);
    const CardDocument &card = project.card;
    QCOMPARE(card.width(), double(float(4195.8)));
    // Only the label every new card has, left where it is: no placement.
    QCOMPARE(card.labelCount(), 1);
    QCOMPARE(card.Label(1)->Caption(), u"ZONE DE TEXTE"_s);
    QCOMPARE(QPointF(card.Label(1)->Left, card.Label(1)->Top), QPointF(120, 120));
    // Logo 1 keeps the new card's placeholder, at 120, 120.
    QCOMPARE(QPointF(card.Logo(1)->Left, card.Logo(1)->Top), QPointF(120, 120));
    QCOMPARE(card.Logo(1)->Tag, QString());
    QVERIFY(!card.Logo(1)->Picture().isNull());
    QCOMPARE(card.NumFond, 0);
    QVERIFY(project.backgroundPicture.isNull());
}

void TestProjectWizard::anEmptyNameCreatesNothing()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    ProjectWizard w(library.path(), prompts);
    QVERIFY(!w.create());
    QCOMPARE(prompts.messages.size(), std::size_t(1));
    QCOMPARE(prompts.messages[0].text, u"Veuillez donner un nom à votre projet."_s);
    QCOMPARE(prompts.messages[0].style, Warning);
    w.setProjectName(u" "_s);
    QVERIFY(w.create());
}

QTEST_MAIN(TestProjectWizard)
#include "tst_projectwizard.moc"
