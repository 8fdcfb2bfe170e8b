// The contents of a code: a contact written as a vCard and read back
// (escapes, merge fields, other writers' layouts), and the mode a content
// shows in.
#include "document/CodeContent.h"
#include "document/MergeFields.h"

#include <QTest>

using CodeContent::Contact;
using CodeContent::Mode;

class tst_CodeContent : public QObject {
    Q_OBJECT

private slots:
    void writesAndReadsBack();
    void readsOtherLayouts();
    void modes();
};

void tst_CodeContent::writesAndReadsBack()
{
    Contact c;
    c[Contact::Nom] = QStringLiteral("Lefèvre-Dubois");
    c[Contact::Prenom] = QStringLiteral("Élodie");
    c[Contact::Societe] = QStringLiteral("Dupont, Fils; Cie");
    c[Contact::Fonction] = QStringLiteral("Gérante \\ fondatrice");
    c[Contact::Mobile] = QStringLiteral("+33 6 12 34 56 78");
    c[Contact::Email] = QStringLiteral("élodie@exemple.fr");
    c[Contact::Adresse] = QStringLiteral("12, rue de l'Église\n75001 Paris");
    const QString card = CodeContent::vCard(c);
    QCOMPARE(card.split(u'\n'),
             QStringList({"BEGIN:VCARD", "VERSION:3.0", "N:Lefèvre-Dubois;Élodie;;;", "FN:Élodie Lefèvre-Dubois",
                          "ORG:Dupont\\, Fils\\; Cie", "TITLE:Gérante \\\\ fondatrice", "TEL;TYPE=CELL:+33 6 12 34 56 78",
                          "EMAIL:élodie@exemple.fr", "ADR;TYPE=WORK:;;12\\, rue de l'Église\\n75001 Paris;;;;",
                          "END:VCARD"}));
    QCOMPARE(CodeContent::parseVCard(card), c);

    // Merge fields go in as typed, and the name lines come with a first
    // name alone.
    Contact merged;
    merged[Contact::Prenom] = QStringLiteral("{Prénom}");
    merged[Contact::Telephone] = QStringLiteral("{Tél}");
    merged[Contact::SiteWeb] = QStringLiteral("https://exemple.fr/{Page}");
    const QString mergedCard = CodeContent::vCard(merged);
    QVERIFY2(mergedCard.contains(QStringLiteral("\nN:;{Prénom};;;\nFN:{Prénom}\nTEL;TYPE=WORK,VOICE:{Tél}\n"
                                                "URL:https://exemple.fr/{Page}\nEND")),
             qPrintable(mergedCard));
    QCOMPARE(MergeFields::names(mergedCard), QStringList({"Prénom", "Tél", "Page"}));
    QCOMPARE(CodeContent::parseVCard(mergedCard), merged);
    QCOMPARE(CodeContent::vCard(Contact()), QStringLiteral("BEGIN:VCARD\nVERSION:3.0\nEND:VCARD"));
}

void tst_CodeContent::readsOtherLayouts()
{
    const QString other = QStringLiteral("\r\nbegin:vcard\r\nVERSION:3.0\r\nitem1.N:Martin;Anne-\r\n Sophie;;;\r\n"
                                         "FN:Anne-Sophie Martin\r\ntel;type=voice;TYPE=Cell:06 11\r\n"
                                         "TEL;type=WORK:01 22\r\nTEL;TYPE=cell:07 99\r\nEMAIL;TYPE=INTERNET:a@b.fr\r\n"
                                         "ADR:;;1 place\\, Nord;Lyon;;69001;France\r\nNOTE:client\r\nEND:VCARD\r\n");
    const std::optional<Contact> c = CodeContent::parseVCard(other);
    QVERIFY(c);
    QCOMPARE(QStringList(c->fields.begin(), c->fields.end()),
             QStringList({"Martin", "Anne-Sophie", "", "", "01 22", "06 11", "a@b.fr", "", "1 place, Nord, Lyon, 69001, France"}));
    for (const char *notCard : {"", "Bonjour", "BEGIN:VCARD\nN:A;B;;;", "Voici :\nBEGIN:VCARD\nN:A;B;;;\nEND:VCARD",
                                "BEGIN:VCARD\nsans deux-points\nEND:VCARD"})
        QVERIFY2(!CodeContent::parseVCard(QString::fromUtf8(notCard)), notCard);
}

void tst_CodeContent::modes()
{
    Contact c;
    c[Contact::Nom] = QStringLiteral("Roux");
    QCOMPARE(CodeContent::modeOf(CodeContent::vCard(c)), Mode::Contact);
    QCOMPARE(CodeContent::modeOf(CodeContent::vCard(c).replace(u'\n', QStringLiteral("\r\n"))), Mode::Contact);
    // A vCard with what the fields cannot hold stays a text, so that
    // editing it loses nothing.
    const QString lossy[] = {"BEGIN:VCARD\nN:Roux;Léa;;;\nNOTE:fidèle\nEND:VCARD",
                             "BEGIN:VCARD\nN:Roux;;;;\nEMAIL:a@b.fr\nEMAIL:c@d.fr\nEND:VCARD",
                             "BEGIN:VCARD\nN:Roux;Léa;;;\nFN:Dr Léa Roux\nEND:VCARD"};
    for (const QString &text : lossy)
        QVERIFY2(CodeContent::parseVCard(text) && CodeContent::modeOf(text) == Mode::Text, qPrintable(text));
    for (const char *web : {"https://exemple.fr/contact?a=1", "http://x.fr", "www.exemple.fr", "HTTPS://EXEMPLE.FR"})
        QVERIFY2(CodeContent::modeOf(QString::fromUtf8(web)) == Mode::WebAddress, web);
    for (const char *text : {"https://exemple.fr/a b", "www.exemple.fr\nsuite", "https://", "Voir www.exemple.fr", ""})
        QVERIFY2(CodeContent::modeOf(QString::fromUtf8(text)) == Mode::Text, text);
}

QTEST_APPLESS_MAIN(tst_CodeContent)
#include "tst_codecontent.moc"
