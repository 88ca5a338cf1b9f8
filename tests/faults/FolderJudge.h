#pragma once

#include "tests/faults/ShimRun.h"

#include <QStringList>

// Whether a folder that a failed or killed run left is as the promise of every writer says:
// each file the old bytes (or absent, where there was none) or the new ones of a run without
// faults, and nothing beside them.
namespace lccd::test {

// What is wrong with after, each as a line: a file neither old nor new, a file beyond the
// expected ones.
QStringList fileProblems(const Snapshot& before, const Snapshot& reference, const Snapshot& after);

// fileProblems, and what is wrong with the exit status: success although a file kept its old
// bytes, or although a sync failed (syncFailed), after which nothing is known to be on the disk
// however complete the file looks. Other failed calls a writer may get over (a retried write, a
// fallback), so their run is judged by the files alone.
QStringList judgeFolder(const Snapshot& before, const Snapshot& reference, const Snapshot& after,
                        int exitCode, bool syncFailed);

} // namespace lccd::test
