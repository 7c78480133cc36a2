#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/Platform.h"

namespace tavor::test {

// A platform that records what the core asked of it and answers from a script.
class FakePlatform : public Platform {
public:
    struct Message {
        std::u16string text, caption;
        MessageKind kind;
        MessageButtons buttons;
    };

    void processMessages() override;
    ModalResult messageBox(const std::u16string& text, const std::u16string& caption,
                           MessageKind kind, MessageButtons buttons) override;
    std::u16string clipboardText() override { return clipboard; }
    // Raises when clipboardFails is set, as a clipboard that another program holds open.
    void setClipboardText(const std::u16string& text) override;
    void setStayOnTop(FormId form, bool on) override;
    ModalResult runModal(FormId form) override;
    bool openInTextEditor(const std::filesystem::path& file) override;
    ScreenSize screenSize() override { return screen; }
    std::u16string upperCase(const std::u16string& text) override;
    int compareStrings(const std::u16string& a, const std::u16string& b) override;
    std::optional<double> readNumber(const std::u16string& text) override;
    std::u16string formatFixed(double value, int decimals) override;
    // Half the pixel size (rounded up) for each ASCII code unit, the whole size for any other.
    int textWidth(const std::u16string& text, const std::u16string& fontFamily,
                  int pixelSize) override;

    // Answers for the next modal runs, in order; an action runs first, as the person's input.
    void answerModal(ModalResult result, std::function<void()> action = {});
    // Runs once when processMessages has been called `calls` more times (a click mid-run).
    void atProcessMessages(int calls, std::function<void()> action);

    std::vector<Message> messages;
    std::vector<std::pair<FormId, bool>> stayOnTop;
    std::vector<FormId> modalRuns;
    std::vector<std::filesystem::path> openedFiles;
    bool openSucceeds = true;
    std::u16string clipboard;
    bool clipboardFails = false;
    ScreenSize screen{1920, 1080};
    int processMessagesCalls = 0;
    std::u16string lastMessageText() const { return messages.empty() ? u"" : messages.back().text; }

private:
    struct Answer {
        ModalResult result;
        std::function<void()> action;
    };
    std::deque<Answer> answers_;
    std::multimap<int, std::function<void()>> atCalls_;
};

}  // namespace tavor::test
