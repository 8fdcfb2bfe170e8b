#pragma once

// Card window: one open card project inside the main frame. It owns the
// card surface, the labels, the logos and the background description.
//
// Public API used by the frame, the dialogs and the tests. The private part
// is the card window's own business.

#include "CardHost.h"
#include "CardLabel.h"
#include "CardLogo.h"
#include "platform/Surface.h"

#include <QWidget>
#include <deque>

class frmProjet : public QWidget {
    Q_OBJECT
public:
    explicit frmProjet(CardHost *host, QWidget *parent = nullptr);
    ~frmProjet() override;

    CardHost *host() const { return m_host; }

    // Window caption (project name) and tag (project file path).
    QString Caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }
    const QString &Tag() const { return m_tag; }
    void setTag(const QString &path) { m_tag = path; }

    // Card size: the surface's outer width and height in twips.
    void setCardSize(double widthTwips, double heightTwips);

    // Operations the frame calls by name.
    void Mise_enPage();
    bool Projet_Ouvrir(const QString &path);
    bool Projet_Sauver(const QString &path);
    bool Reinitialiser();
    void Fond_parDefaut();
    void Mise_aJour(bool setKind = false, int kind = 0);
    void Tracer_Degrade(int orientation);
    void Ajouter_UnFond();
    void Ajouter_UnLabel();
    void Ajouter_UnLogo(bool import = false);
    void Couleur_Police();
    void Format_Police();
    void Form_Resize();
    void Label_Click(int index);
    void Logo_Click(int index);

    // Background description.
    int NumFond = 0;
    OleColor Color1 = 0;
    OleColor Color2 = 0;
    OleColor Color3 = 0;
    int NumOption = 0;
    int NumLabel = 1;
    int NumLogo = 1;
    double ClicX = 0;
    double ClicY = 0;
    bool BulleVisible = false;

    // Items by index (1 and up); null when no such item was ever created.
    CardLabel *Label(int index);
    CardLogo *Logo(int index);
    int labelCount() const; // highest label index
    int logoCount() const;  // highest logo index

    // The card surface and the hidden loading picture.
    Surface &Picture1() { return m_picture1; }
    Surface &PictS() { return m_pictS; }

    // Runs the activation step (the frame calls it when the window becomes
    // the active child).
    void activate();

private:
    CardHost *m_host;
    QString m_tag;
    Surface m_picture1;
    Surface m_pictS;
};
