#pragma once

#include "disc/SaveQuestions.h"

#include <QTextStream>

namespace lccd {

// The command line's answers to a disc save, where nobody is there to answer: its options
// (--lossy, --nocut, --tags, --overwrite-tags) settle the questions before they are asked, so
// a question still asked gets its cancelling answer; each goes to the error stream, as a
// message box of the command line does.
class CliSaveQuestions : public SaveQuestions {
public:
    explicit CliSaveQuestions(QTextStream& err) : err_(err) {}

    void namesDoNotFit(const QString& message) override;
    bool writeLossyValues(const QString& question) override;
    std::optional<bool> takeProjectTags(const QString& question) override;
    bool folderIsUnsplit(const QString& question) override;
    void songTried() override {}

private:
    QTextStream& err_;
};

} // namespace lccd
