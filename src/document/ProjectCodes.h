#pragma once

#include "CardCode.h"
#include "platform/ProfileFile.h"

#include <QList>
#include <vector>

// The codes of a project file, in sections of their own after every other
// one: [CODE 1] to [CODE n], then [CODE] with their number. A project
// without codes has none of these sections, and a reader that does not
// know them skips them.
//
//   Type=QR            QR, DataMatrix, EAN13 or Code128
//   Contenu1=…         the content in pieces of at most 150 characters,
//   Contenu2=…         joined in order; a line break is written \n and a
//                      backslash \\ (a reader takes pieces of any length)
//   Correction=M       QR only: L, M, Q or H
//   Left=, Top=        twips
//   Width=, Height=    twips: the symbol's side or the bar code's width,
//                      quiet zone included; the bar height
//   ForeColor=0        packed RGB
//   BackColor=-1       -1 transparent, else packed RGB
namespace ProjectCodes {

// Characters of one content piece.
constexpr int PieceLength = 150;

void write(ProfileFile &out, const std::vector<CardCode> &codes);

// The codes the file holds, numbered in order; the numbers of the
// sections that cannot be read go to `unreadable`.
std::vector<CardCode> read(const ProfileFile &in, QList<int> &unreadable);

// Whether a code's content can be drawn: it encodes, or it holds merge
// fields, which only a record's values can tell.
bool drawable(const CardCode &code);

// "Le code 2 de ce projet ne peut pas être lu : il est laissé de côté."
// (or the codes, when several), or empty.
QString unreadableMessage(const QList<int> &numbers);

// The content as stored (line breaks and backslashes escaped), and back.
QString escape(const QString &content);
QString unescape(const QString &stored);

} // namespace ProjectCodes
