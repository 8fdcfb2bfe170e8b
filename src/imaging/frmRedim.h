#pragma once

#include "LogoResize.h"

#include <QDialog>
#include <array>
#include <cstdint>

class CentredBox;
class DialogFoot;
class Line3D;
class PicturePreview;
class Prompts;
class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class Shell;

// "Redimensionner": the logo resize dialog. The frame calls Controle_Image()
// with the logo, shows the dialog modally and, when it was accepted, gives
// the logo resizing().outcome(). The controls only forward to LogoResize and
// show its working copy.
class frmRedim : public QDialog {
    Q_OBJECT
public:
    // Centres itself over `frame`. Messages go through `prompts`; "Aide"
    // opens the help file of `appDir` through `shell`.
    frmRedim(QWidget &frame, Prompts &prompts, Shell *shell, const QString &appDir);

    // Prepares the dialog; when the picture can no longer be read, says so
    // and returns false (the dialog is then not to be shown).
    bool Controle_Image(std::int16_t index, const QString &file, std::int16_t width, std::int16_t height);
    const LogoResize &resizing() const { return m_resize; }

    // 0 "Ok", 1 "Annuler", 2 "Aide".
    QPushButton *Command1(int index) const;
    void Command1_Click(int index);

    QLabel *Label1(int index) const { return m_captions.at(std::size_t(index)); }
    CentredBox *Fond() const { return m_fond; }
    PicturePreview *Logo() const { return m_logo; }
    QCheckBox *Check1() const { return m_check; }
    QSlider *Slider1() const { return m_slider; }
    Line3D *Line3D1() const;

private:
    void buildControls();
    // Shows the working copy: the preview's picture and size, centred; the
    // slider's range, steps, value and lock.
    void showLogo();
    void showSlider();

    LogoResize m_resize;
    Prompts &m_prompts;
    Shell *m_shell;
    QString m_appDir;

    std::array<QLabel *, 2> m_captions{};
    CentredBox *m_fond = nullptr;
    PicturePreview *m_logo = nullptr;
    QCheckBox *m_check = nullptr;
    QSlider *m_slider = nullptr;
    DialogFoot *m_foot = nullptr;
};
