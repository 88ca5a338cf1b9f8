#pragma once

#include "render/PagePicture.h"

#include <QString>

// Writing a recorded page to a file, as the paper it was recorded for: a vector PDF (text
// stays text, fonts embedded) or a PNG picture. Each replaces its file only once it is
// complete; a failure throws AppError "ファイル %s を作成できません". The page is what prints;
// withScreenOnly adds what the preview shows above it (label guides).
namespace lccd {

void exportPagePdf(const PagePicture& page, const QString& path, bool withScreenOnly = false);
void exportPagePng(const PagePicture& page, int dpi, const QString& path,
                   bool withScreenOnly = false);

} // namespace lccd
