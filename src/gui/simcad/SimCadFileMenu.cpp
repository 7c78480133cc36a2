#include "gui/simcad/SimCadFileMenu.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "cadlink/sim/dxf/DxfError.h"
#include "sys/TextCodec.h"

namespace tavor::gui {

namespace {

cad::sim::dxf::CodePage systemCp932() {
    return {[](std::string_view b) { return decodeCodePage(b, TextEncoding::Cp932); },
            [](std::u16string_view t) { return encodeCodePage(t, TextEncoding::Cp932); }};
}

std::filesystem::path pathOf(const QString& file) {
    return std::filesystem::path(file.toStdU16String());
}

}  // namespace

SimCadFileMenu::SimCadFileMenu(std::shared_ptr<cad::sim::SimCad> cad, QWidget* window,
                               QMenuBar* bar)
    : QObject(window), cad_(std::move(cad)), window_(window) {
    QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    open_ = file->addAction(QStringLiteral("開く(&O)..."));
    open_->setShortcut(QKeySequence::Open);
    save_ = file->addAction(QStringLiteral("上書き保存(&S)"));
    save_->setShortcut(QKeySequence::Save);
    saveAs_ = file->addAction(QStringLiteral("名前を付けて保存(&A)..."));
    QMenu* edit = bar->addMenu(QStringLiteral("編集(&E)"));
    undo_ = edit->addAction(QStringLiteral("元に戻す(&U)"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = edit->addAction(QStringLiteral("やり直し(&R)"));
    redo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    for (QAction* a : {open_, save_, saveAs_, undo_, redo_})
        a->setShortcutContext(Qt::WindowShortcut);

    chooseFile = [this](bool forSaving) {
        const QString filter = QStringLiteral("DXF (*.dxf *.DXF)");
        return forSaving ? QFileDialog::getSaveFileName(window_, QString(), QString(), filter)
                         : QFileDialog::getOpenFileName(window_, QString(), QString(), filter);
    };
    askAboutUnsavedEdits = [this] {
        QMessageBox box(QMessageBox::Question, QStringLiteral("nanoCAD 5"),
                        QStringLiteral("%1 への変更を保存しますか?").arg(fileName()),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window_);
        box.button(QMessageBox::Save)->setText(QStringLiteral("保存(&S)"));
        box.button(QMessageBox::Discard)->setText(QStringLiteral("保存しない(&N)"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
        box.setDefaultButton(QMessageBox::Save);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    };
    showError = [this](const QString& message) {
        QMessageBox::warning(window_, QStringLiteral("nanoCAD 5"), message);
    };

    connect(open_, &QAction::triggered, this, [this] {
        if (!mayDiscardEdits())
            return;
        if (const QString f = chooseFile(false); !f.isEmpty())
            open(f);
    });
    connect(save_, &QAction::triggered, this, [this] { save(); });
    connect(saveAs_, &QAction::triggered, this, [this] {
        if (const QString f = chooseFile(true); !f.isEmpty())
            saveAs(f);
    });
    connect(undo_, &QAction::triggered, this, [this] { cad_->drawing().undo(); });
    connect(redo_, &QAction::triggered, this, [this] { cad_->drawing().redo(); });
    drawingChanged_ = cad_->drawing().changed.observe([this] {
        updateActions();
        emit documentChanged();
    });
    updateActions();
}

bool SimCadFileMenu::open(const QString& file) {
    try {
        cad_->openDxf(pathOf(file), systemCp932());
    } catch (const cad::sim::dxf::DxfError& e) {
        showError(QString::fromUtf8(e.what()));
        return false;
    }
    updateActions();
    emit documentChanged();
    emit drawingOpened();
    return true;
}

bool SimCadFileMenu::save() {
    if (cad_->filePath().empty()) {
        const QString f = chooseFile(true);
        return !f.isEmpty() && saveAs(f);
    }
    return saveAs(QString::fromStdU16String(cad_->filePath().u16string()));
}

bool SimCadFileMenu::saveAs(const QString& file) {
    try {
        cad_->saveDxf(pathOf(file));
    } catch (const cad::sim::dxf::DxfError& e) {
        showError(QString::fromUtf8(e.what()));
        return false;
    }
    updateActions();
    emit documentChanged();
    return true;
}

bool SimCadFileMenu::mayDiscardEdits() {
    if (!cad_->hasUnsavedChanges() || !cad_->canSave())
        return true;
    switch (askAboutUnsavedEdits()) {
        case QMessageBox::Save:
            return save();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

QString SimCadFileMenu::fileName() const {
    if (cad_->filePath().empty())
        return QStringLiteral("Drawing1.dwg");
    return QString::fromStdU16String(cad_->filePath().filename().u16string());
}

QString SimCadFileMenu::documentName() const {
    const bool marked = !cad_->filePath().empty() && cad_->hasUnsavedChanges();
    return marked ? fileName() + QStringLiteral(" *") : fileName();
}

void SimCadFileMenu::updateActions() {
    save_->setEnabled(cad_->canSave());
    saveAs_->setEnabled(cad_->canSave());
    undo_->setEnabled(cad_->drawing().canUndo());
    redo_->setEnabled(cad_->drawing().canRedo());
}

}  // namespace tavor::gui
