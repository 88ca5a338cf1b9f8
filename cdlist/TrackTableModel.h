#pragma once

#include "disc/TrackRow.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>

namespace lccd {

// The 25 song rows of the CD list, as the editor's grid shows them: one model row per song row
// (model row 0 is song row 1), the nine columns of TrackColumn under their header texts. Cells
// are not edited in place. The check column shows a check box (Qt::CheckStateRole) instead of
// its "1"/"0"; Qt::EditRole gives every field's stored text. A row whose file is no readable song
// is tinted, with the reason as its tooltip.
// Song rows are dragged onto other rows to move them.
class TrackTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TrackTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    // Announces the move as songDropped and returns false: the rows stay 25, and a view that
    // saw the drop succeed would clear the dragged row as after any move.
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    // Song rows by their number, 1 to kTrackRowCount (std::out_of_range otherwise).
    const TrackRow& track(int songNumber) const;
    void setTrack(int songNumber, const TrackRow& track);
    QString field(int songNumber, TrackColumn column) const;
    // Every row at once, as a copy to work on while the list may change.
    const TrackRows& rows() const { return tracks_; }
    void setRows(const TrackRows& rows);
    void setField(int songNumber, TrackColumn column, const QString& text);

    // Every row blank with its print check off, and no level notes.
    void clearTracks();

    // What the loudness levelling does to each song, by its file name column (trimmed), shown
    // as the tooltip of its row.
    void setLevelNotes(QHash<QString, QString> notes);

    static QString headerText(TrackColumn column);
    // The width in pixels a column starts with; the file name column is 1 pixel wide, so that
    // in effect it is hidden.
    static int initialColumnWidth(TrackColumn column);
    // The tint of a row whose file is no readable song.
    static QColor unreadableRowColor() { return QColor(255, 214, 214); }

signals:
    // A song row was dragged onto the row songNumber.
    void songDropped(int fromSongNumber, int songNumber);

private:
    void emitRowChanged(int songNumber);

    TrackRows tracks_;
    QHash<QString, QString> levelNotes_;
};

} // namespace lccd
