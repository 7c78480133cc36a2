#pragma once

#include <QFontMetrics>
#include <QPointer>
#include <QWidget>
#include <map>
#include <optional>

#include "ui/Platform.h"

namespace tavor::gui {

// The platform services of the program, over Qt. Windows that take part in the always-on-top
// hand-over and in modal runs are registered by their form id.
class QtPlatform final : public Platform {
public:
    void registerForm(FormId form, QWidget* widget);

    void processMessages() override;
    ModalResult messageBox(const std::u16string& text, const std::u16string& caption,
                           MessageKind kind, MessageButtons buttons) override;
    std::u16string clipboardText() override;
    void setClipboardText(const std::u16string& text) override;
    void setStayOnTop(FormId form, bool on) override;
    ModalResult runModal(FormId form) override;
    bool openInTextEditor(const std::filesystem::path& file) override;
    ScreenSize screenSize() override;
    std::u16string upperCase(const std::u16string& text) override;
    int compareStrings(const std::u16string& a, const std::u16string& b) override;
    std::optional<double> readNumber(const std::u16string& text) override;
    std::u16string formatFixed(double value, int decimals) override;
    int textWidth(const std::u16string& text, const std::u16string& fontFamily,
                  int pixelSize) override;

private:
    QWidget* widgetOf(FormId form) const;
    std::map<FormId, QPointer<QWidget>> forms_;
    // The metrics of the font last measured in: a grid measures every cell in one font.
    std::optional<QFontMetrics> metrics_;
    std::u16string metricsFamily_;
    int metricsPixels_ = 0;
};

}  // namespace tavor::gui
