#pragma once

// Reads back what a PDF file holds with poppler's tools (poppler-utils):
// pages and their size, text, the pictures drawn and their objects, and
// the pixels of a page.

#include <QDir>
#include <QImage>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace PdfTools {

inline bool available()
{
    for (const char *tool : {"pdfinfo", "pdftotext", "pdfimages", "pdftoppm"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    }
    return true;
}

// Standard output of a tool; empty when it failed or took too long.
inline QString run(const QString &tool, const QStringList &args)
{
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        process.kill();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString info(const QString &pdf)
{
    return run(QStringLiteral("pdfinfo"), {pdf});
}

// "Pages:" of pdfinfo; -1 when the file is not a readable PDF.
inline int pageCount(const QString &pdf)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                                         QRegularExpression::MultilineOption)
                                          .match(info(pdf));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The first page's size in millimetres.
inline QSizeF pageSizeMm(const QString &pdf)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info(pdf));
    if (!m.hasMatch())
        return {};
    const double mmPerPt = 25.4 / 72.0;
    return QSizeF(m.captured(1).toDouble() * mmPerPt, m.captured(2).toDouble() * mmPerPt);
}

inline QString text(const QString &pdf)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// One picture drawn on a page, as "pdfimages -list" shows it.
struct ImageUse {
    int page = 0;
    int width = 0;
    int height = 0;
    QString color;
    QString encoding;
    int object = 0;
};

inline QList<ImageUse> images(const QString &pdf)
{
    QList<ImageUse> list;
    const QStringList lines = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(u'\n');
    // page num type width height color comp bpc enc interp object ID ...
    for (const QString &line : lines.mid(2)) {
        const QStringList f = line.simplified().split(u' ');
        if (f.size() < 12 || f.at(2) != QLatin1String("image"))
            continue;
        list.append({f.at(0).toInt(), f.at(3).toInt(), f.at(4).toInt(), f.at(5), f.at(8), f.at(10).toInt()});
    }
    return list;
}

// A page rendered at `dpi` (null on failure).
inline QImage render(const QString &pdf, int page, int dpi)
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    const QString p = QString::number(page);
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                     QStringLiteral("-f"), p, QStringLiteral("-l"), p,
                                     QStringLiteral("-singlefile"), pdf, base});
    return QImage(base + QStringLiteral(".png"));
}

} // namespace PdfTools
