#pragma once

#include <QLibrary>

// The modules lccdtool-cli loads on demand (the song module, the print module) lie beside the
// program in the build tree and in the architecture's folder of private libraries once
// installed (../lib/<architecture>/lccdtool, where ldconfig does not look).
namespace lccd {

// The entry of that name of the module file, loaded from beside the program, else from where it
// is installed; nullptr, with the loader's reason, when neither has it. The module stays loaded
// while the program runs.
QFunctionPointer resolveProgramModule(const QString& fileName, const char* entry, QString& reason);

} // namespace lccd
