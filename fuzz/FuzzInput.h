#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// What the fuzz targets share: turning the fuzzer's bytes into the inputs the readers take.
namespace lccd::fuzz {

// The bytes read as UTF-16 code units (native order; an odd last byte is dropped), so that
// every unit, lone surrogates and NUL included, can occur.
QString utf16Text(const uint8_t* data, size_t size);

// Writes the bytes to the file of that name in this process's scratch folder (under the
// temporary folder) and returns its path, for the readers that take a path.
QString scratchFile(const uint8_t* data, size_t size, const QString& name);

// Stops the run as a finding when a property the readers promise does not hold.
void require(bool holds, const char* what);

// The Qt application some readers need (timers, the offscreen platform for fonts).
void startQtApplication();

} // namespace lccd::fuzz
