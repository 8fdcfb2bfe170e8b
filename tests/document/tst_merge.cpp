// Lists a card is merged with: CSV dialects, vCard versions, fields matched
// to columns, a card filled from a record, lists refused.
#include "TestSupport.h"
#include "document/MergeCard.h"
#include "document/MergeFields.h"
#include "document/MergeReader.h"

#include <QtTest>

#include <sys/stat.h>

namespace {

struct Read {
    QStringList columns;
    QList<QStringList> records;
    QList<int> lines;
    QList<int> irregular;
    QString error;
};

Read readList(const QString &path)
{
    Read read;
    const std::unique_ptr<MergeReader> reader = MergeReader::open(path, &read.error);
    if (!reader)
        return read;
    read.columns = reader->columns();
    while (const std::optional<MergeRecord> record = reader->next()) {
        read.records.append(record->values);
        read.lines.append(record->line);
    }
    read.irregular = reader->irregularLines();
    return read;
}

} // namespace

class tst_Merge : public QObject {
    Q_OBJECT
private slots:
    void csvDialects_data();
    void csvDialects();
    void vCardVersions();
    void fieldsAndFilling();
    void listsRefused();

private:
    TestSupport::TempAppDir m_dir;
};

void tst_Merge::csvDialects_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QStringList>("second");
    QTest::newRow("semicolons, CR LF, empty lines") << QByteArray("Nom;Ville\r\n\r\nA;B\r\n\r\nDupont;Brest\r\n")
                                                    << QStringList{"Nom", "Ville"} << QStringList{"Dupont", "Brest"};
    QTest::newRow("commas, LF, quotes") << QByteArray("Nom,\"Ville, pays\"\nA,B\n\"Du \"\"Port\"\", SA\",\"x\ny\"\n")
                                        << QStringList{"Nom", "Ville, pays"} << QStringList{"Du \"Port\", SA", "x\ny"};
    QTest::newRow("tabs, lone CR") << QByteArray("Nom\tVille\rA\tB\rDupont\tBrest") << QStringList{"Nom", "Ville"}
                                   << QStringList{"Dupont", "Brest"};
    QTest::newRow("UTF-8 with a mark") << QByteArray("\xEF\xBB\xBFPr\xC3\xA9nom;Ville\r\nA;B\r\n\xC3\x89lise;S\xC3\xA8te\r\n")
                                       << QStringList{"Prénom", "Ville"} << QStringList{"Élise", "Sète"};
    QTest::newRow("Windows-1252") << QByteArray("Pr\xE9nom;Ville\r\nA;B\r\n\xC9lise;S\xE8te \x80\r\n")
                                  << QStringList{"Prénom", "Ville"} << QStringList{"Élise", "Sète €"};
    QTest::newRow("semicolon wins a tie") << QByteArray("a;b,c\r\n1;2,3\r\n4;5,6\r\n") << QStringList{"a", "b,c"}
                                          << QStringList{"4", "5,6"};
}

void tst_Merge::csvDialects()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, columns);
    QFETCH(QStringList, second);
    QVERIFY(m_dir.writeFile(QStringLiteral("l.csv"), bytes));
    const Read read = readList(m_dir.filePath(QStringLiteral("l.csv")));
    QCOMPARE(read.error, QString());
    QCOMPARE(read.columns, columns);
    QCOMPARE(read.records.size(), 2);
    QCOMPARE(read.records[1], second);
    // Records with too many or too few values are cut or padded, and said.
    QVERIFY(m_dir.writeFile(QStringLiteral("r.csv"), "a;b\r\n1\r\n1;2;3\r\n\"4\r\n5\";6\r\n"));
    const Read ragged = readList(m_dir.filePath(QStringLiteral("r.csv")));
    QCOMPARE(ragged.records, (QList<QStringList>{{"1", ""}, {"1", "2"}, {"4\n5", "6"}}));
    QCOMPARE(ragged.lines, (QList<int>{2, 3, 4}));
    QCOMPARE(ragged.irregular, (QList<int>{2, 3}));
    QCOMPARE(MergeCard::irregularLinesMessage(ragged.irregular),
             QStringLiteral("Les fiches des lignes 2, 3 de la liste n'ont pas autant de valeurs que l'en-tête : "
                            "elles sont complétées ou coupées."));
}

