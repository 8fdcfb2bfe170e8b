#pragma once

#include "CardCode.h"
#include "platform/Colors.h"
#include "platform/ProfileFile.h"

#include <QList>
#include <QString>
#include <optional>
#include <vector>

// The content of a project file (.prj), without any widget: the card size,
// the saved labels and logos in file order, and the background description.
//
// A value the file does not hold, or holds in a form that does not convert,
// is empty (nullopt), so that the card window leaves the property as it
// was. Texts are never empty-optional: a missing text reads as "".
struct ProjectLabel {
    QString caption;
    QString fontName;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<float> fontSize;
    std::optional<bool> strikethru;
    std::optional<bool> underline;
    std::optional<OleColor> foreColor;
    std::optional<float> top;
    std::optional<float> left;
    // 0 left (written only when not), 1 centred, 2 right.
    int alignment = 0;

    friend bool operator==(const ProjectLabel &, const ProjectLabel &) = default;
};

struct ProjectLogo {
    std::optional<float> top;
    std::optional<float> left;
    QString tag;
    // Stretched only when the file says true; the size is kept only then.
    bool stretch = false;
    std::optional<float> width;
    std::optional<float> height;

    friend bool operator==(const ProjectLogo &, const ProjectLogo &) = default;
};

struct ProjectBackground {
    std::optional<int> kind;     // 0 default, 1 gradient, 2 picture
    std::optional<OleColor> color1;
    std::optional<OleColor> color2;
    std::optional<OleColor> color3;
    std::optional<int> option;   // gradient orientation
    QString picture;             // background picture path (kind 2)

    friend bool operator==(const ProjectBackground &, const ProjectBackground &) = default;
};

// The list a card is merged with: the file and the copies of each record.
struct ProjectMerge {
    QString file;
    int copies = 1;

    friend bool operator==(const ProjectMerge &, const ProjectMerge &) = default;
};

struct ProjectData {
    // Outer size of the card, twips.
    std::optional<double> width;
    std::optional<double> height;
    std::vector<ProjectLabel> labels;
    std::vector<ProjectLogo> logos;
    ProjectBackground background;
    // A later addition, section [FUSION] after the others, written only
    // for a card merged with a list: a card without one is written as
    // before, and readers that do not know it skip it.
    std::optional<ProjectMerge> merge;
    // Codes, in file order (their index is their number); a project
    // without codes is written without a trace of them.
    std::vector<CardCode> codes;
    // Numbers of the code sections that could not be read (an unknown
    // kind, a content that does not encode): left out of `codes`.
    QList<int> unreadableCodes;
    // Items the file holds beyond what a card keeps (MaxItems of each
    // kind): read, they are not described here.
    int leftOut = 0;

    friend bool operator==(const ProjectData &, const ProjectData &) = default;
};

// Writes and reads the sections and keys of a project file, in the order
// and with the value forms of existing project files written on Windows:
// lengths as singles with a decimal comma, "Vrai"/"Faux", signed 32-bit
// colours, sections [FORMAT], [LABEL 1..n], [LOGO 1..m], [FOND], then the
// counts in [LABEL] and [LOGO].
namespace ProjectFile {

// Items a card can hold: indexes are 16-bit. The reader never describes
// more, whatever a count says.
constexpr int MaxItems = 32767;
// Card sides beyond 100 cm are not a card (the new-project wizard stops at
// 23 cm); such a size is taken as unconvertible.
constexpr double MaxCardSide = 56700.0;
// Positions and sizes of items beyond this many twips (about 176 m) are
// taken as unconvertible, so that corrupt values never reach the drawing.
constexpr double MaxLength = 1.0e7;

// The whole file content. A value that is absent in `data` is written as an
// empty value, which reads back as absent.
ProfileFile write(const ProjectData &data);

// The content of a profile. Counts are 32-bit; the items read are capped at
// the highest "LABEL k" (resp. "LOGO k") section present and at MaxItems;
// a count that cannot be read reads every section present.
ProjectData read(const ProfileFile &profile);

// Whether the profile holds any section of a project ([FORMAT], [FOND],
// [LABEL], [LOGO], [LABEL n], [LOGO n]): a file without one is no project.
bool hasProject(const ProfileFile &profile);

} // namespace ProjectFile
