#pragma once

#include "MergeReader.h"

// An address book exported as vCards (2.1, 3.0 or 4.0), one record per
// card. The columns are the fields a card offers, from its standard
// properties: N (Nom, Prénom), FN (Nom complet), ORG (Société), TITLE
// (Fonction), TEL (Mobile for a type including "cell", Téléphone for any
// other), EMAIL (E-mail), URL (Site web) and ADR (Adresse, Code postal,
// Ville, Pays); the first of each wins.
class VCardReader : public MergeReader {
public:
    std::optional<MergeRecord> next() override;

protected:
    bool readHeader(QString *error) override;

private:
    // The next logical line: folded lines joined, a quoted-printable value
    // continued over its soft line breaks. Nothing at the end of the file.
    std::optional<QString> readLine();
    QString physicalLine();
};
