#pragma once

#include <QString>
#include <QStringList>

namespace lccd {

// The file an image or paragraph row names. An absolute path stays as it is; a relative one is
// looked for in each of the folders in turn (empty ones skipped), then in the current folder,
// and the first that exists is taken. When none exists, the path in the first folder is
// returned, which draws nothing.
QString resolveRowFile(const QString& value, const QStringList& folders);

} // namespace lccd
