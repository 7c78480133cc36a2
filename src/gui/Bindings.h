#pragma once

#include <functional>
#include <vector>

#include "base/Property.h"
#include "ui/Controls.h"

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTabWidget;
class QWidget;

namespace tavor::gui {

// Binds control states to widgets both ways: a property change updates the widget, and what
// the person does writes the property (then runs the handler, if any). The bindings end with
// this object, which must not outlive the widgets.
class Bindings {
public:
    void button(Control& c, QAbstractButton* w, std::function<void()> onClick = {});
    void checkBox(Control& c, QCheckBox* w, std::function<void()> onClick = {});
    void label(Control& c, QLabel* w);
    void edit(Control& c, QLineEdit* w);
    void combo(Control& c, QComboBox* w);
    void progress(Control& c, QProgressBar* w);
    void action(Control& c, QAction* a, std::function<void()> onTrigger = {});
    void tab(Control& c, QTabWidget* tabs, int index);

    template <class T>
    void watch(Property<T>& p, std::function<void(const T&)> apply) {
        apply(p.get());
        subs_.push_back(p.observe(std::move(apply)));
    }

private:
    void common(Control& c, QWidget* w);
    std::vector<Subscription> subs_;
};

}  // namespace tavor::gui
