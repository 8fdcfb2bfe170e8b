#pragma once

#include "MergeReader.h"

// A list saved as CSV by a spreadsheet: the first non-empty line names the
// columns and tells the separator (";", "," or a tab, the one it holds most
// outside quotes; ";" when tied, as French spreadsheets write).
class CsvReader : public MergeReader {
public:
    std::optional<MergeRecord> next() override;

protected:
    bool readHeader(QString *error) override;

private:
    // The values of the next line that is not empty, and the line it
    // starts on; nothing at the end of the file.
    std::optional<std::pair<int, QStringList>> readLine();

    QChar m_separator = u';';
};
