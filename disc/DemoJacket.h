#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The demo jacket: the built-in jacket template filled with a made-up disc, the first label a
// newcomer sees.
namespace lccd {

constexpr int kDefaultDemoSongs = 6;

// Its layout file lines (Shift-JIS, the header first) for a disc of songCount songs (1 to 25).
QList<QByteArray> demoJacketLines(int songCount = kDefaultDemoSongs);

// Stores the demo jacket as the INI file's stored layout. Throws AppError when it cannot.
void storeDemoJacket(const QString& iniPath);

} // namespace lccd
