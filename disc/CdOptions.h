#pragma once

#include "audio/LoudnessLevel.h"
#include "disc/LabelTemplate.h"

#include <QString>

// The options of the CD side: kept in the settings between runs, edited by the options dialog
// on a copy, and handed to the save, the CUE sheet and the burn.
namespace lccd {

struct CdOptions {
    // The label template's file name, looked up where the program reads its files.
    QString templateName = defaultTemplateName();
    // Unsplit mode: the folder's WAV files are not one per song. The save's question may switch
    // it on; the window then ticks both of its check boxes.
    bool noCut = false;
    // A two-second gap before every track of the CUE sheet and the burn.
    bool addGap = false;
    // Write each song's tags into its file while saving.
    bool setId3Tag = false;
    // The label product ("BRAND PART") whose first label the disc label goes on; empty for the
    // template's own sheet.
    QString labelProduct = {};
    // Also write the disc's CD-TEXT packs as a ".cdt" file beside the CUE sheet.
    bool writeCdText = true;
    // The disc label on every label of the product's sheet, not only on the first.
    bool everyLabel = false;
    // The loudness levelling of the disc's audio (image, burn and listening).
    LevelSettings level = {};
};

} // namespace lccd