void tst_Merge::vCardVersions()
{
    const QByteArray cards =
        // 2.1: quoted-printable over a soft line break, bare types.
        "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Lef=C3=A8vre;J=C3=A9r=\r\n"
        "=C3=B4me\r\nTEL;WORK;VOICE:02 98 00 00 00\r\nTEL;CELL:06 11 22 33 44\r\nTEL;HOME:09 99\r\n"
        "ORG;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Caf=C3=A9;Salle\r\nEND:VCARD\r\n"
        // 3.0: folded lines, types in a list, escapes.
        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Martin;Élise;;;\r\nFN:Élise\r\n  Martin\r\n"
        "TEL;TYPE=CELL,VOICE:07 00\r\nEMAIL;TYPE=INTERNET:e@m.fr\r\n"
        "ADR;TYPE=WORK:;;12 quai\\, bât. B;Brest;;29200;France\r\nTITLE:Gérante\r\nEND:VCARD\r\n"
        // 4.0: lower-case types, a tel: address, a grouped property.
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Paul\r\nTEL;VALUE=uri;TYPE=\"voice,home\":tel:+33-2-98\r\n"
        "item1.TEL;TYPE=cell:tel:+33-6-12\r\nURL:https://atelier.fr/a;b\r\nEND:VCARD\r\n";
    QVERIFY(m_dir.writeFile(QStringLiteral("c.vcf"), cards));
    const Read read = readList(m_dir.filePath(QStringLiteral("c.vcf")));
    QCOMPARE(read.columns, (QStringList{"Nom", "Prénom", "Nom complet", "Société", "Fonction", "Téléphone", "Mobile",
                                        "E-mail", "Site web", "Adresse", "Code postal", "Ville", "Pays"}));
    QCOMPARE(read.records.size(), 3);
    const QStringList a = read.records[0], b = read.records[1], c = read.records[2];
    QCOMPARE(QStringList({a[0], a[1], a[3], a[5], a[6]}),
             QStringList({"Lefèvre", "Jérôme", "Café", "02 98 00 00 00", "06 11 22 33 44"}));
    QCOMPARE(QStringList({b[2], b[4], b[6], b[7], b[9], b[10], b[11], b[12]}),
             QStringList({"Élise Martin", "Gérante", "07 00", "e@m.fr", "12 quai, bât. B", "29200", "Brest", "France"}));
    QCOMPARE(QStringList({c[2], c[5], c[6], c[8]}), QStringList({"Paul", "+33-2-98", "+33-6-12", "https://atelier.fr/a;b"}));
    QCOMPARE(read.lines, (QList<int>{1, 10, 20}));
}

void tst_Merge::fieldsAndFilling()
{
    // Names of letters, digits, blanks, "_" and "-"; doubled braces are
    // braces; anything else stays as typed.
    QCOMPARE(MergeFields::names(QStringLiteral("{Nom} {{x}} {Code_postal-2} {a.b} {} {Nom} {Téléphone")),
             QStringList({"Nom", "Code_postal-2"}));
    const auto value = [](const QString &name) -> std::optional<QString> {
        if (MergeFields::key(name) == MergeFields::key(QStringLiteral("Téléphone")))
            return QStringLiteral("01 02");
        return std::nullopt;
    };
    QCOMPARE(MergeFields::fill(QStringLiteral("Tél. {TELEPHONE} {{ok}} {Fax}!"), value), QStringLiteral("Tél. 01 02 {ok} !"));
    QCOMPARE(MergeFields::fieldName(QStringLiteral("Tél. (fixe)")), QStringLiteral("Tél fixe"));
    // A card filled from a record: its labels take the values, their size
    // and the edge they keep with them; unknown fields are listed once.
    CardData card;
    CardLabel &label = *card.Label(1);
    label.setCaption(QStringLiteral("{prénom} {NOM} {Fax} {Poste} {fax}"));
    label.Left = 3000;
    label.setAlignment(CardLabel::AlignRight);
    const float right = label.Left + label.Width();
    const MergeCard merge(card, {QStringLiteral("Nom"), QStringLiteral("Prénom")});
    QCOMPARE(merge.unknownFields(), QStringList({"{Fax}", "{Poste}"}));
    QCOMPARE(MergeCard::unknownFieldsMessage(merge.unknownFields()),
             QStringLiteral("Champs absents de la liste : {Fax}, {Poste}"));
    const CardData filled = merge.fill({QStringLiteral("Dupont"), QStringLiteral("Jeanne-Marie")});
    const CardLabel &shown = *filled.Label(1);
    QCOMPARE(shown.Caption(), QStringLiteral("Jeanne-Marie Dupont   "));
    QVERIFY(std::abs(shown.Left + shown.Width() - right) < 0.01 && shown.Width() != label.Width());
    QCOMPARE(card.Label(1)->Caption(), QStringLiteral("{prénom} {NOM} {Fax} {Poste} {fax}"));
}

void tst_Merge::listsRefused()
{
    QVERIFY(m_dir.writeFile(QStringLiteral("nul.csv"), QByteArray("Nom;Ville\r\nA\0B;C\r\n", 18)));
    QVERIFY(m_dir.writeFile(QStringLiteral("vide.csv"), "\r\n\r\n"));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("dossier.csv")));
    const QString fifo = m_dir.filePath(QStringLiteral("tube.csv"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile big(m_dir.filePath(QStringLiteral("gros.csv")));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(MergeReader::MaxBytes + 1));
    big.close();
    const QList<std::pair<QString, QString>> refusals = {
        {QStringLiteral("nul.csv"), QStringLiteral("ce n'est pas un fichier texte.")},
        {QStringLiteral("vide.csv"), QStringLiteral("elle n'a pas de ligne d'en-tête.")},
        {QStringLiteral("dossier.csv"), QStringLiteral("n'est pas un fichier ordinaire")},
        {QStringLiteral("tube.csv"), QStringLiteral("n'est pas un fichier ordinaire")},
        {QStringLiteral("gros.csv"), QStringLiteral("elle dépasse 64 Mo.")},
        {QStringLiteral("absent.csv"), QStringLiteral("absent.csv")},
    };
    for (const auto &[name, why] : refusals) {
        const Read read = readList(m_dir.filePath(name));
        QVERIFY2(read.error.contains(why) && read.columns.isEmpty(), qPrintable(name + u' ' + read.error));
    }
}

QTEST_MAIN(tst_Merge)
#include "tst_merge.moc"
