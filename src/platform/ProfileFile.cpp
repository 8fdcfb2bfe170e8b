#include "ProfileFile.h"

#include "AtomicFile.h"
#include "Encoding.h"

#include <QFileInfo>

namespace {


// A value as the Windows reader returns it: surrounding blanks removed, then
// one pair of matching quotes, then cut to the buffer's 199 characters.
QString readValue(const QString &raw)
{
    QString v = raw.trimmed();
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    if (v.size() > ProfileFile::MaxValueLength) {
        qsizetype cut = ProfileFile::MaxValueLength;
        // Never split a surrogate pair.
        if (v.at(cut - 1).isHighSurrogate())
            --cut;
        v.truncate(cut);
    }
    return v;
}

// A line break inside a name or value would split the line and change the
// file's structure: each one becomes a blank.
QString oneLine(const QString &text)
{
    if (!text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String(" "));
    out.replace(u'\r', u' ');
    out.replace(u'\n', u' ');
    return out;
}

} // namespace

size_t ProfileFile::Name::hash(const QString &text, size_t seed)
{
    size_t h = seed ^ 0x9E3779B97F4A7C15ull;
    const qsizetype n = text.size();
    const QChar *d = text.constData();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = d[i].unicode();
        if (c < 128) {
            if (c >= 'A' && c <= 'Z')
                c += 'a' - 'A';
        } else {
            if (QChar::isHighSurrogate(c) && i + 1 < n && d[i + 1].isLowSurrogate())
                c = QChar::surrogateToUcs4(char16_t(c), d[++i].unicode());
            c = QChar::toCaseFolded(c);
        }
        h = (h ^ c) * 0x100000001B3ull;
    }
    return h;
}

const ProfileFile::Entry *ProfileFile::Section::find(const QString &key) const
{
    const auto it = index.constFind(Name{key.trimmed()});
    return it == index.constEnd() ? nullptr : &entries[std::size_t(*it)];
}

void ProfileFile::Section::append(Entry entry)
{
    if (entry.isKey) {
        const Name name{entry.key.trimmed()};
        if (!index.contains(name))
            index.insert(name, int(entries.size()));
    }
    entries.push_back(std::move(entry));
}

ProfileFile::ProfileFile(const QString &path)
{
    load(path);
}

bool ProfileFile::load(const QString &path)
{
    m_path = path;
    clear();
    // Read the guarded way: a device, a pipe or a huge file is refused at
    // once rather than read whole or waited on.
    GuardedFile::Result file = GuardedFile::read(path, GuardedFile::TextCap);
    m_loadError = file.error;
    if (!file.ok())
        return false;
    fromText(Encoding::decode(file.bytes));
    return true;
}

const ProfileFile::Section *ProfileFile::findSection(const QString &name) const
{
    const auto it = m_sectionIndex.constFind(Name{name.trimmed()});
    return it == m_sectionIndex.constEnd() ? nullptr : &m_sections[std::size_t(*it)];
}

ProfileFile::Section *ProfileFile::findSection(const QString &name)
{
    const auto it = m_sectionIndex.constFind(Name{name.trimmed()});
    return it == m_sectionIndex.constEnd() ? nullptr : &m_sections[std::size_t(*it)];
}

ProfileFile::Section &ProfileFile::addSection(const QString &name)
{
    const Name folded{name.trimmed()};
    if (!m_sectionIndex.contains(folded))
        m_sectionIndex.insert(folded, int(m_sections.size()));
    m_sections.push_back(Section{name, {}, {}});
    return m_sections.back();
}

QString ProfileFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Section *s = findSection(section);
    if (!s)
        return defaultValue;
    const Entry *e = s->find(key);
    return e ? readValue(e->value) : defaultValue;
}

bool ProfileFile::contains(const QString &section, const QString &key) const
{
    const Section *s = findSection(section);
    return s && s->find(key);
}

QStringList ProfileFile::sections() const
{
    QStringList out;
    out.reserve(qsizetype(m_sections.size()));
    for (const Section &s : m_sections)
        out.append(s.name);
    return out;
}

QStringList ProfileFile::keys(const QString &section) const
{
    QStringList out;
    const Section *s = findSection(section);
    if (!s)
        return out;
    for (const Entry &e : s->entries) {
        if (e.isKey)
            out.append(e.key);
    }
    return out;
}

void ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString sectionName = oneLine(section).trimmed();
    const QString keyName = oneLine(key).trimmed();
    const QString text = oneLine(value);
    Section *s = findSection(sectionName);
    if (!s)
        s = &addSection(sectionName);
    const auto it = s->index.constFind(Name{keyName});
    if (it != s->index.constEnd()) {
        s->entries[std::size_t(*it)].value = text;
        return;
    }
    s->append(Entry{keyName, text, true});
}

void ProfileFile::removeSection(const QString &section)
{
    const Name name{section.trimmed()};
    std::erase_if(m_sections, [&name](const Section &s) { return Name{s.name} == name; });
    m_sectionIndex.clear();
    for (int i = 0; i < int(m_sections.size()); ++i) {
        const Name folded{m_sections[std::size_t(i)].name};
        if (!m_sectionIndex.contains(folded))
            m_sectionIndex.insert(folded, i);
    }
}

void ProfileFile::clear()
{
    m_preamble.clear();
    m_sections.clear();
    m_sectionIndex.clear();
}

QString ProfileFile::toText() const
{
    QString out;
    const QLatin1String crlf("\r\n");
    for (const QString &line : m_preamble)
        out += line + crlf;
    for (const Section &s : m_sections) {
        out += u'[' + s.name + u']' + crlf;
        for (const Entry &e : s.entries) {
            if (e.isKey)
                out += e.key + u'=' + e.value + crlf;
            else
                out += e.value + crlf;
        }
    }
    return out;
}

void ProfileFile::fromText(const QString &text)
{
    clear();
    Section *current = nullptr;
    const QStringList lines = Encoding::splitLines(text);
    for (const QString &line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (trimmed.front() == u'[') {
            const qsizetype close = trimmed.lastIndexOf(u']');
            if (close > 0) {
                current = &addSection(trimmed.mid(1, close - 1).trimmed());
                continue;
            }
        }
        if (!current) {
            m_preamble.append(line);
            continue;
        }
        const qsizetype eq = trimmed.indexOf(u'=');
        if (eq < 0)
            current->append(Entry{QString(), trimmed, false});
        else
            current->append(Entry{trimmed.left(eq).trimmed(), trimmed.mid(eq + 1).trimmed(), true});
    }
}

bool ProfileFile::save() const
{
    if (m_path.isEmpty())
        return false;
    return AtomicFile::write(m_path, Encoding::encode(toText()));
}

bool ProfileFile::saveAs(const QString &path)
{
    m_path = path;
    return save();
}

QString ProfileFile::readOne(const QString &path, const QString &section, const QString &key)
{
    return ProfileFile(path).readString(section, key);
}

bool ProfileFile::writeOne(const QString &path, const QString &section, const QString &key, const QString &value)
{
    ProfileFile profile;
    // A file that exists but cannot be read is left alone rather than
    // replaced by one holding only this key.
    if (!profile.load(path) && QFileInfo::exists(path))
        return false;
    profile.writeString(section, key, value);
    return profile.save();
}
