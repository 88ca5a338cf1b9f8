#pragma once

#include <QString>

#include <functional>

class QFontMetrics;

namespace lccd {

// Shortens a path for display so that it fits: leading folders are replaced by "..." one at a
// time, then the root goes, then the "...". For /a/b/c/f.jpg the forms tried after the full
// path are /.../b/c/f.jpg, /.../c/f.jpg, /.../f.jpg, .../f.jpg and f.jpg; the first that fits
// is returned (the bare file name when none does).
QString shortenPath(const QString& path, const std::function<bool(const QString&)>& fits);

// The same, fitting the text into a width in pixels of the given font.
QString shortenPath(const QString& path, const QFontMetrics& metrics, int width);

} // namespace lccd
