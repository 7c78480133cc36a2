#include "gui/TextTabPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>
#include <tuple>

#include "gui/ColorMap.h"
#include "gui/LineEditorWidget.h"
#include "gui/PageLayout.h"
#include "gui/PopupMenuBuilder.h"
#include "shell/TTavorMainForm.h"

namespace tavor::gui {

namespace {

QLineEdit* stepEdit(QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setAlignment(Qt::AlignRight);
    e->setAttribute(Qt::WA_InputMethodEnabled, false);  // the input method is switched off
    e->setFixedWidth(52);
    return e;
}

}  // namespace

TextTabPage::TextTabPage(TTavorMainForm& form, LineEditorWidget& editor, QWidget* parent)
    : QWidget(parent), form_(form) {
    setObjectName(QStringLiteral("TabSheet1"));
    auto* v = pageLayout(this);
    TTavorMainForm& f = form_;

    auto* r1 = row(v);
    auto* text = speedButton(this);
    auto* update = speedButton(this);
    auto* align = speedButton(this);
    auto* cad = speedButton(this);
    bind_.button(f.SpeedButton1, text, [&f] { f.SpeedButton1Click(); });
    bind_.button(f.SpeedButton2, update, [&f] { f.SpeedButton2Click(); });
    bind_.button(f.SpeedButton6, align, [&f] { f.SpeedButton6Click(); });
    bind_.button(f.SpeedButton7, cad);
    r1->addWidget(text);
    r1->addWidget(update);
    r1->addWidget(align);
    r1->addStretch();
    r1->addWidget(cad);

    auto* r2 = row(v);
    auto* dX = stepEdit(this);
    auto* dY = stepEdit(this);
    for (auto [label, control, edit] :
         {std::tuple{&f.Label3, &f.Edit1, dX}, std::tuple{&f.Label4, &f.Edit2, dY}}) {
        auto* l = new QLabel(this);
        bind_.label(*label, l);
        bind_.edit(*control, edit);
        bind_.watch<Color>(control->textColor, [edit](const Color& c) {
            QPalette p = edit->palette();
            p.setColor(QPalette::Text, toQColor(c, QPalette::Text));
            edit->setPalette(p);
        });
        r2->addWidget(l);
        r2->addWidget(edit);
    }
    connect(dX, &QLineEdit::returnPressed, this, [&f] { f.Edit1KeyPress(u'\r'); });
    connect(dY, &QLineEdit::returnPressed, this, [&f] { f.Edit2KeyPress(u'\r'); });
    focusRequest_ = f.focusRequested.observe([&f, dX, dY](const Control* c) {
        if (c == &f.Edit1)
            dX->setFocus();
        if (c == &f.Edit2)
            dY->setFocus();
    });
    r2->addStretch();
    auto* stop = speedButton(this);
    auto* undo = speedButton(this);
    bind_.button(f.SpeedButton5, stop, [&f] { f.SpeedButton5Click(); });
    bind_.button(f.SpeedButton4, undo, [&f] { f.SpeedButton4Click(); });
    r2->addWidget(stop);
    r2->addWidget(undo);

    auto* r3 = row(v);
    auto* attr = speedButton(this);
    auto* combo = fittingCombo(this, 8);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    auto* dots = speedButton(this);
    bind_.button(f.SpeedButton8, attr, [&f] { f.SpeedButton8Click(); });
    bind_.combo(f.ComboBox1, combo);
    bind_.button(f.SpeedButton9, dots, [&f] { f.SpeedButton9Click(); });
    r3->addWidget(attr);
    r3->addWidget(combo, 1);
    r3->addWidget(dots);

    auto* r4 = row(v);
    auto* label1 = new QLabel(this);
    auto* label2 = new QLabel(this);
    label1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bind_.label(f.Label1, label1);
    bind_.label(f.Label2, label2);
    r4->addWidget(label1, 1);
    r4->addWidget(label2, 1);

    auto* r5 = row(v);
    auto* sort = new QCheckBox(this);
    auto* pan = new QCheckBox(this);
    auto* selectAll = speedButton(this);
    bind_.checkBox(f.CheckBox1, sort);
    bind_.checkBox(f.CheckBox9, pan);
    bind_.button(f.SpeedButton3, selectAll, [&f] { f.SpeedButton3Click(); });
    r5->addWidget(sort);
    r5->addWidget(pan);
    r5->addStretch();
    r5->addWidget(selectAll);

    editor.setParent(this);
    v->addWidget(&editor, 1);
    // A click and a key release on a line show its entity; nothing is typed in during a run.
    editor.onClick = [&f, &editor] { f.CaretYChanged(editor.caretY()); };
    editor.onKeyUp = [&f, &editor] { f.CaretYChanged(editor.caretY()); };
    bind_.watch<bool>(f.gate.running,
                      [&editor](const bool& running) { editor.setReadOnly(running); });
    bind_.watch<Color>(f.SynEdit1Color, [&editor](const Color& c) {
        QPalette p = editor.palette();
        p.setColor(QPalette::Base, toQColor(c, QPalette::Base));
        editor.setPalette(p);
    });
    buildMenu(editor);
}

void TextTabPage::buildMenu(LineEditorWidget& editor) {
    popupMenu1_ = buildPopupMenu(form_.PopupMenu1.entries, bind_, this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    editor.onContextMenu = [this](QPoint at) {
        if (form_.gate.busy())
            return;
        form_.PopupMenu1Popup();
        popupMenu1_->exec(at);
    };
    // The editor's own copy and cut keys are removed; Ctrl+C, Ctrl+X and Ctrl+Enter reach the
    // form only.
    editor.onCtrlKey = [this](char16_t key) { form_.SynEdit1KeyPress(key, true); };
}

}  // namespace tavor::gui
