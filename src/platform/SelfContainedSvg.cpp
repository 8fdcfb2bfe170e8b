#include "SelfContainedSvg.h"

#include <QBuffer>
#include <QImageReader>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace SelfContainedSvg {

namespace {

// Embedded SVG pictures nested deeper than this are dropped.
constexpr int MaxDepth = 4;

QByteArray rewrite(const QByteArray &svg, int depth);

// CSS without its imports: an import names another file.
QString withoutImports(const QString &css)
{
    static const QRegularExpression import(QStringLiteral("@import[^;]*;?"),
                                           QRegularExpression::CaseInsensitiveOption);
    return QString(css).remove(import);
}

bool isSvg(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return false;
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    return format == "svg" || format == "svgz";
}

// The reference kept in place of `value`, or an empty one when it is
// dropped: a part of the document, or embedded data (an embedded SVG cut
// off in turn).
QString keptReference(const QString &value, int depth)
{
    const QString trimmed = value.trimmed();
    if (trimmed.startsWith(u'#'))
        return value;
    if (!trimmed.startsWith(QStringLiteral("data:"), Qt::CaseInsensitive))
        return QString();
    const qsizetype comma = trimmed.indexOf(u',');
    if (comma < 0)
        return QString();
    const QString header = trimmed.mid(5, comma - 5);
    const QByteArray payload = trimmed.mid(comma + 1).toLatin1();
    const QByteArray data = header.endsWith(QStringLiteral(";base64"), Qt::CaseInsensitive)
                                ? QByteArray::fromBase64(payload)
                                : QByteArray::fromPercentEncoding(payload);
    if (!isSvg(data))
        return value;
    if (depth >= MaxDepth || isCompressed(data))
        return QString();
    const QByteArray inner = rewrite(data, depth + 1);
    if (inner.isEmpty())
        return QString();
    return QStringLiteral("data:image/svg+xml;base64,") + QString::fromLatin1(inner.toBase64());
}

QByteArray rewrite(const QByteArray &svg, int depth)
{
    QXmlStreamReader reader(svg);
    QByteArray out;
    QXmlStreamWriter writer(&out);
    bool inStyle = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            writer.writeStartDocument();
            break;
        case QXmlStreamReader::EndDocument:
            writer.writeEndDocument();
            break;
        case QXmlStreamReader::StartElement: {
            writer.writeStartElement(reader.qualifiedName().toString());
            for (const QXmlStreamNamespaceDeclaration &ns : reader.namespaceDeclarations()) {
                const QString prefix = ns.prefix().toString();
                writer.writeAttribute(prefix.isEmpty() ? QStringLiteral("xmlns") : QStringLiteral("xmlns:") + prefix,
                                      ns.namespaceUri().toString());
            }
            for (const QXmlStreamAttribute &attribute : reader.attributes()) {
                QString value = attribute.value().toString();
                if (attribute.name() == QLatin1String("href"))
                    value = keptReference(value, depth);
                else if (attribute.name() == QLatin1String("style"))
                    value = withoutImports(value);
                if (!value.isEmpty() || attribute.value().isEmpty())
                    writer.writeAttribute(attribute.qualifiedName().toString(), value);
            }
            inStyle = reader.name() == QLatin1String("style");
            break;
        }
        case QXmlStreamReader::EndElement:
            writer.writeEndElement();
            inStyle = false;
            break;
        case QXmlStreamReader::Characters: {
            const QString text = inStyle ? withoutImports(reader.text().toString()) : reader.text().toString();
            if (reader.isCDATA())
                writer.writeCDATA(text);
            else
                writer.writeCharacters(text);
            break;
        }
        default:
            // The document type and its entities, unresolved entity
            // references, processing instructions and comments.
            break;
        }
    }
    if (reader.hasError())
        return QByteArray();
    return out;
}

} // namespace

QByteArray make(const QByteArray &svg)
{
    return rewrite(svg, 0);
}

bool isCompressed(const QByteArray &bytes)
{
    return bytes.startsWith("\x1f\x8b");
}

} // namespace SelfContainedSvg
