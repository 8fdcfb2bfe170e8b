#pragma once

#include <QByteArray>

// An SVG picture cut off from every other file: Qt's SVG renderer would
// open the file an `<image>` names (a pipe there blocks it for good, and any
// local picture could be pulled into a card). The document is rewritten
// without its external references: `href` and `xlink:href` that name
// neither a part of the document ("#id") nor embedded data ("data:"), CSS
// `@import`, processing instructions (style sheets) and the document type
// with its entities. Embedded SVG pictures are cut off the same way.
namespace SelfContainedSvg {

// The rewritten document; empty when `svg` is not well-formed XML.
QByteArray make(const QByteArray &svg);

// Whether `bytes` start like a compressed (gzip) document.
bool isCompressed(const QByteArray &bytes);

} // namespace SelfContainedSvg
