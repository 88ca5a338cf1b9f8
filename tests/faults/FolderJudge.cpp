#include "tests/faults/FolderJudge.h"

#include <QSet>

namespace lccd::test {
namespace {

QString sizeText(const Snapshot& files, const QString& name) {
    return files.contains(name) ? QStringLiteral("%1 bytes").arg(files.value(name).size())
                                : QStringLiteral("absent");
}

// How much of the new content a broken file starts with.
qsizetype commonStart(const QByteArray& a, const QByteArray& b) {
    const qsizetype length = qMin(a.size(), b.size());
    qsizetype i = 0;
    while (i < length && a[i] == b[i])
        ++i;
    return i;
}

} // namespace

QStringList fileProblems(const Snapshot& before, const Snapshot& reference, const Snapshot& after) {
    QStringList problems;
    QSet<QString> expected;
    for (const Snapshot* files : {&before, &reference})
        for (auto file = files->begin(); file != files->end(); ++file)
            expected.insert(file.key());
    for (const QString& name : QStringList(expected.begin(), expected.end())) {
        const bool old = before.contains(name) == after.contains(name) &&
                         before.value(name) == after.value(name);
        const bool complete = reference.contains(name) == after.contains(name) &&
                              reference.value(name) == after.value(name);
        if (old || complete)
            continue;
        QString problem = QStringLiteral("%1 neither old nor new: %2 (old %3, new %4)")
                              .arg(name, sizeText(after, name), sizeText(before, name),
                                   sizeText(reference, name));
        if (after.contains(name) && reference.contains(name))
            problem += QStringLiteral(", the first %1 bytes new")
                           .arg(commonStart(after.value(name), reference.value(name)));
        problems.append(problem);
    }
    for (auto file = after.begin(); file != after.end(); ++file)
        if (!expected.contains(file.key()))
            problems.append(QStringLiteral("stray file %1 (%2 bytes)")
                                .arg(file.key())
                                .arg(file.value().size()));
    return problems;
}

QStringList judgeFolder(const Snapshot& before, const Snapshot& reference, const Snapshot& after,
                        int exitCode, bool syncFailed) {
    QStringList problems = fileProblems(before, reference, after);
    if (exitCode < 0)
        problems.append(QStringLiteral("the program crashed"));
    if (exitCode != 0)
        return problems;
    QStringList kept;
    for (auto file = reference.begin(); file != reference.end(); ++file)
        if (before.value(file.key()) != file.value() &&
            before.contains(file.key()) == after.contains(file.key()) &&
            before.value(file.key()) == after.value(file.key()))
            kept.append(file.key());
    if (!kept.isEmpty())
        problems.append(QStringLiteral("exit status 0 although %1 kept the old bytes")
                            .arg(kept.join(QStringLiteral(", "))));
    else if (syncFailed)
        problems.append(QStringLiteral("exit status 0 although the sync failed"));
    return problems;
}

} // namespace lccd::test
