#include "MergeReader.h"

#include "CsvReader.h"
#include "MergeFields.h"
#include "VCardReader.h"
#include "platform/Encoding.h"
#include "platform/GuardedFile.h"

#include <QFileInfo>

namespace {

constexpr qint64 ChunkBytes = 256 * 1024;

QString refused(const QString &path, const char *why)
{
    return QStringLiteral("La liste \"") + QFileInfo(path).fileName() + QStringLiteral("\" ne peut pas être lue : ")
           + QString::fromUtf8(why);
}

} // namespace

MergeReader::~MergeReader() = default;

std::unique_ptr<MergeReader> MergeReader::open(const QString &path, QString *error)
{
    QString why;
    // A folder, a device or a pipe is refused before anything is read.
    const GuardedFile::Result head = GuardedFile::readHead(path, 512);
    if (!head.ok()) {
        why = GuardedFile::message(head.error, QFileInfo(path).fileName());
    } else if (QFileInfo(path).size() > MaxBytes) {
        why = refused(path, "elle dépasse 64 Mo.");
    } else {
        const bool vcard = path.endsWith(QStringLiteral(".vcf"), Qt::CaseInsensitive)
                           || head.bytes.trimmed().toUpper().startsWith("BEGIN:VCARD");
        std::unique_ptr<MergeReader> reader;
        if (vcard)
            reader = std::make_unique<VCardReader>();
        else
            reader = std::make_unique<CsvReader>();
        if (reader->start(path, &why) && reader->readHeader(&why))
            return reader;
    }
    if (error)
        *error = why;
    return nullptr;
}

QString MergeReader::noRecordMessage(const QString &path)
{
    return QStringLiteral("La liste \"") + QFileInfo(path).fileName() + QStringLiteral("\" ne contient aucune fiche.");
}

QString MergeReader::refusal(const char *why) const
{
    return refused(m_file.fileName(), why);
}

int MergeReader::column(const QString &name) const
{
    const QString wanted = MergeFields::key(name);
    for (int i = 0; i < m_columns.size(); ++i) {
        if (MergeFields::key(m_columns[i]) == wanted)
            return i;
    }
    return -1;
}

bool MergeReader::start(const QString &path, QString *error)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        *error = GuardedFile::message(GuardedFile::Error::Unreadable, QFileInfo(path).fileName());
        return false;
    }
    // One pass tells the encoding: UTF-8 when every byte fits it, as for
    // project files; a NUL byte says the file is no text at all.
    QStringDecoder check(QStringDecoder::Utf8);
    bool bom = false;
    qint64 offset = 0;
    while (!m_file.atEnd()) {
        const QByteArray chunk = m_file.read(ChunkBytes);
        if (offset == 0 && chunk.startsWith("\xEF\xBB\xBF"))
            bom = true;
        if (chunk.contains('\0')) {
            *error = refused(path, "ce n'est pas un fichier texte.");
            return false;
        }
        // decode() is lazy: only turning it into a string runs the check.
        const QString decoded = check.decode(chunk);
        Q_UNUSED(decoded);
        offset += chunk.size();
    }
    if (!check.hasError())
        m_utf8.emplace(QStringDecoder::Utf8);
    m_file.seek(bom && m_utf8 ? 3 : 0);
    return true;
}

bool MergeReader::refill()
{
    if (m_file.atEnd())
        return false;
    const QByteArray chunk = m_file.read(ChunkBytes);
    m_buffer = m_buffer.mid(m_pos) + (m_utf8 ? m_utf8->decode(chunk) : Encoding::decodeWindows1252(chunk));
    m_pos = 0;
    return true;
}

std::optional<QChar> MergeReader::peek()
{
    while (m_pos >= m_buffer.size()) {
        if (!refill())
            return std::nullopt;
    }
    return m_buffer[m_pos];
}

std::optional<QChar> MergeReader::get()
{
    std::optional<QChar> c = peek();
    if (!c)
        return c;
    ++m_pos;
    if (*c == u'\r') {
        if (peek() == QChar(u'\n'))
            ++m_pos;
        c = QChar(u'\n');
    }
    if (*c == u'\n')
        ++m_line;
    return c;
}

MergeRecord MergeReader::fit(int line, QStringList values)
{
    if (values.size() != m_columns.size()) {
        m_irregular.append(line);
        values.resize(m_columns.size());
    }
    return {line, values};
}
