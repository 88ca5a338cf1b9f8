#pragma once

#include "platform/Shell.h"

#include <QStringList>

namespace lccd::test {

// A desktop shell that only records what it was asked to open.
class RecordingShell : public DesktopShell {
public:
    bool openDocument(const QString& path) override {
        documents.append(path);
        return true;
    }
    bool openUrl(const QString& address) override {
        urls.append(address);
        return true;
    }

    QStringList documents;
    QStringList urls;
};

} // namespace lccd::test
