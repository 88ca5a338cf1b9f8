#pragma once

#include <QString>

// The command line speaks the language of the user's message locale: Japanese when it is a
// Japanese one (LC_ALL, LC_MESSAGES or LANG starting with "ja"), English otherwise. The
// program's own messages (errors from files, the CD list editor's checks) stay Japanese.
namespace lccd {

bool japaneseMessages();

// The English or the Japanese text, as the locale asks.
QString localText(const char* english, const char* japanese);

// The usage text of lccdtool-cli, as --help prints it and its manual page says it.
QString cliHelpText(bool japanese = japaneseMessages());

} // namespace lccd
