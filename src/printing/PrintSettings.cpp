#include "PrintSettings.h"

#include "PaperSizes.h"

PrintSettings::PrintSettings(const QString &appDir, Prompts &prompts)
    : m_formats(appDir, prompts),
      m_paperCode(PaperSizes::DefaultCode),
      m_paperIndex(PaperSizes::DefaultCode - 1),
      m_customTexts{QStringLiteral("210"), QStringLiteral("297")},
      m_sheets(QStringLiteral("1")),
      m_zoom(QStringLiteral("100"))
{
}

bool PrintSettings::Charger_Formats(bool reportErrors)
{
    const bool read = m_formats.Charger_Formats(reportErrors);
    if (read)
        selectFormat(m_formats.selectedIndex());
    return read;
}

void PrintSettings::selectFormat(int index)
{
    m_formats.select(index);
    if (m_formats.selectedIndex() != index)
        return;
    const SheetFormat &format = m_formats.selectedFormat();
    if (format.isComplete() && format.paperCode()) {
        m_custom = false;
        m_paperIndex = *format.paperCode() - 1;
        m_paperCode = *format.paperCode();
    }
}

void PrintSettings::selectPaper(int index)
{
    if (!PaperSizes::isStandard(index + 1))
        return;
    m_paperIndex = index;
    if (!m_custom)
        m_paperCode = index + 1;
}

void PrintSettings::setCustomPaper(bool custom)
{
    m_custom = custom;
    m_paperCode = custom ? PaperSizes::Custom : m_paperIndex + 1;
}

void PrintSettings::setCustomText(int which, const QString &text)
{
    m_customTexts[std::size_t(which == 0 ? 0 : 1)] = text;
    m_custom = true;
    m_paperCode = PaperSizes::Custom;
}

void PrintSettings::setQuality(int quality)
{
    if (quality <= SheetJob::Draft && quality >= SheetJob::High)
        m_quality = quality;
}

void PrintSettings::setOrientation(int orientation)
{
    if (orientation == Portrait || orientation == Landscape)
        m_orientation = orientation;
}

void PrintSettings::setColorMode(int mode)
{
    if (mode == Monochrome || mode == Color)
        m_colorMode = mode;
}

QString PrintSettings::description() const
{
    QString text = m_formats.description();
    const std::optional<SheetJob> sheet = job(nullptr);
    if (sheet && !m_card.isEmpty()) {
        const QString warning = sheet->layout(m_card, SheetTarget::Print).overflowText();
        if (!warning.isEmpty())
            text += QStringLiteral("\r\n") + warning;
    }
    return text;
}

std::optional<SheetJob> PrintSettings::job(QString *error) const
{
    if (!m_formats.canPrint()) {
        if (error)
            *error = SheetFormat::incompleteText();
        return std::nullopt;
    }
    const std::optional<SheetFields::Grid> grid = SheetFields::readGrid(m_formats.fields(), error);
    if (!grid)
        return std::nullopt;
    const std::optional<int> sheets = SheetFields::readField(m_sheets, SheetFields::sheetsName(), 1, MaxSheets, error);
    if (!sheets)
        return std::nullopt;
    const std::optional<int> zoom = SheetFields::readField(m_zoom, SheetFields::zoomName(), MinZoom, MaxZoom, error);
    if (!zoom)
        return std::nullopt;

    SheetJob job;
    job.grid = *grid;
    job.stock = m_formats.selectedFormat().stock();
    job.paperCode = m_paperCode;
    if (m_paperCode == PaperSizes::Custom) {
        const std::optional<int> width =
            SheetFields::readField(m_customTexts[0], SheetFields::customWidthName(), 1, MaxCustomMm, error);
        if (!width)
            return std::nullopt;
        const std::optional<int> height =
            SheetFields::readField(m_customTexts[1], SheetFields::customHeightName(), 1, MaxCustomMm, error);
        if (!height)
            return std::nullopt;
        job.customMm = QSizeF(*width, *height);
    }
    job.landscape = m_orientation == Landscape;
    job.quality = m_quality;
    job.grayscale = m_colorMode == Monochrome;
    job.zoomPercent = *zoom;
    job.sheets = *sheets;
    job.noCutMarks = m_noCutMarks;
    return job;
}
