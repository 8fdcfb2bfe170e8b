#pragma once

#include "document/CardCode.h"
#include "document/CodeContent.h"
#include "platform/Colors.h"

#include <QString>
#include <QStringList>

class CommonDialog;
class Prompts;

// What the code dialog knows and decides, without its window: the kind,
// the content in one of its three modes, the colours and the size typed in
// millimetres, and the code "Ok" gives back.
class CodeEditor {
public:
    // The lists of the dialog, in order: the kinds (CardCode order), the
    // QR error corrections ("L" to "H") and the content modes ("Texte",
    // "Adresse web", "Contact").
    static QStringList kindNames();
    static const QStringList &correctionNames();
    static const QStringList &modeNames();

    // Starts from `code`: its content read back into its mode (a contact
    // into its fields), its colours and size. A new code (`isNew`) takes
    // its kind's default size instead, and a kind chosen later takes that
    // kind's.
    void setCode(const CardCode &code, bool isNew = false);
    // The edited code: position, index and visibility as given; Width and
    // Height from the sizes typed (Height = Width for a square kind). A
    // size left as shown keeps its exact value in twips.
    CardCode code() const;

    CardCode::Kind kind() const { return m_kind; }
    void setKind(CardCode::Kind kind);
    CardCode::Correction correction() const { return m_correction; }
    void setCorrection(CardCode::Correction correction) { m_correction = correction; }
    // The error correction only applies to a QR code.
    bool correctionEnabled() const { return m_kind == CardCode::QR; }

    CodeContent::Mode mode() const { return m_mode; }
    void setMode(CodeContent::Mode mode) { m_mode = mode; }
    // The text of the Texte and Adresse web modes.
    const QString &text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    const CodeContent::Contact &contact() const { return m_contact; }
    void setContactField(CodeContent::Contact::Field field, const QString &value) { m_contact[field] = value; }
    // What the code holds in the current mode: the text, or the contact's
    // vCard (empty when no field is filled).
    QString content() const;

    OleColor foreColor() const { return m_fore; }
    // "Couleur...": the colour dialog preset to the code's colour; its
    // choice becomes the code's colour. False when cancelled.
    bool chooseColor(CommonDialog &dialog);
    // "Fond transparent"; without it the background is the code's own
    // opaque colour, white unless it had another.
    bool transparent() const { return m_transparent; }
    void setTransparent(bool on) { m_transparent = on; }

    // "Taille (mm)" and "Hauteur (mm)" as typed (comma or point decimals).
    const QString &sizeText() const { return m_sizeText; }
    void setSizeText(const QString &text) { m_sizeText = text; }
    const QString &heightText() const { return m_heightText; }
    void setHeightText(const QString &text) { m_heightText = text; }
    // The bar height only applies to the bar codes.
    bool heightEnabled() const { return !CardCode::isSquare(m_kind); }

    // "Ok": refuses, with a message titled "Code", an empty content, a
    // content without merge fields that the kind cannot encode, and a size
    // outside 5 to 200 mm. A content with merge fields is checked per
    // record when printed.
    bool validate(Prompts &prompts) const;

    static constexpr double SmallestMm = 5.0;
    static constexpr double LargestMm = 200.0;

private:
    // Shows sizes in twips as millimetres and keeps them, so that a size
    // left as shown is given back exactly.
    void showSize(double width, double height);
    double twipsOf(const QString &text, const QString &shown, double kept) const;

    CardCode m_original;
    bool m_isNew = false;
    CardCode::Kind m_kind = CardCode::QR;
    CardCode::Correction m_correction = CardCode::M;
    CodeContent::Mode m_mode = CodeContent::Mode::Text;
    QString m_text;
    CodeContent::Contact m_contact;
    OleColor m_fore = Colors::Black;
    OleColor m_opaqueBack = Colors::White;
    bool m_transparent = true;
    QString m_sizeText;
    QString m_heightText;
    QString m_shownSize;
    QString m_shownHeight;
    double m_keptWidth = 0;
    double m_keptHeight = 0;
};
