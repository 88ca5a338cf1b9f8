#pragma once

#include "cdlist/CdListPresenter.h"
#include "platform/CodePage.h"
#include "tests/support/DesktopSongs.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TestSongs.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace lccd {

inline void PrintTo(const TrackRow& row, std::ostream* out) {
    *out << QStringList{row.check, row.time, row.title, row.performer,
                        row.album, row.year, row.genre, row.fileName}
                .join(QLatin1Char('|'))
                .toStdString();
}

} // namespace lccd

// A disc folder in a temporary directory with the CD list editor pointed at it, for the tests
// of the files the editor reads and writes.
namespace lccd::test {

// What a text file of these lines holds: Shift-JIS, CR LF after every line, no byte-order mark.
inline QByteArray sjisFileBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += toSjis(line) + "\r\n";
    return bytes;
}

inline TrackRow song(const QString& title, const QString& performer = QString(),
                     const QString& fileName = QString(), const QString& time = QString()) {
    TrackRow row;
    row.check = QStringLiteral("1");
    row.title = title;
    row.performer = performer;
    row.fileName = fileName;
    row.time = time;
    return row;
}

class DiscFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        editor_.disc().setFolderPath(dir_.path());
    }

    QString path(const QString& name) const { return dir_.filePath(name); }

    // A WAV song of whole seconds in the folder, with a title tag when one is given.
    QString addWav(const QString& name, int seconds, const QString& title = QString()) {
        QList<InfoField> info;
        if (!title.isEmpty())
            info.append({"INAM", toSjis(title)});
        writeTestWav(path(name), qint64(seconds) * 8000, {8000, 1, 8}, info);
        return path(name);
    }

    // Every disc field filled, the genre selected from the list and the jacket in the folder.
    void setDiscFields() {
        DiscInfo& disc = editor_.disc();
        disc.albumTitle = QStringLiteral("海の歌 ");
        disc.subtitle1 = QStringLiteral(" 副題");
        disc.subtitle2 = QStringLiteral("二");
        disc.discPerformer = QStringLiteral("表ソ");
        disc.discId = QStringLiteral("0042");
        disc.catalog = QStringLiteral("4988001");
        disc.genre = QStringLiteral("jazz");
        disc.selectGenreEntry();
        disc.releaseYear = QStringLiteral("2009");
        disc.setJacketPath(path("front.jpg"));
    }

    void setSongs(const QList<TrackRow>& songs) {
        for (int i = 0; i < songs.size(); ++i)
            editor_.tracks().setTrack(i + 1, songs[i]);
    }

    QTemporaryDir dir_;
    DesktopSongs songs_;
    CdListPresenter editor_{songs_.services()};
};

} // namespace lccd::test
