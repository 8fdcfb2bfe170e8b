#include "CommonDialog.h"

#include <QFileInfo>

bool CommonDialog::ShowOpen() { return show(Prompts::DialogKind::Open); }
bool CommonDialog::ShowSave() { return show(Prompts::DialogKind::Save); }
bool CommonDialog::ShowColor() { return show(Prompts::DialogKind::Color); }
bool CommonDialog::ShowFont() { return show(Prompts::DialogKind::Font); }
bool CommonDialog::ShowPrinter() { return show(Prompts::DialogKind::Printer); }

bool CommonDialog::show(Prompts::DialogKind kind)
{
    // Without prompts nobody can answer: the dialog counts as cancelled.
    return m_prompts && m_prompts->showDialog(*this, kind);
}

QStringList CommonDialog::qtNameFilters() const
{
    QStringList filters;
    const QStringList parts = Filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i).trimmed();
        QStringList patterns;
        for (const QString &pattern : parts.at(i + 1).split(u';', Qt::SkipEmptyParts)) {
            const QString p = pattern.trimmed();
            if (p.isEmpty())
                continue;
            // "*.*" means every file, with or without an extension.
            patterns.append(p == QLatin1String("*.*") ? QStringLiteral("*") : p);
        }
        if (patterns.isEmpty())
            continue;
        // Qt takes the patterns from the last parentheses: a description
        // that shows its own gets them replaced by the real ones.
        if (description.endsWith(u')')) {
            const qsizetype open = description.lastIndexOf(u'(');
            if (open >= 0)
                description = description.left(open).trimmed();
        }
        const QString joined = patterns.join(u' ');
        filters.append(description.isEmpty() ? joined : description + QStringLiteral(" (") + joined + u')');
    }
    return filters;
}

void CommonDialog::setChosenFile(const QString &path)
{
    FileName = path;
    FileTitle = QFileInfo(path).fileName();
}
