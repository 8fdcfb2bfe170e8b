#pragma once

#include "CodeEditor.h"

#include <QDialog>
#include <array>
#include <optional>

class CommonDialog;
class DialogFoot;
class DialogRunner;
class Prompts;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

// "Code": the dialog of a card's code. The frame calls edit() (or
// setCode(), runs the dialog and, when accepted, takes editor().code()).
// The controls only forward to the editor and show its state.
class frmCode : public QDialog {
    Q_OBJECT
public:
    // Centres itself over `frame`. The colour dialog is the frame's shared
    // `dialog`; messages go through `prompts`.
    frmCode(QWidget &frame, CommonDialog &dialog, Prompts &prompts);

    // Runs the dialog for `code` (a new one with `isNew`) through `runner`:
    // the edited code when "Ok", nothing when cancelled.
    static std::optional<CardCode> edit(DialogRunner &runner, QWidget &frame, CommonDialog &dialog, Prompts &prompts,
                                        const CardCode &code, bool isNew = false);

    void setCode(const CardCode &code, bool isNew = false);
    const CodeEditor &editor() const { return m_editor; }

    // 0 "Ok", 1 "Annuler".
    QPushButton *button(int index) const;
    void buttonClicked(int index);

    QComboBox *kindList() const { return m_kinds; }
    QComboBox *correctionList() const { return m_corrections; }
    QRadioButton *modeButton(CodeContent::Mode mode) const { return m_modes.at(size_t(mode)); }
    QPlainTextEdit *textBox() const { return m_text; }
    QLineEdit *contactField(CodeContent::Contact::Field field) const { return m_fields.at(size_t(field)); }
    QPushButton *colorButton() const { return m_color; }
    QFrame *colorSample() const { return m_sample; }
    QCheckBox *transparentBox() const { return m_transparent; }
    QLineEdit *sizeBox() const { return m_size; }
    QLineEdit *heightBox() const { return m_height; }

private:
    void buildControls();
    void wireControls();
    // Shows the editor's state in every control.
    void showEditor();
    void showColor();

    CodeEditor m_editor;
    CommonDialog &m_dialog;
    Prompts &m_prompts;

    QComboBox *m_kinds = nullptr;
    QComboBox *m_corrections = nullptr;
    std::array<QRadioButton *, 3> m_modes{};
    QStackedWidget *m_pages = nullptr;
    QPlainTextEdit *m_text = nullptr;
    std::array<QLineEdit *, CodeContent::Contact::FieldCount> m_fields{};
    QPushButton *m_color = nullptr;
    QFrame *m_sample = nullptr;
    QCheckBox *m_transparent = nullptr;
    QLineEdit *m_size = nullptr;
    QLineEdit *m_height = nullptr;
    DialogFoot *m_foot = nullptr;
    bool m_loading = false;
};
