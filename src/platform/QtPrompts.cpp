#include "QtPrompts.h"

#include "CommonDialog.h"
#include "PrinterSetupDialog.h"

#include <algorithm>

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

// Message texts use CR LF or a lone CR for line breaks.
QString displayText(const QString &text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

QMessageBox::StandardButton standardButton(int answer)
{
    switch (answer) {
    case Msg::Ok: return QMessageBox::Ok;
    case Msg::Cancel: return QMessageBox::Cancel;
    case Msg::Abort: return QMessageBox::Abort;
    case Msg::Retry: return QMessageBox::Retry;
    case Msg::Ignore: return QMessageBox::Ignore;
    case Msg::Yes: return QMessageBox::Yes;
    case Msg::No: return QMessageBox::No;
    default: return QMessageBox::NoButton;
    }
}

QString buttonText(int answer)
{
    switch (answer) {
    case Msg::Ok: return QStringLiteral("OK");
    case Msg::Cancel: return QStringLiteral("Annuler");
    case Msg::Abort: return QStringLiteral("Abandonner");
    case Msg::Retry: return QStringLiteral("Réessayer");
    case Msg::Ignore: return QStringLiteral("Ignorer");
    case Msg::Yes: return QStringLiteral("Oui");
    case Msg::No: return QStringLiteral("Non");
    default: return QString();
    }
}

QMessageBox::Icon messageIcon(int style)
{
    switch (Msg::iconOf(style)) {
    case Msg::Critical: return QMessageBox::Critical;
    case Msg::Question: return QMessageBox::Question;
    case Msg::Exclamation: return QMessageBox::Warning;
    case Msg::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

bool runFileDialog(QWidget *parent, CommonDialog &d, bool save)
{
    QFileDialog dlg(parent, d.DialogTitle);
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    if (!d.InitDir.isEmpty()) {
        // The initial folder may name a picture file (the current one):
        // open its folder then.
        const QFileInfo init(QDir::current().absoluteFilePath(d.InitDir));
        dlg.setDirectory(QDir::cleanPath(init.isFile() ? init.absolutePath() : init.absoluteFilePath()));
    }
    const QStringList filters = d.qtNameFilters();
    if (!filters.isEmpty()) {
        dlg.setNameFilters(filters);
        if (d.FilterIndex >= 1 && d.FilterIndex <= filters.size())
            dlg.selectNameFilter(filters.at(d.FilterIndex - 1));
    }
    if (save) {
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
        dlg.setOption(QFileDialog::DontConfirmOverwrite, !(d.Flags & CommonDialog::OverwritePrompt));
        dlg.setLabelText(QFileDialog::Accept, QStringLiteral("Enregistrer"));
    } else {
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(QFileDialog::ExistingFile);
        dlg.setLabelText(QFileDialog::Accept, QStringLiteral("Ouvrir"));
    }
    dlg.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    dlg.setLabelText(QFileDialog::LookIn, QStringLiteral("Regarder dans :"));
    dlg.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    dlg.setLabelText(QFileDialog::FileType, QStringLiteral("Type :"));
    if (!d.FileName.isEmpty())
        dlg.selectFile(d.FileName);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return false;
    d.setChosenFile(QDir::toNativeSeparators(dlg.selectedFiles().constFirst()));
    const qsizetype chosenFilter = filters.indexOf(dlg.selectedNameFilter());
    if (chosenFilter >= 0)
        d.FilterIndex = int(chosenFilter) + 1;
    return true;
}

bool runColorDialog(QWidget *parent, CommonDialog &d)
{
    QColorDialog dlg(Colors::toQColor(d.Color), parent);
    dlg.setOption(QColorDialog::DontUseNativeDialog, true);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    d.Color = Colors::fromQColor(dlg.selectedColor());
    return true;
}

bool runFontDialog(QWidget *parent, CommonDialog &d)
{
    QFont font(d.FontName);
    font.setPointSizeF(d.FontSize > 0 ? double(d.FontSize) : 8.25);
    font.setBold(d.FontBold);
    font.setItalic(d.FontItalic);
    font.setUnderline(d.FontUnderline);
    font.setStrikeOut(d.FontStrikethru);
    QFontDialog dlg(font, parent);
    dlg.setOption(QFontDialog::DontUseNativeDialog, true);
    // A font that is not installed shows as the family standing in for it;
    // unless the user picks another family, the text keeps its own name.
    const QString shownFamily = dlg.currentFont().family();
    if (dlg.exec() != QDialog::Accepted)
        return false;
    const QFont chosen = dlg.selectedFont();
    if (chosen.family() != shownFamily)
        d.FontName = chosen.family();
    if (chosen.pointSizeF() > 0)
        d.FontSize = float(chosen.pointSizeF());
    d.FontBold = chosen.bold();
    d.FontItalic = chosen.italic();
    return true;
}

} // namespace

QtPrompts::QtPrompts(QWidget *parent) : m_parent(parent) {}

QtPrompts::~QtPrompts() = default;

int QtPrompts::doMessage(const QString &text, int style, const QString &title)
{
    QMessageBox box(messageIcon(style), title, displayText(text), QMessageBox::NoButton, m_parent);
    const QList<int> answers = Msg::answersOf(style);
    for (const int answer : answers) {
        QPushButton *button = box.addButton(standardButton(answer));
        button->setText(buttonText(answer));
    }
    box.setDefaultButton(standardButton(Msg::defaultAnswer(style)));
    // A message box wraps at about half the screen; the application's
    // messages break their own lines, so give the text the width of its
    // longest line (within reason) rather than cut a line in two.
    const QString shown = displayText(text);
    int longest = 0;
    const QFontMetrics metrics(box.font());
    for (const QString &line : shown.split(QLatin1Char('\n')))
        longest = std::max(longest, metrics.horizontalAdvance(line));
    box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { min-width: %1px; }").arg(std::min(longest + 8, 900)));
    // Escape and the close box answer Cancel when there is one, else the
    // only button of an OK box.
    if (answers.contains(Msg::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (answers.size() == 1)
        box.setEscapeButton(standardButton(answers.front()));
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const int answer : answers) {
        if (standardButton(answer) == clicked)
            return answer;
    }
    return answers.contains(Msg::Cancel) ? int(Msg::Cancel) : Msg::defaultAnswer(style);
}

QString QtPrompts::doInput(const QString &prompt, const QString &title, const QString &defaultText)
{
    QInputDialog dlg(m_parent);
    dlg.setWindowTitle(title);
    dlg.setLabelText(displayText(prompt));
    dlg.setTextValue(defaultText);
    dlg.setOkButtonText(QStringLiteral("OK"));
    dlg.setCancelButtonText(QStringLiteral("Annuler"));
    if (dlg.exec() != QDialog::Accepted)
        return QString();
    return dlg.textValue();
}

bool QtPrompts::doDialog(CommonDialog &dialog, DialogKind kind)
{
    switch (kind) {
    case DialogKind::Open: return runFileDialog(m_parent, dialog, false);
    case DialogKind::Save: return runFileDialog(m_parent, dialog, true);
    case DialogKind::Color: return runColorDialog(m_parent, dialog);
    case DialogKind::Font: return runFontDialog(m_parent, dialog);
    case DialogKind::Printer: {
        if (dialog.Flags & CommonDialog::PrintSetup) {
            PrinterSetupDialog dlg(dialog, m_parent);
            return dlg.exec() == QDialog::Accepted;
        }
        QPrinter *printer = dialog.printer;
        if (!printer) {
            if (!m_printer)
                m_printer = std::make_unique<QPrinter>();
            printer = m_printer.get();
        }
        QPrintDialog dlg(printer, m_parent);
        dlg.setWindowTitle(dialog.DialogTitle.isEmpty() ? QStringLiteral("Imprimer") : dialog.DialogTitle);
        return dlg.exec() == QDialog::Accepted;
    }
    }
    return false;
}
