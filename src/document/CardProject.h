#pragma once

#include "CardData.h"
#include "PictureFile.h"
#include "ProjectFile.h"

// A card document to and from the content of a project file: the visible
// labels, the visible logos that have a picture file (renumbered from 1),
// the visible codes (likewise), the size and the background description. Effects are never saved.
namespace CardProject {

ProjectData describe(const CardData &card);

// Fills a card made as a new window has it (label 1 and logo 1 only) with a
// file's content: the size, each label and logo (created in file order,
// each brought in front of the others), the background description. A
// value the file does not hold leaves the property as it was; a logo
// whose picture cannot be read shows `placeholder`. Returns how many
// labels and logos of the file the card could not take.
int apply(const ProjectData &data, CardData &card, const QImage &placeholder, PictureFile::Cache &pictures);

// Reads a project file into a new card (as apply does). Incomplete: read,
// but the file holds more labels or logos than the card could take.
enum class LoadResult { Loaded, Incomplete, Unreadable, NoProject };
// `unreadableCodes` gets the numbers of the code sections left out.
LoadResult load(const QString &path, CardData &card, const QImage &placeholder, QList<int> *unreadableCodes = nullptr);

} // namespace CardProject
