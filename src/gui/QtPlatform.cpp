#include "gui/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QCollator>
#include <QDesktopServices>
#include <QDialog>
#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QUrl>

#include "gui/QtText.h"

#ifdef Q_OS_WIN
#include "cadlink/com/WinDesktop.h"
#endif

namespace tavor::gui {

void QtPlatform::registerForm(FormId form, QWidget* widget) {
    forms_[form] = widget;
}

QWidget* QtPlatform::widgetOf(FormId form) const {
    const auto it = forms_.find(form);
    return it == forms_.end() ? nullptr : it->second.data();
}

void QtPlatform::processMessages() {
    QCoreApplication::processEvents();
}

ModalResult QtPlatform::messageBox(const std::u16string& text, const std::u16string& caption,
                                   MessageKind kind, MessageButtons buttons) {
    QString body = qs(text);
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QMessageBox::Icon icon = kind == MessageKind::Information ? QMessageBox::Information
                                   : kind == MessageKind::Warning   ? QMessageBox::Warning
                                   : kind == MessageKind::Error     ? QMessageBox::Critical
                                                                    : QMessageBox::NoIcon;
    const QMessageBox::StandardButtons standard =
        buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
        : buttons == MessageButtons::YesNo  ? QMessageBox::Yes | QMessageBox::No
                                            : QMessageBox::Ok;
    QMessageBox box(icon, qs(caption), body, standard, widgetOf(FormId::Main));
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);  // the main window stays on top too
    switch (box.exec()) {
        case QMessageBox::Ok:
            return ModalResult::Ok;
        case QMessageBox::Yes:
            return ModalResult::Yes;
        case QMessageBox::No:
            return ModalResult::No;
        default:
            return ModalResult::Cancel;
    }
}

std::u16string QtPlatform::clipboardText() {
    return u16(QGuiApplication::clipboard()->text());
}

void QtPlatform::setClipboardText(const std::u16string& text) {
    QGuiApplication::clipboard()->setText(qs(text));
}

void QtPlatform::setStayOnTop(FormId form, bool on) {
    QWidget* w = widgetOf(form);
    if (!w)
        return;
#ifdef Q_OS_WIN
    // Switched in place with SetWindowPos: changing Qt's flags would hide and re-create it.
    cad::com::WinDesktop::setAlwaysOnTop(static_cast<cad::WindowId>(w->winId()), on);
#else
    if (w->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    const bool shown = w->isVisible();
    w->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown)
        w->show();  // changing a window's flags hides it
#endif
}

ModalResult QtPlatform::runModal(FormId form) {
    auto* dialog = qobject_cast<QDialog*>(widgetOf(form));
    if (!dialog)
        return ModalResult::Cancel;
    return dialog->exec() == QDialog::Accepted ? ModalResult::Ok : ModalResult::Cancel;
}

bool QtPlatform::openInTextEditor(const std::filesystem::path& file) {
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("notepad"),
                                   {QString::fromStdWString(file.wstring())});
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
#endif
}

ScreenSize QtPlatform::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {screen->geometry().width(), screen->geometry().height()};
}

std::u16string QtPlatform::upperCase(const std::u16string& text) {
    return u16(QLocale().toUpper(qs(text)));
}

int QtPlatform::compareStrings(const std::u16string& a, const std::u16string& b) {
    static const QCollator collator{QLocale()};
    return collator.compare(qs(a), qs(b));
}

std::optional<double> QtPlatform::readNumber(const std::u16string& text) {
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(qs(text).trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::u16string QtPlatform::formatFixed(double value, int decimals) {
    // Like "%.2f": no group separators, the locale's decimal point.
    QString s = QString::number(value, 'f', decimals);
    s.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return u16(s);
}

int QtPlatform::textWidth(const std::u16string& text, const std::u16string& fontFamily,
                          int pixelSize) {
    if (!metrics_ || metricsFamily_ != fontFamily || metricsPixels_ != pixelSize) {
        QFont font(qs(fontFamily));
        font.setPixelSize(pixelSize);
        metrics_.emplace(font);
        metricsFamily_ = fontFamily;
        metricsPixels_ = pixelSize;
    }
    return metrics_->horizontalAdvance(qs(text));
}

}  // namespace tavor::gui
