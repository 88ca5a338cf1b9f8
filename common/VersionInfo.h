#pragma once

#include <QString>

// The program's version information, compiled into it.
namespace lccd {

// Index of each entry: 0 "Comments" (the project's web address), 1 "CompanyName",
// 2 "FileDescription", 3 "FileVersion", 4 "InternalName", 5 "LegalCopyright",
// 6 "LegalTrademarks", 7 "OriginalFilename", 8 "PrivateBuild", 9 "ProductName",
// 10 "ProductVersion", 11 "SpecialBuild": the standard entries in the desktop's documented
// order.
constexpr int kVersionInfoCount = 12;
QString versionInfoName(int index);

// The value of entry index; empty for an index out of range or an entry without a value.
QString VersionInfoValue(int index);

// The "FileVersion" value: four dot-separated numbers.
QString FileVersionText();

} // namespace lccd
