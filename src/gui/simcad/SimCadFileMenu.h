#pragma once

#include <functional>
#include <memory>

#include <QMessageBox>
#include <QObject>
#include <QString>

#include "cadlink/sim/SimCad.h"

class QAction;
class QMenuBar;
class QWidget;

namespace tavor::gui {

// The simulated CAD's File and Edit menus: open, save and save as DXF, the question over
// unsaved edits, and undo and redo of whole write-backs (Ctrl+Z, Ctrl+Y).
class SimCadFileMenu final : public QObject {
    Q_OBJECT
public:
    SimCadFileMenu(std::shared_ptr<cad::sim::SimCad> cad, QWidget* window, QMenuBar* bar);

    // What a person answers; a test sets its own answers in their place.
    // The file to open or to save to; empty when the dialog is cancelled.
    std::function<QString(bool forSaving)> chooseFile;
    // Save, Discard or Cancel: what to do with unsaved edits.
    std::function<QMessageBox::StandardButton()> askAboutUnsavedEdits;
    std::function<void(const QString& message)> showError;

    // Each returns false when nothing was done (cancelled, or failed with the error shown).
    bool open(const QString& file);
    bool save();
    bool saveAs(const QString& file);
    // Asks about unsaved edits before they would be lost; false to keep them (stay).
    bool mayDiscardEdits();

    // The file's name; "Drawing1.dwg" for the sample.
    QString fileName() const;
    // The file's name, with " *" while the file has unsaved edits.
    QString documentName() const;

    QAction* openAction() const { return open_; }
    QAction* saveAction() const { return save_; }

signals:
    // The drawing was opened or saved, or its unsaved state may have changed.
    void documentChanged();
    // A new drawing was opened: the view shows all of it.
    void drawingOpened();

private:
    void updateActions();

    std::shared_ptr<cad::sim::SimCad> cad_;
    QWidget* window_;
    QAction *open_, *save_, *saveAs_, *undo_, *redo_;
    Subscription drawingChanged_;
};

}  // namespace tavor::gui
