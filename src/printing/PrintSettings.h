#pragma once

#include "SheetFormats.h"
#include "SheetJob.h"

#include <QString>

#include <array>
#include <optional>

class Prompts;

// What the print dialog holds while the program runs: the paper (a standard
// item or a custom size), quality, orientation, colour, number of sheets,
// zoom, the cut-mark box and the sheet formats with their six layout
// fields. The dialog shows this state and passes the user's changes on;
// job() reads it all into a SheetJob.
class PrintSettings {
public:
    enum Orientation { Portrait = 1, Landscape = 2 };
    enum ColorMode { Monochrome = 1, Color = 2 };
    // Limits of the fields besides the layout ones.
    static constexpr int MaxSheets = 32767;

    PrintSettings(const QString &appDir, Prompts &prompts);

    SheetFormats &formats() { return m_formats; }
    const SheetFormats &formats() const { return m_formats; }
    // Reads the formats file into the list and selects its first format
    // (as selectFormat() does). With `reportErrors`, a file that cannot be
    // read is reported.
    bool Charger_Formats(bool reportErrors);
    // A click in the formats list: the fields, the description and, for a
    // line that names one, the paper.
    void selectFormat(int index);

    // Paper: the code of the standard item (1 to 41) or 256 for the custom
    // size. The list keeps its selection while the custom size is used.
    int paperCode() const { return m_paperCode; }
    bool customPaper() const { return m_custom; }
    // The selected item of the paper list, 0 to 40.
    int paperIndex() const { return m_paperIndex; }
    void selectPaper(int index);
    // "Papier standard :" (false) or "Personnalisé :" (true).
    void setCustomPaper(bool custom);
    // The custom width (0) and height (1) in millimetres as typed; typing
    // makes the paper custom.
    const QString &customText(int which) const { return m_customTexts[std::size_t(which == 0 ? 0 : 1)]; }
    void setCustomText(int which, const QString &text);

    int quality() const { return m_quality; }
    void setQuality(int quality);
    int orientation() const { return m_orientation; }
    void setOrientation(int orientation);
    int colorMode() const { return m_colorMode; }
    void setColorMode(int mode);

    const QString &sheetsText() const { return m_sheets; }
    void setSheetsText(const QString &text) { m_sheets = text; }
    const QString &zoomText() const { return m_zoom; }
    void setZoomText(const QString &text) { m_zoom = text; }
    bool noCutMarks() const { return m_noCutMarks; }
    void setNoCutMarks(bool on) { m_noCutMarks = on; }

    // The card the dialog prints, for the description's warning.
    void setCardSize(const CardSize &card) { m_card = card; }

    // The "Propriétés du format :" text: the selected format's description,
    // followed by a warning when the grid runs off the paper.
    QString description() const;

    // Every field read and checked. On bad input `error` holds the French
    // message naming the field (or the incomplete format's sentence).
    std::optional<SheetJob> job(QString *error) const;

private:
    static constexpr int MinZoom = 1;
    static constexpr int MaxZoom = 1000;
    // PDF pages are at most 200 inches wide and high.
    static constexpr int MaxCustomMm = 5080;
    SheetFormats m_formats;
    int m_paperCode;
    int m_paperIndex;
    bool m_custom = false;
    std::array<QString, 2> m_customTexts;
    int m_quality = SheetJob::Normal;
    int m_orientation = Portrait;
    int m_colorMode = Color;
    QString m_sheets;
    QString m_zoom;
    bool m_noCutMarks = false;
    CardSize m_card;
};
