#pragma once

#include <QString>

// The folder of this user's running program: where the single-instance
// lock and the socket that hands files over live. It is the user's runtime
// folder (XDG_RUNTIME_DIR) when there is one; otherwise a folder of the
// user's own in the temporary folder, "brivadune-<user id>", mode 0700,
// never the shared temporary folder itself, so that another local user can
// neither block the program from starting nor receive the files it hands
// over.
namespace RuntimeFolder {

// The folder, made when missing; empty when the folder found there is not
// private (another user's, open to others, not a folder), `error` then
// holding a French sentence telling why.
QString path(QString *error = nullptr);

} // namespace RuntimeFolder
