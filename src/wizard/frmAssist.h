#pragma once

#include "ProjectWizard.h"

#include <QDialog>
#include <array>
#include <optional>

class PreviewView;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class ResourceTree;
class Shell;

// "Nouveau projet": names the new card, picks its format or a custom size,
// an ornament or a background from the picture library and the default
// texts, shows a preview, and creates the card. The rules live in
// ProjectWizard; this window shows them and passes the user's input on.
//
// After "Créer" the dialog is accepted and project() holds the new card;
// "Annuler" (or Escape) rejects it and nothing is created.
class frmAssist : public QDialog {
    Q_OBJECT
public:
    // Centres itself over `frame` when one is given. "Aide" opens the help
    // file of `appDir` through `shell` (none: "Aide" does nothing).
    frmAssist(const QString &appDir, Prompts &prompts, Shell *shell, QWidget *frame = nullptr);
    ~frmAssist() override;

    ProjectWizard &wizard() { return m_wizard; }
    const ProjectWizard &wizard() const { return m_wizard; }
    // The project "Créer" made; nothing before, or after "Annuler".
    const std::optional<NewProject> &project() const { return m_project; }

    // Controls, by their names.
    QLineEdit *Text1() const { return m_text1; }
    QComboBox *Combo1() const { return m_combo1; }
    QLineEdit *Text2(int index) const;      // 0 length, 1 height
    QLineEdit *Text3(int index) const;      // 1..4
    ResourceTree *Tree1() const { return m_tree; }
    PreviewView *Picture1() const { return m_picture1; }
    QPushButton *Command1(int index) const; // 0 Créer, 1 Annuler, 2 Aide

    // The three buttons.
    void Command1_Click(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildPropertiesPage();
    QWidget *buildLayoutPage();
    QWidget *buildResources();
    void formatChosen(int position);
    void customEdited(int field, const QString &text);
    void customizeToggled(bool on);
    void resourceChosen(const QString &key);
    void tabShown(int index);

    ProjectWizard m_wizard;
    QString m_appDir;
    Prompts &m_prompts;
    Shell *m_shell;
    std::optional<NewProject> m_project;

    QTabWidget *m_tabs = nullptr;
    QLineEdit *m_text1 = nullptr;
    QComboBox *m_combo1 = nullptr;
    QGroupBox *m_customFrame = nullptr;
    QLabel *m_note = nullptr;
    std::array<QLineEdit *, 2> m_text2{};
    std::array<QLineEdit *, 4> m_text3{};
    std::array<QLabel *, 4> m_text3Labels{};
    QCheckBox *m_customize = nullptr;
    QCheckBox *m_noLabels = nullptr;
    ResourceTree *m_tree = nullptr;
    PreviewView *m_picture1 = nullptr;
    std::array<QPushButton *, 3> m_command1{};
};
