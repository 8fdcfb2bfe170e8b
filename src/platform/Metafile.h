#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

// Windows metafiles (WMF, EMF) as pictures. The libraries that read them
// run in a child process, the metafile helper, under a limit of CPU time
// and of memory: a library call cannot be stopped from inside, and a file
// that makes it loop or swell must cost a refused picture, not the
// program.
namespace Metafile {

enum class Kind { None, Wmf, Emf };

// The kind the bytes start like (their signature; nothing is decoded).
Kind kind(const QByteArray &bytes);

// The size the metafile's header gives, in screen pixels (96 per inch):
// a placeable WMF's box and units per inch, an EMF's frame in hundredths
// of a millimetre. Invalid when the header gives none (a WMF without the
// placeable header) or an absurd one.
QSize naturalSize(const QByteArray &bytes);

// The metafile as an SVG document, converted by the helper; empty when it
// cannot be read, or when the helper is missing, fails or passes its
// limits.
QByteArray toSvg(const QByteArray &bytes);

// The helper program: by default beside the executable, or in the
// installed program's lib/brivadune folder.
QString helperPath();
// Another helper (tests; an empty path restores the default).
void setHelperPath(const QString &path);

// The limits the helper runs under.
constexpr int CpuSeconds = 2;
constexpr qint64 MemoryBytes = 256LL * 1024 * 1024;

} // namespace Metafile
