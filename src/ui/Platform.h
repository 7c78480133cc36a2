#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tavor {

// The program's windows, for the always-on-top hand-over and modal runs.
enum class FormId { Main, Tikan, Kasan, Renban, Att };

enum class MessageKind { Plain, Information, Warning, Error };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class ModalResult { None, Ok, Cancel, Yes, No };

struct ScreenSize {
    int width = 0, height = 0;
};

// What the core asks of the platform it runs on. The Qt skin implements it for the program;
// tests use a recording fake that answers dialogs ahead of time.
class Platform {
public:
    virtual ~Platform() = default;

    // Lets pending window messages run (a stop button may be clicked inside).
    virtual void processMessages() = 0;

    virtual ModalResult messageBox(const std::u16string& text, const std::u16string& caption,
                                   MessageKind kind, MessageButtons buttons) = 0;
    // The default error report: a message box with the error text.
    void showError(const std::u16string& text) {
        messageBox(text, u"TavordeskEdit", MessageKind::Error, MessageButtons::Ok);
    }
    void showMessage(const std::u16string& text) {
        messageBox(text, u"TavordeskEdit", MessageKind::Plain, MessageButtons::Ok);
    }

    virtual std::u16string clipboardText() = 0;
    virtual void setClipboardText(const std::u16string& text) = 0;

    virtual void setStayOnTop(FormId form, bool on) = 0;
    // Shows a dialog modally and returns how it was closed.
    virtual ModalResult runModal(FormId form) = 0;

    // Opens a file in the desktop's plain-text editor without waiting; false when it could not.
    virtual bool openInTextEditor(const std::filesystem::path& file) = 0;

    virtual ScreenSize screenSize() = 0;

    // Locale-aware services, so that the core itself stays deterministic.
    virtual std::u16string upperCase(const std::u16string& text) = 0;
    // Collation for the sorted lists: < 0, 0, > 0.
    virtual int compareStrings(const std::u16string& a, const std::u16string& b) = 0;
    // Reads a number written in the user's locale; nullopt when the text is not a number.
    virtual std::optional<double> readNumber(const std::u16string& text) = 0;
    // Writes a number with the given decimals in the user's locale ("%.2f").
    virtual std::u16string formatFixed(double value, int decimals) = 0;

    // The width in pixels of the text drawn in the font family at the pixel size.
    virtual int textWidth(const std::u16string& text, const std::u16string& fontFamily,
                          int pixelSize) = 0;
};

}  // namespace tavor
