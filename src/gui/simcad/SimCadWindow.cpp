#include "gui/simcad/SimCadWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "cadlink/Connection.h"
#include "gui/QtText.h"
#include "gui/simcad/SimCadFileMenu.h"
#include "gui/simcad/SimCadView.h"

namespace tavor::gui {

namespace {
const QString kPickPrompt = QStringLiteral(
    "オブジェクトを選択: クリック / 窓選択 (左→右) / 交差選択 (右→左)、"
    "Shift で除外、Enter/右クリックで確定、Esc で取消");
}  // namespace

SimCadWindow::SimCadWindow(std::shared_ptr<cad::sim::SimCad> cad, QWidget* parent)
    : QWidget(parent, Qt::Window), cad_(std::move(cad)) {
    setWindowTitle(qs(cad::kCadWindowTitle));
    resize(1000, 760);

    document_ = new QWidget(this);
    documentTab_ = new QLabel(document_);
    documentTab_->setFixedHeight(22);
    documentTab_->setStyleSheet(QStringLiteral("background:#3c3f41; color:#e0e0e0;"));
    view_ = new SimCadView(cad_, document_);
    auto* documentLayout = new QVBoxLayout(document_);
    documentLayout->setContentsMargins(0, 0, 0, 0);
    documentLayout->setSpacing(0);
    documentLayout->addWidget(documentTab_);
    documentLayout->addWidget(view_, 1);

    status_ = new QLabel(this);
    status_->setContentsMargins(6, 2, 6, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(document_, 1);
    layout->addWidget(status_);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    fileMenu_ = new SimCadFileMenu(cad_, this, bar);
    const auto showDocument = [this] {
        documentTab_->setText(QStringLiteral("  ") + fileMenu_->documentName());
    };
    connect(fileMenu_, &SimCadFileMenu::documentChanged, this, showDocument);
    connect(fileMenu_, &SimCadFileMenu::drawingOpened, view_, &SimCadView::zoomExtents);
    showDocument();
    showIdleStatus();

    connect(view_, &SimCadView::pickedCountChanged, this, [this](int count) {
        status_->setText(kPickPrompt + QStringLiteral("  (選択 %1)").arg(count));
    });
    cad_->setPicker(this);
}

SimCadWindow::~SimCadWindow() {
    if (cad_->picker() == this)
        cad_->setPicker(nullptr);
}

QString SimCadWindow::statusText() const {
    return status_->text();
}

void SimCadWindow::showIdleStatus() {
    status_->setText(QStringLiteral("コマンド:"));
}

std::optional<std::vector<cad::Handle>> SimCadWindow::pickEntities(
    const cad::sim::PickRequest& request) {
    status_->setText(kPickPrompt);
    auto picked = view_->pick(request);
    showIdleStatus();
    return picked;
}

QString SimCadWindow::documentTabText() const {
    return documentTab_->text().trimmed();
}

void SimCadWindow::closeEvent(QCloseEvent* event) {
    if (!fileMenu_->mayDiscardEdits()) {
        event->ignore();
        return;
    }
    // Closing the CAD while someone picks ends the pick as cancelled.
    view_->cancelPick();
    QWidget::closeEvent(event);
}

}  // namespace tavor::gui
