#pragma once

#include "LabelEditor.h"

#include <QDialog>
#include <array>

class CentredBox;
class DialogFoot;
class ColorFieldView;
class CommonDialog;
class Line3D;
class Prompts;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class Shell;

// "Edition du contenu": the label text editor. The frame calls
// Control_Texte() with the label, shows the dialog modally and, when it was
// accepted, writes editor().writeBack() to that label. The controls only
// forward to the editor and show its working copy.
class frmEditer : public QDialog {
    Q_OBJECT
public:
    // Centres itself over `frame`. The colour dialog is the frame's shared
    // `dialog`; messages go through `prompts`; "Aide" opens the help file of
    // `appDir` through `shell`.
    frmEditer(QWidget &frame, CommonDialog &dialog, Prompts &prompts, Shell *shell, const QString &appDir,
              FontList fonts = FontList::system());

    void Control_Texte(int index, const CardLabel &label);
    const LabelEditor &editor() const { return m_editor; }

    // 0 "Ok", 1 "Annuler", 2 "Aide".
    QPushButton *Command1(int index) const;
    void Command1_Click(int index);

    QLabel *Label1(int index) const;
    QLineEdit *Text1() const { return m_text; }
    QComboBox *Combo1() const { return m_fonts; }
    QComboBox *Combo2() const { return m_sizes; }
    ColorFieldView *Couleurs() const { return m_field; }
    QFrame *Shape1() const { return m_shape; }
    CentredBox *Picture2() const { return m_preview; }
    QLabel *LabelA() const { return m_labelA; }
    QCheckBox *Check1() const { return m_bold; }
    Line3D *Line3D1() const;

private:
    void buildControls();
    void wireControls();
    // Shows the working copy in the preview and centres it again.
    void showLabelA();
    void showShape();

    LabelEditor m_editor;
    CommonDialog &m_dialog;
    Prompts &m_prompts;
    Shell *m_shell;
    QString m_appDir;

    std::array<QLabel *, 6> m_captions{}; // 0, 1, 2, 4, 5
    QLineEdit *m_text = nullptr;
    QComboBox *m_fonts = nullptr;
    QComboBox *m_sizes = nullptr;
    ColorFieldView *m_field = nullptr;
    QFrame *m_shape = nullptr;
    CentredBox *m_preview = nullptr;
    QLabel *m_labelA = nullptr;
    QCheckBox *m_bold = nullptr;
    QComboBox *m_alignment = nullptr;
    DialogFoot *m_foot = nullptr;
    bool m_loading = false;
};
