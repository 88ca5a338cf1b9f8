#pragma once

// The shared helpers on system-code-page text and the file, message, wait and version helpers.
#include "common/ColorText.h"
#include "common/FileHelpers.h"
#include "common/Numbers.h"
#include "common/SjisCsv.h"
#include "common/VersionInfo.h"
#include "platform/EventWait.h"
#include "platform/Messages.h"
