#pragma once

#include "ui/Platform.h"

namespace tavor::fuzz {

// A platform whose clipboard is a string; the grid's clipboard keys ask for nothing else.
class ClipboardOnlyPlatform : public Platform {
public:
    void processMessages() override {}
    ModalResult messageBox(const std::u16string&, const std::u16string&, MessageKind,
                           MessageButtons) override {
        return ModalResult::Ok;
    }
    std::u16string clipboardText() override { return clipboard; }
    void setClipboardText(const std::u16string& text) override { clipboard = text; }
    void setStayOnTop(FormId, bool) override {}
    ModalResult runModal(FormId) override { return ModalResult::Cancel; }
    bool openInTextEditor(const std::filesystem::path&) override { return false; }
    ScreenSize screenSize() override { return {}; }
    std::u16string upperCase(const std::u16string& text) override { return text; }
    int compareStrings(const std::u16string& a, const std::u16string& b) override {
        return a.compare(b);
    }
    std::optional<double> readNumber(const std::u16string&) override { return std::nullopt; }
    std::u16string formatFixed(double, int) override { return {}; }
    int textWidth(const std::u16string& text, const std::u16string&, int) override {
        return static_cast<int>(text.size());
    }

    std::u16string clipboard;
};

}  // namespace tavor::fuzz
