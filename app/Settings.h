#pragma once

#include "disc/CdOptions.h"

#include <QString>

// The settings kept in the program's INI file between runs.
namespace lccd {

struct AppSettings {
    int top = 117; // main window, pixels
    int left = 223;
    int width = 870;
    int height = 606;
    int windowState = 0; // 0 normal, 1 minimised, 2 maximised
    int zoom = 75;       // preview zoom, percent (25-200)
    int hoseiX = 0;      // print corrections, layout units
    int hoseiY = 0;
    QString lastProject;
    CdOptions cd;
};

// Reads the settings; absent or unreadable values keep their defaults.
AppSettings LoadSettings(const QString& iniPath);

// Writes the settings into the INI file, keeping everything else it holds. Throws AppError
// "ファイル %s を作成できません" when the file cannot be written.
void SaveSettings(const QString& iniPath, const AppSettings& settings);

} // namespace lccd
