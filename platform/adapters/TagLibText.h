#pragma once

#include <QByteArray>

#include <taglib/tstring.h>

// Tag texts between TagLib and the bytes of tag values. Japanese tag writers store Shift-JIS
// bytes in ID3v1 and ID3v2 Latin-1 fields; TagLib reads such bytes as Latin-1 characters (one
// character per byte), which gives the bytes back unchanged. Texts stored in a Unicode encoding
// are given as UTF-8.
namespace lccd {

// Makes TagLib read ID3v1 texts byte for byte (its default is trimmed Latin-1). TagLib keeps one
// handler per tag kind for the whole process.
void useRawTagStrings();

// The bytes of a text TagLib read with one character per byte.
QByteArray rawBytes(const TagLib::String& text);

// A text as UTF-8 bytes.
QByteArray utf8Bytes(const TagLib::String& text);

} // namespace lccd
