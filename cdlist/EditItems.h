#pragma once

#include "cdlist/EditorCommands.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace lccd {

// The tag and time dialog: one song's title, performer, album, comment, release year, genre
// and playing time.
class TfrmEditItems : public QDialog {
    Q_OBJECT

public:
    explicit TfrmEditItems(QWidget* parent = nullptr);

    // Fills the boxes; the genre list becomes genres, with the entry equal to the song's genre
    // (letter case ignored) selected, or none.
    void setEdit(const SongEdit& edit, const QStringList& genres);
    SongEdit edit() const;

private:
    QLineEdit* edtName = nullptr;
    QLineEdit* edtPaformer = nullptr;
    QLineEdit* editAlubm = nullptr;
    QLineEdit* edtComment = nullptr;
    QLineEdit* edtRelease = nullptr;
    QComboBox* cmbGenre = nullptr;
    QLineEdit* edtHour = nullptr;
    QLineEdit* edtMin = nullptr;
    QLineEdit* edtSec = nullptr;
};

} // namespace lccd
