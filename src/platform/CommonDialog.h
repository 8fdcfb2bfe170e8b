#pragma once

#include "Colors.h"
#include "Prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;

// The shared file, colour, font and printer dialog. Its properties keep the
// value of the previous use until a command sets them again. Each Show...
// returns false when the user cancels (the command then ends the way it
// handles a cancel).
class CommonDialog {
public:
    explicit CommonDialog(Prompts *prompts = nullptr) : m_prompts(prompts) {}
    void setPrompts(Prompts *prompts) { m_prompts = prompts; }
    Prompts *prompts() const { return m_prompts; }

    // File dialogs.
    QString FileName;   // full path chosen (or proposed)
    QString FileTitle;  // name with extension, without folder (set on return)
    QString InitDir;
    QString DialogTitle;
    // "Description|*.ext;*.ext2|Description2|*.x|" pairs, as written.
    QString Filter;
    int FilterIndex = 1;
    // Windows dialog flags, kept as given (read-only box, overwrite prompt,
    // full colour chooser...). Qt honours what it can.
    int Flags = 0;
    bool CancelError = false;

    // Colour dialog.
    OleColor Color = 0;

    // Font dialog.
    QString FontName;
    float FontSize = 8.25f;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    bool FontStrikethru = false;

    // Printer dialog: the printer it sets up (QtPrompts uses one of its own
    // when none is given).
    QPrinter *printer = nullptr;

    // Printer set-up (Flags with PrintSetup): the CUPS queues offered and
    // the one chosen, the paper (one of PaperCodes, shown as PaperNames),
    // its source (one of what sourcesOf gives for the printer; empty: the
    // printer's own choice) and the orientation (1 portrait, 2 landscape).
    QStringList Printers;
    QString PrinterName;
    QStringList PaperNames;
    QList<int> PaperCodes;
    int PaperSize = 9;
    QString PaperSource;
    int Orientation = 1;
    std::function<QStringList(const QString &printer)> sourcesOf;

    bool ShowOpen();
    bool ShowSave();
    bool ShowColor();
    bool ShowFont();
    bool ShowPrinter();

    // The filter as Qt name filters ("Description (*.ext *.ext2)").
    QStringList qtNameFilters() const;
    // Sets FileName and FileTitle from a chosen path.
    void setChosenFile(const QString &path);

    // Common flag values.
    enum FlagBits {
        ReadOnly = 0x1,
        OverwritePrompt = 0x2,
        HideReadOnly = 0x4,
        RgbInit = 0x1,
        FullOpen = 0x2,
        PrintSetup = 0x40,
    };

private:
    bool show(Prompts::DialogKind kind);
    Prompts *m_prompts = nullptr;
};
