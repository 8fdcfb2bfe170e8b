#include "PdfPageRepeat.h"

#include <QFile>
#include <QRegularExpression>

namespace PdfPageRepeat {

namespace {

struct Object {
    int number = 0;
    QByteArray body; // between "N 0 obj" and "endobj"
};

// The last version of object `number`; an empty body when not found.
Object findObject(const QByteArray &pdf, int number)
{
    const QByteArray head = "\n" + QByteArray::number(number) + " 0 obj";
    const qsizetype start = pdf.lastIndexOf(head);
    if (start < 0)
        return {};
    const qsizetype bodyStart = start + head.size();
    const qsizetype end = pdf.indexOf("endobj", bodyStart);
    if (end < 0)
        return {};
    return {number, pdf.mid(bodyStart, end - bodyStart)};
}

// The number of the object referred to after `key` ("/Pages 3 0 R" gives
// 3); 0 when absent.
int reference(const QByteArray &dictionary, const char *key)
{
    static const QRegularExpression any(QStringLiteral("\\s+(\\d+)\\s+0\\s+R"));
    const qsizetype at = dictionary.indexOf(key);
    if (at < 0)
        return 0;
    const QRegularExpressionMatch m = any.match(QString::fromLatin1(dictionary), at + qstrlen(key),
                                                QRegularExpression::NormalMatch,
                                                QRegularExpression::AnchorAtOffsetMatchOption);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QByteArray xrefEntry(qint64 offset)
{
    return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
}

} // namespace

bool repeat(const QString &path, int pages)
{
    if (pages <= 1)
        return pages == 1;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray pdf = file.readAll();
    file.close();

    // The trailer: the objects' count, the root, the information, and the
    // cross-reference table this update follows.
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    const qsizetype startxrefAt = pdf.lastIndexOf("startxref");
    if (trailerAt < 0 || startxrefAt < trailerAt || pdf.indexOf("/XRefStm") >= 0)
        return false;
    const QByteArray trailer = pdf.mid(trailerAt, startxrefAt - trailerAt);
    static const QRegularExpression sizeKey(QStringLiteral("/Size\\s+(\\d+)"));
    const QRegularExpressionMatch size = sizeKey.match(QString::fromLatin1(trailer));
    bool prevOk = false;
    const qint64 previous = pdf.mid(startxrefAt + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&prevOk);
    const int root = reference(trailer, "/Root");
    const int info = reference(trailer, "/Info");
    if (!size.hasMatch() || !prevOk || root == 0)
        return false;
    const int firstNew = size.captured(1).toInt();

    // The page tree: one kid, the page to repeat.
    const int pagesNumber = reference(findObject(pdf, root).body, "/Pages");
    const Object tree = findObject(pdf, pagesNumber);
    static const QRegularExpression kidsKey(QStringLiteral("/Kids\\s*\\[\\s*(\\d+)\\s+0\\s+R\\s*\\]"));
    static const QRegularExpression countKey(QStringLiteral("/Count\\s+1\\b"));
    const QString treeText = QString::fromLatin1(tree.body);
    const QRegularExpressionMatch kids = kidsKey.match(treeText);
    if (pagesNumber == 0 || !kids.hasMatch() || !countKey.match(treeText).hasMatch())
        return false;
    const Object page = findObject(pdf, kids.captured(1).toInt());
    if (!page.body.contains("/Type /Page") || reference(page.body, "/Parent") != pagesNumber)
        return false;

    // The update: the copies of the page, the page tree listing them all,
    // their cross-references and a trailer pointing back to the old ones.
    QByteArray update = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
    qint64 offset = pdf.size() + update.size();
    QList<qint64> offsets;
    // A copy needs no annotations, and whole numbers need no decimals:
    // every byte saved is saved once per sheet.
    QString copy = QString::fromLatin1(page.body);
    static const QRegularExpression annotations(QStringLiteral("/Annots\\s+\\d+\\s+0\\s+R\\s*"));
    static const QRegularExpression zeros(QStringLiteral("(\\d)\\.0+(?=[\\s\\]])"));
    copy.remove(annotations);
    copy.replace(zeros, QStringLiteral("\\1"));
    const QByteArray pageCopy = copy.toLatin1();
    QByteArray kidList = kids.captured(1).toLatin1() + " 0 R";
    for (int n = 0; n < pages - 1; ++n) {
        const int number = firstNew + n;
        const QByteArray object = QByteArray::number(number) + " 0 obj" + pageCopy + "endobj\n";
        offsets.append(offset);
        update += object;
        offset += object.size();
        kidList += ' ' + QByteArray::number(number) + " 0 R";
    }
    QString newTree = treeText;
    newTree.replace(kidsKey, QStringLiteral("/Kids [") + QString::fromLatin1(kidList) + u']');
    newTree.replace(countKey, QStringLiteral("/Count ") + QString::number(pages));
    const qint64 treeOffset = offset;
    const QByteArray treeObject = QByteArray::number(pagesNumber) + " 0 obj" + newTree.toLatin1() + "endobj\n";
    update += treeObject;
    offset += treeObject.size();

    const qint64 xrefOffset = offset;
    update += "xref\n0 1\n0000000000 65535 f \n";
    update += QByteArray::number(pagesNumber) + " 1\n" + xrefEntry(treeOffset);
    update += QByteArray::number(firstNew) + ' ' + QByteArray::number(pages - 1) + '\n';
    for (qint64 at : offsets)
        update += xrefEntry(at);
    update += "trailer\n<<\n/Size " + QByteArray::number(firstNew + pages - 1) + "\n/Root "
              + QByteArray::number(root) + " 0 R\n";
    if (info != 0)
        update += "/Info " + QByteArray::number(info) + " 0 R\n";
    update += "/Prev " + QByteArray::number(previous) + "\n>>\nstartxref\n" + QByteArray::number(xrefOffset)
              + "\n%%EOF\n";

    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    if (file.write(update) != update.size() || !file.flush()) {
        file.resize(pdf.size());
        return false;
    }
    return true;
}

} // namespace PdfPageRepeat
