#pragma once

#include "book/ReplacementFile.h"

#include <QByteArray>

namespace ui {

// Copies the file `source` byte for byte into a new file `target`; both paths are in the
// file system's encoding. A file already at `target` is never touched, and a target left
// half written by a failure is removed. A failure raises WindowError naming the target
// and the reason.
void copyToNewFile(const QByteArray& source, const QByteArray& target);
// The same with the source named from a folder held.
void copyToNewFile(const book::FileInFolder& source, const QByteArray& target);

} // namespace ui
