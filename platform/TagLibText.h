#pragma once

#include <QByteArray>

#include <taglib/tstring.h>

// Tag texts between TagLib and the program's code page 932 bytes. Japanese tag writers store
// Shift-JIS bytes in ID3v1 and ID3v2 Latin-1 fields; TagLib reads such bytes as
// Latin-1 characters (one character per byte), which gives the bytes back unchanged.
namespace lccd {

// Makes TagLib read ID3v1 texts byte for byte (its default is trimmed Latin-1). TagLib keeps one
// handler per tag kind for the whole process.
void useRawTagStrings();

// The bytes of a text TagLib read with one character per byte.
QByteArray rawBytes(const TagLib::String& text);

// A text read from a field, as code page 932 bytes: Latin-1 fields keep their bytes, fields of
// any other encoding are converted.
QByteArray codePageBytes(const TagLib::String& text, bool latin1Field);

} // namespace lccd
