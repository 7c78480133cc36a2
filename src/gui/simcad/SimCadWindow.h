#pragma once

#include <memory>

#include <QWidget>

#include "cadlink/sim/Picker.h"
#include "cadlink/sim/SimCad.h"

class QLabel;

namespace tavor::gui {

class SimCadFileMenu;
class SimCadView;

// The simulated CAD's main window, titled "nanoCAD 5" like the CAD it plays: while it is shown
// the CAD counts as running. The program finds it by that exact title, so the drawing's file
// name shows on the document window's tab, as the CAD shows it there too. Its document window holds
// a tab strip (its first child) and the view (that child's next sibling), as the CAD's document
// window does. It is the CAD's picker.
class SimCadWindow final : public QWidget, public cad::sim::Picker {
    Q_OBJECT
public:
    explicit SimCadWindow(std::shared_ptr<cad::sim::SimCad> cad, QWidget* parent = nullptr);
    ~SimCadWindow() override;

    QWidget* documentWindow() const { return document_; }
    SimCadView* view() const { return view_; }
    SimCadFileMenu& fileMenu() const { return *fileMenu_; }
    // The document tab's text: the drawing's file name, marked while it has unsaved edits.
    QString documentTabText() const;
    QString statusText() const;

    std::optional<std::vector<cad::Handle>> pickEntities(
        const cad::sim::PickRequest& request) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showIdleStatus();

    std::shared_ptr<cad::sim::SimCad> cad_;
    QWidget* document_ = nullptr;
    SimCadView* view_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* documentTab_ = nullptr;
    SimCadFileMenu* fileMenu_ = nullptr;
};

}  // namespace tavor::gui
