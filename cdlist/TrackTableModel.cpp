#include "cdlist/TrackTableModel.h"

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
    if (column == TrackColumn::Number)
        return role == Qt::DisplayRole || role == Qt::EditRole ? trackNumberText(songNumber)
                                                               : QVariant();
    const QString text = field(songNumber, column);
    switch (role) {
    case Qt::DisplayRole:
        return column == TrackColumn::Check ? QString() : text;
    case Qt::EditRole:
        return text;
    case Qt::CheckStateRole:
        if (column == TrackColumn::Check)
            return text == QLatin1String("1") ? Qt::Checked : Qt::Unchecked;
        return {};
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
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
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

void TrackTableModel::clearTracks() {
    beginResetModel();
    tracks_.fill(TrackRow());
    endResetModel();
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
