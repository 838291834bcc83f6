// Puts a QSaveFile's new file in place only when every byte reached the disk.
#pragma once

#include <QSaveFile>

// QSaveFile::commit() ignores a failure of its last flush, so a file cut short
// by a full disk would replace the earlier one. Without a commit the
// destructor throws the new file away.
inline bool CommitWhole(QSaveFile& file) { return file.flush() && file.commit(); }
