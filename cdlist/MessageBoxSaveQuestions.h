#pragma once

#include "disc/SaveQuestions.h"

namespace lccd {

// The CD list's answers to a disc save: message boxes through the dialog adapter, and a short
// wait with the window's events let through after each song tried.
class MessageBoxSaveQuestions : public SaveQuestions {
public:
    void namesDoNotFit(const QString& message) override;
    bool writeLossyValues(const QString& question) override;
    std::optional<bool> takeProjectTags(const QString& question) override;
    bool folderIsUnsplit(const QString& question) override;
    void songTried() override;
};

} // namespace lccd
