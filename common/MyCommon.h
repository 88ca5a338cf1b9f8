#pragma once

// The shared helpers on system-code-page text and the file, message and version helpers.
#include "common/ColorText.h"
#include "common/FileHelpers.h"
#include "common/Messages.h"
#include "common/Numbers.h"
#include "common/SjisCsv.h"
#include "common/VersionInfo.h"
