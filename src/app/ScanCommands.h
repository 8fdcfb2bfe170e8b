#pragma once

#include <QString>
#include <memory>

class DialogRunner;
class QWidget;
class Scanner;
class frmProjet;
struct Services;

// The "Importation TWAIN" commands on SANE: choosing the scanner (kept in
// the settings file, section [SCANNER], key Source) and scanning a picture
// into "Images" below the application folder that becomes the card's
// background.
class ScanCommands {
public:
    ScanCommands(const Services &services, DialogRunner &dialogs, QWidget *parent);
    ~ScanCommands();

    // "Sélectionner la source...": lists the scanners found; the one
    // chosen is remembered for the next scans and the next runs.
    void selectSource();
    // "Acquérir...": asks for a file name, scans, and paints the scanned
    // picture over `card` as its background.
    void Importation_TWAIN(frmProjet &card);

    // A typed name that may become a file of "Images": no folder part, no
    // "..", no control character, no leading dot, not empty.
    static bool isPlainName(const QString &name);

private:
    Scanner &scanner();
    // Tells the user there is no scanner; true when there is none.
    bool reportNoScanner(bool none);

    const Services &m_services;
    DialogRunner &m_dialogs;
    QWidget *m_parent;
    std::unique_ptr<Scanner> m_scanner;
};
