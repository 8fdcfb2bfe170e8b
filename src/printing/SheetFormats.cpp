#include "SheetFormats.h"

#include "platform/AppPaths.h"
#include "platform/Encoding.h"
#include "platform/GuardedFile.h"
#include "platform/Prompts.h"

#include <QSaveFile>

#include <algorithm>

namespace {

// A formats file is a few kilobytes; a larger one is not read (nor
// replaced by a save).
constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

// A line break typed into a name or a field would split the new line.
QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace

SheetFormats::SheetFormats(const QString &appDir, Prompts &prompts)
    : m_prompts(prompts),
      m_path(AppPaths::join(appDir, QStringLiteral("\\formats.ini"))),
      m_fields(SheetFields::initialTexts()),
      m_description(initialDescription())
{
}

bool SheetFormats::itemLessThan(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

SheetFormats::ReadResult SheetFormats::readLines(const QString &path, QStringList *lines)
{
    lines->clear();
    // Only a regular file: a pipe or a device would block the dialog. The
    // reader takes no more memory than the file holds.
    const GuardedFile::Result file = GuardedFile::read(path, MaxFileSize);
    if (file.error == GuardedFile::Error::Missing)
        return ReadResult::Missing;
    if (!file.ok())
        return ReadResult::Unreadable;
    const QByteArray &bytes = file.bytes;
    for (const QString &line : Encoding::splitLines(Encoding::decode(bytes))) {
        if (!line.isEmpty())
            lines->append(line);
    }
    // Stable, so that lines equal but for case keep the file's order.
    std::stable_sort(lines->begin(), lines->end(), itemLessThan);
    return ReadResult::Read;
}

bool SheetFormats::Charger_Formats(bool reportErrors)
{
    m_items.clear();
    m_selected = -1;
    m_format = SheetFormat();
    const bool read = readLines(m_path, &m_items) == ReadResult::Read;
    if (!read) {
        if (reportErrors)
            showError();
        return false;
    }
    select(0);
    return true;
}

void SheetFormats::select(int index)
{
    if (index < 0 || index >= m_items.size())
        return;
    m_selected = index;
    m_format = SheetFormat(m_items.at(index));
    if (m_format.isBlank())
        return;
    m_format.applyTo(m_fields);
    m_description = m_format.description();
    m_canPrint = m_format.isComplete();
}

void SheetFormats::setField(SheetFields::Field field, const QString &text)
{
    if (field < 0 || field >= SheetFields::Count)
        return;
    m_fields[std::size_t(field)] = text;
    m_canPrint = true;
}

bool SheetFormats::Enregistrer_Format()
{
    QString proposed;
    if (!m_format.text().isEmpty()) {
        if (!m_format.hasName()) {
            showError();
            return false;
        }
        proposed = m_format.name();
    }
    const QString name = oneLine(m_prompts.inputBox(namePrompt(), nameTitle(), proposed));
    if (name.isEmpty())
        return false;
    // A "|" in the name would make the new line's fields unreadable.
    if (name.contains(u'|')) {
        m_prompts.msgBox(barInNameText(), Msg::OkOnly | Msg::Exclamation);
        return false;
    }

    QStringList fieldTexts;
    for (const QString &f : m_fields)
        fieldTexts.append(f);
    const QString newLine = oneLine(name.trimmed() + QStringLiteral(" | ")
                                    + fieldTexts.join(u'.').trimmed() + m_format.extraPieces());

    // The file as it is now, so that lines added with "Editer" since the
    // list was read are kept; the list when the file is gone. A file that
    // exists but cannot be read is left alone.
    QStringList lines;
    switch (readLines(m_path, &lines)) {
    case ReadResult::Read:
        break;
    case ReadResult::Missing:
        lines = m_items;
        break;
    case ReadResult::Unreadable:
        showError();
        return false;
    }
    lines.append(newLine);
    if (!writeLines(lines)) {
        showError();
        return false;
    }
    Charger_Formats();
    return true;
}

bool SheetFormats::writeLines(const QStringList &lines) const
{
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1String("\r\n");
    QSaveFile file(m_path);
    // Unbuffered, so that a short write is seen here and the old file kept.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = Encoding::encode(text);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void SheetFormats::showError() const
{
    m_prompts.msgBox(errorText(), errorStyle(), errorTitle());
}

QString SheetFormats::initialDescription()
{
    return QStringLiteral("Aucun format de papier n'est disponible, vous devez obligatoirement les créer si vous "
                          "souhaitez obtenir plusieurs mises en page différentes.");
}

QString SheetFormats::errorText()
{
    return QStringLiteral("le fichier des formats est inexistant.");
}

QString SheetFormats::errorTitle()
{
    return QStringLiteral("Erreur");
}

int SheetFormats::errorStyle()
{
    return Msg::OkOnly | Msg::Critical;
}

QString SheetFormats::namePrompt()
{
    return QStringLiteral("Veuillez donner un nouveau nom de format d'étiquettes.");
}

QString SheetFormats::nameTitle()
{
    return QStringLiteral("Enregistrer un format");
}

QString SheetFormats::barInNameText()
{
    return QStringLiteral("Le nom d'un format ne peut pas contenir le caractère \"|\".");
}
