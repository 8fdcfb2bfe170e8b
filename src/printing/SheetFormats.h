#pragma once

#include "SheetFields.h"
#include "SheetFormat.h"

#include <QString>
#include <QStringList>

class Prompts;

// The sheet formats of the print dialog: the file "formats.ini" of the
// application folder, its sorted list, the selected format, the six layout
// fields it fills and the description of the selected format. The dialog
// shows this state and passes its events on; messages and the name input
// box go through the prompts.
class SheetFormats {
public:
    SheetFormats(const QString &appDir, Prompts &prompts);

    // The formats file, also opened by "Editer".
    QString filePath() const { return m_path; }

    // Empties the list, reads every non-empty line of the file as an item,
    // sorts the list and selects item 0. When the file cannot be read the
    // list stays empty; with `reportErrors` (the "Charger" button) the
    // error message is shown. Returns whether the file was read.
    bool Charger_Formats(bool reportErrors = true);

    // The list's items, verbatim, sorted on the whole line without regard
    // to case.
    const QStringList &items() const { return m_items; }
    int selectedIndex() const { return m_selected; }
    // The selected item's format (an empty one when nothing is selected).
    const SheetFormat &selectedFormat() const { return m_format; }
    // Selects an item (the list's click): its pieces go into the layout
    // fields and the description is rewritten. A blank item changes
    // neither; an index out of the list is ignored.
    void select(int index);

    const SheetFields::Texts &fields() const { return m_fields; }
    // The user typed into a layout field.
    void setField(SheetFields::Field field, const QString &text);

    // The text of the "Propriétés du format :" label.
    const QString &description() const { return m_description; }

    // False while an incomplete format is selected and none of its fields
    // was typed into since: printing and previewing then show
    // SheetFormat::incompleteText() and do nothing.
    bool canPrint() const { return m_canPrint; }

    // "Sauver": asks for a name (proposing the selected format's), then
    // rewrites the file with every format and a new line made of the name,
    // the six fields and the selected format's extra pieces, and reloads
    // the list. A cancelled or empty name writes nothing. The old file is
    // replaced in one step, so a failed write leaves it whole. Returns
    // whether the file was written.
    bool Enregistrer_Format();

private:
    // Ascending order of the list: the whole line, without regard to case.
    static bool itemLessThan(const QString &a, const QString &b);

    // The description before any format is chosen.
    static QString initialDescription();
    // The message of a failing button: text, title and style.
    static QString errorText();
    static QString errorTitle();
    static int errorStyle();
    // The name input box.
    static QString namePrompt();
    static QString nameTitle();
    // Refusal of a name that holds the field separator "|".
    static QString barInNameText();

    enum class ReadResult { Read, Missing, Unreadable };
    // The non-empty lines of the file, sorted as the list is.
    static ReadResult readLines(const QString &path, QStringList *lines);
    bool writeLines(const QStringList &lines) const;
    void showError() const;

    Prompts &m_prompts;
    QString m_path;
    QStringList m_items;
    int m_selected = -1;
    SheetFormat m_format;
    SheetFields::Texts m_fields;
    QString m_description;
    bool m_canPrint = true;
};
