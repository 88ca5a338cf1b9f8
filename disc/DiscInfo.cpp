#include "disc/DiscInfo.h"

namespace lccd {

QStringList defaultGenres() {
    return {QStringLiteral("JPop"),
            QStringLiteral("Jazz"),
            QStringLiteral("Waltz"),
            QStringLiteral("歌謡曲"),
            QStringLiteral("民謡"),
            QStringLiteral("唱歌"),
            QStringLiteral("童謡"),
            QStringLiteral("シャンソン"),
            QStringLiteral("ジャズ"),
            QStringLiteral("ロック"),
            QStringLiteral("ニュー･ミュージック"),
            QStringLiteral("ダンス"),
            QStringLiteral("謡曲"),
            QStringLiteral("浪曲"),
            QStringLiteral("行進曲")};
}

void DiscInfo::setFolderPath(const QString& path) {
    folderPath = path;
    folderBoxText = path;
}

void DiscInfo::setJacketPath(const QString& path) {
    jacketPath = path;
    jacketBoxText = path;
}

void DiscInfo::selectGenreEntry() {
    genreIndex = -1;
    for (int i = 0; i < genreList.size() && genreIndex < 0; ++i)
        if (genreList[i].compare(genre, Qt::CaseInsensitive) == 0)
            genreIndex = i;
}

void DiscInfo::chooseGenre(const QString& text) {
    genre = text;
    selectGenreEntry();
    if (genreIndex < 0) {
        genreList.append(text);
        genreIndex = int(genreList.size()) - 1;
    }
}

QString DiscInfo::selectedGenre() const {
    return genreIndex >= 0 && genreIndex < genreList.size() ? genreList[genreIndex] : QString();
}

} // namespace lccd
