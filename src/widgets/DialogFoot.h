#pragma once

#include <QWidget>
#include <array>

class Line3D;
class QPushButton;

// The foot of the application's small dialogs: a separator line above a row
// of three buttons, "Aide" on the left, "Ok" and "Annuler" on the right,
// each at least 1095 x 375 twips, with the tool tips "Afficher l'aide",
// "Valider les options" and "Retour menu". "Ok" is the default button
// (Enter); the others never take Enter, whatever has the focus. The buttons
// are numbered as the dialogs number them: 0 "Ok", 1 "Annuler", 2 "Aide".
class DialogFoot : public QWidget {
    Q_OBJECT
public:
    explicit DialogFoot(QWidget *parent = nullptr);

    Line3D *line() const { return m_line; }
    QPushButton *button(int index) const { return m_buttons.at(std::size_t(index)); }

signals:
    void clicked(int index);

private:
    Line3D *m_line = nullptr;
    std::array<QPushButton *, 3> m_buttons{};
};
