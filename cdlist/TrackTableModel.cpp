#include "cdlist/TrackTableModel.h"

#include "platform/BlankTrim.h"

#include <QMimeData>

namespace lccd {
namespace {

struct ColumnLook {
    const char16_t* header;
    int width;
};

constexpr std::array<ColumnLook, kTrackColumnCount> kColumns = {{
    {u"", 30},
    {u"使", 20},
    {u" 時間", 50},
    {u"    曲  名", 220},
    {u"    演  者", 150},
    {u"    アルバム", 150},
    {u"   年", 50},
    {u"ジャンル", 50},
    {u"Filename", 1},
}};

// What a dragged song row carries: its number.
const QString kSongRowType = QStringLiteral("application/x-lccdtool-song-row");

} // namespace

TrackTableModel::TrackTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int TrackTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTrackRowCount;
}

int TrackTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTrackColumnCount;
}

QVariant TrackTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const auto column = TrackColumn(index.column());
    const int songNumber = index.row() + 1;
    if (column == TrackColumn::Number && (role == Qt::DisplayRole || role == Qt::EditRole))
        return trackNumberText(songNumber);
    const QString text = field(songNumber, column);
    const QString& unreadable = track(songNumber).unreadable;
    switch (role) {
    case Qt::DisplayRole:
        return column == TrackColumn::Check ? QString() : text;
    case Qt::EditRole:
        return text;
    case Qt::CheckStateRole:
        if (column == TrackColumn::Check)
            return text == QLatin1String("1") ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ToolTipRole:
        if (unreadable.isEmpty())
            return levelNotes_.value(trimBlanks(track(songNumber).fileName), QString());
        return unreadable + QStringLiteral("\nこのファイルはCUEシートとラベルに入りません");
    case Qt::BackgroundRole:
        return unreadable.isEmpty() ? QVariant() : unreadableRowColor();
    default:
        return {};
    }
}

QVariant TrackTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kTrackColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return headerText(TrackColumn(section));
    return {};
}

Qt::ItemFlags TrackTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags cell = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
    return isTitleEmptyTrimmed(track(index.row() + 1).title) ? cell : cell | Qt::ItemIsDragEnabled;
}

QStringList TrackTableModel::mimeTypes() const {
    return {kSongRowType};
}

QMimeData* TrackTableModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setData(kSongRowType, QByteArray::number(indexes.first().row() + 1));
    return data;
}

Qt::DropActions TrackTableModel::supportedDropActions() const {
    return Qt::MoveAction;
}

bool TrackTableModel::dropMimeData(const QMimeData* data, Qt::DropAction, int row, int,
                                   const QModelIndex& parent) {
    bool isNumber = false;
    const int from = data ? data->data(kSongRowType).toInt(&isNumber) : 0;
    // Dropped onto a cell, or between rows (then before the row), or below the last one.
    const int target = parent.isValid() ? parent.row() : row >= 0 ? row : kTrackRowCount - 1;
    if (isNumber && from >= 1 && from <= kTrackRowCount)
        emit songDropped(from, target + 1);
    return false;
}

const TrackRow& TrackTableModel::track(int songNumber) const {
    return tracks_.at(size_t(songNumber - 1));
}

void TrackTableModel::setTrack(int songNumber, const TrackRow& track) {
    tracks_.at(size_t(songNumber - 1)) = track;
    emitRowChanged(songNumber);
}

QString TrackTableModel::field(int songNumber, TrackColumn column) const {
    return track(songNumber).field(column);
}

void TrackTableModel::setField(int songNumber, TrackColumn column, const QString& text) {
    tracks_.at(size_t(songNumber - 1)).setField(column, text);
    emitRowChanged(songNumber);
}

void TrackTableModel::setRows(const TrackRows& rows) {
    tracks_ = rows;
    emit dataChanged(index(0, 0), index(kTrackRowCount - 1, kTrackColumnCount - 1));
}

void TrackTableModel::clearTracks() {
    beginResetModel();
    tracks_.fill(TrackRow());
    levelNotes_.clear(); // they told of songs no longer listed
    endResetModel();
}

void TrackTableModel::setLevelNotes(QHash<QString, QString> notes) {
    levelNotes_ = std::move(notes);
    emit dataChanged(index(0, 0), index(kTrackRowCount - 1, kTrackColumnCount - 1),
                     {Qt::ToolTipRole});
}

QString TrackTableModel::headerText(TrackColumn column) {
    return QString::fromUtf16(kColumns.at(size_t(column)).header);
}

int TrackTableModel::initialColumnWidth(TrackColumn column) {
    return kColumns.at(size_t(column)).width;
}

void TrackTableModel::emitRowChanged(int songNumber) {
    const int row = songNumber - 1;
    emit dataChanged(index(row, 0), index(row, kTrackColumnCount - 1));
}

} // namespace lccd
