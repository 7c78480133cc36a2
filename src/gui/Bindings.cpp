#include "gui/Bindings.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>

#include "gui/ColorMap.h"
#include "gui/QtText.h"

namespace tavor::gui {

void Bindings::common(Control& c, QWidget* w) {
    w->setObjectName(qs(c.name));
    watch<bool>(c.enabled, [w](const bool& on) { w->setEnabled(on); });
    watch<bool>(c.visible, [w](const bool& on) { w->setVisible(on); });
    watch<Color>(c.textColor, [w](const Color& color) {
        QPalette p = w->palette();
        p.setColor(QPalette::Text, toQColor(color, QPalette::Text));
        p.setColor(QPalette::WindowText, toQColor(color, QPalette::WindowText));
        w->setPalette(p);
    });
}

void Bindings::button(Control& c, QAbstractButton* w, std::function<void()> onClick) {
    common(c, w);
    watch<std::u16string>(c.caption, [w](const std::u16string& t) { w->setText(qs(t)); });
    if (onClick)
        QObject::connect(w, &QAbstractButton::clicked, w, [onClick] { onClick(); });
}

void Bindings::checkBox(Control& c, QCheckBox* w, std::function<void()> onClick) {
    button(c, w);
    watch<bool>(c.checked, [w](const bool& on) { w->setChecked(on); });
    QObject::connect(w, &QCheckBox::toggled, w, [&c, onClick](bool on) {
        c.checked = on;
        if (onClick)
            onClick();
    });
}

void Bindings::label(Control& c, QLabel* w) {
    common(c, w);
    watch<std::u16string>(c.caption, [w](const std::u16string& t) { w->setText(qs(t)); });
}

void Bindings::edit(Control& c, QLineEdit* w) {
    common(c, w);
    watch<std::u16string>(c.text, [w](const std::u16string& t) {
        if (w->text() != qs(t))
            w->setText(qs(t));
    });
    QObject::connect(w, &QLineEdit::textEdited, w, [&c, w](const QString& t) {
        const QString shown = c.upperCase.get() ? t.toUpper() : t;
        if (shown != t)
            w->setText(shown);
        c.text = u16(shown);
    });
}

void Bindings::combo(Control& c, QComboBox* w) {
    common(c, w);
    watch<std::vector<std::u16string>>(c.items, [w](const std::vector<std::u16string>& items) {
        const QSignalBlocker block(w);
        const QString text = w->currentText();
        w->clear();
        for (const auto& item : items)
            w->addItem(qs(item));
        if (w->isEditable())
            w->setEditText(text);
    });
    watch<int>(c.itemIndex, [w](const int& i) {
        const QSignalBlocker block(w);
        w->setCurrentIndex(i);
    });
    watch<std::u16string>(c.text, [w](const std::u16string& t) {
        const QSignalBlocker block(w);
        if (w->isEditable() && w->currentText() != qs(t))
            w->setEditText(qs(t));
    });
    QObject::connect(w, &QComboBox::currentIndexChanged, w, [&c, w](int i) {
        c.itemIndex = i;
        c.text = u16(w->currentText());
    });
    if (w->isEditable())
        QObject::connect(w, &QComboBox::editTextChanged, w, [&c, w](const QString& t) {
            c.text = u16(t);
            c.itemIndex = w->findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive);
        });
}

void Bindings::progress(Control& c, QProgressBar* w) {
    common(c, w);
    watch<int>(c.maxValue, [w](const int& m) { w->setMaximum(m); });
    watch<int>(c.position, [w](const int& p) { w->setValue(p); });
}

void Bindings::action(Control& c, QAction* a, std::function<void()> onTrigger) {
    a->setObjectName(qs(c.name));
    watch<std::u16string>(c.caption, [a](const std::u16string& t) { a->setText(qs(t)); });
    watch<bool>(c.enabled, [a](const bool& on) { a->setEnabled(on); });
    watch<bool>(c.visible, [a](const bool& on) { a->setVisible(on); });
    if (onTrigger)
        QObject::connect(a, &QAction::triggered, a, [onTrigger] { onTrigger(); });
}

void Bindings::tab(Control& c, QTabWidget* tabs, int index) {
    watch<std::u16string>(
        c.caption, [tabs, index](const std::u16string& t) { tabs->setTabText(index, qs(t)); });
}

}  // namespace tavor::gui
