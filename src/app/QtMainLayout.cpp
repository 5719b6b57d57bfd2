// Building the main window's controls at their design positions, and
// placing the canvas and ring list after a resize.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QStyle>
#include <QTimer>

#include "app/QtControls.h"
#include "app/QtMainWindow.h"
#include "platform/QtText.h"
#include "app/WindowDesign.h"
#include "state/TitleTyping.h"
#include "editing/Editing.h"
#include "selection/Selection.h"
#include "editing/QtCanvas.h"

namespace tess {

namespace {

QRect pixels(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, std::max(0, width / kTwipsPerPixel),
                 std::max(0, height / kTwipsPerPixel));
}
QRect pixels(const design::Box& b) { return pixels(b.left, b.top, b.width, b.height); }

}  // namespace

void QtMainWindow::buildControls() {
    form_ = new QWidget(this);
    setCentralWidget(form_);

    canvas_ = new QtCanvas(state_, form_);
    canvas_->setObjectName("canvas");
    canvas_->setOnChanged([this] { syncFromState(); });
    canvas_->setOnFileDropped([this](std::string path) { dropFile(path); });
    canvas_->setOnPointer([this](std::optional<std::pair<double, double>> at) {
        pointer_ = at;
        syncStatus();
    });

    ringList_ = new QListWidget(form_);
    ringList_->setObjectName("ringList");
    fitRingListTo({});
    connect(ringList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (syncing_ || row < 0) return;
        chooseRing(state_, row);
        syncFromState();
    });

    titleBox_ = new TitleBox(form_);
    titleBox_->setObjectName("titleBox");
    titleBox_->setGeometry(pixels(design::titleBox));
    titleBox_->setText(shownText(state_.doc.content.title));
    // Typing becomes one undoable step after a pause or when the box loses
    // the focus.
    titlePause_ = new QTimer(this);
    titlePause_->setSingleShot(true);
    titlePause_->setInterval(1000);
    auto endTyping = [this] {
        titlePause_->stop();
        finishTitleTyping(state_.doc);
        syncFromState();
    };
    connect(titlePause_, &QTimer::timeout, this, endTyping);
    titleBox_->onFocusLost = endTyping;
    auto typed = [this] {
        if (syncing_) return;
        state_.doc.content.title = writtenText(titleBox_->text(), state_.doc.content.title);
        titleTyped(state_.doc);
        titlePause_->start();
        syncFromState();
    };
    titleBox_->onCharacter = typed;
    // A paste changes the title as much as typing does.
    connect(titleBox_, &QLineEdit::textEdited, this, typed);

    progressFrame_ = new QFrame(form_);
    progressFrame_->setObjectName("progressFrame");
    progressFrame_->setFrameShape(QFrame::Box);
    progressBar_ = new QWidget(form_);
    progressBar_->setObjectName("progressBar");
    progressBar_->setAutoFillBackground(true);
    QPalette barPalette = progressBar_->palette();
    barPalette.setColor(QPalette::Window, QColor(colors::progress.r, colors::progress.g, colors::progress.b));
    progressBar_->setPalette(barPalette);
    state_.progress.frameLeft = design::progressFrame.left;
    state_.progress.frameTop = design::progressFrame.top;
    state_.progress.frameWidth = design::progressFrame.width;
    state_.progress.frameHeight = design::progressFrame.height;
    progressFrame_->setGeometry(pixels(design::progressFrame));

    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel("0000", form_);
        label->setObjectName(QString("boundLabels_%1").arg(i));
        label->setGeometry(pixels(design::boundLabels[i]));
        boundLabels_[static_cast<std::size_t>(i)] = label;
    }

    editBox_ = new QCheckBox(form_);
    editBox_->setObjectName("editBox");
    editBox_->setGeometry(pixels(design::editBox));
    connect(editBox_, &QCheckBox::clicked, this, [this](bool checked) {
        setEditMode(state_, checked);
        syncFromState();
    });
    const char* editTip = "Show handles on the vertices in view, to drag them";
    editBox_->setToolTip(editTip);
    editLabel_ = new ClickLabel("Edit", form_);
    editLabel_->setToolTip(editTip);
    editLabel_->setObjectName("editLabel");
    editLabel_->setGeometry(pixels(design::editLabel));
    editLabel_->onClick = [this] {
        toggleEditMode(state_);
        syncFromState();
    };

    const char* toolTips[3] = {"Pointer: drag handles and points", "Polygon: click the points of an outline, double-click to close it",
                               "Rectangle: click two corners of an outline"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new ToolButton(i, form_);
        button->setObjectName(QString("toolButtons_%1").arg(i));
        button->setToolTip(toolTips[i]);
        button->setGeometry(pixels(design::toolButtons[i]));
        button->onChosen = [this](int index) {
            chooseTool(state_, static_cast<Tool>(index));
            syncFromState();
        };
        toolButtons_[static_cast<std::size_t>(i)] = button;

        // The indicator lies over its button and lets the mouse through.
        auto* indicator = new QLabel(form_);
        indicator->setObjectName(QString("toolIndicators_%1").arg(i));
        indicator->setAttribute(Qt::WA_TransparentForMouseEvents);
        indicator->setGeometry(button->geometry());
        indicator->setPixmap(toolIcon(i, QColor(255, 0, 0), button->size()));
        indicator->hide();
        toolIndicators_[static_cast<std::size_t>(i)] = indicator;
    }

    const char* captions[2] = {"+", "-"};
    const char* tips[2] = {"Add Selection ", "Remove Selection"};
    for (int i = 0; i < 2; ++i) {
        auto* label = new ClickLabel(captions[i], form_);
        label->setObjectName(QString("ringButtons_%1").arg(i));
        label->setToolTip(tips[i]);
        label->setAlignment(Qt::AlignCenter);
        QFont big = label->font();
        big.setPointSize(big.pointSize() + 6);
        big.setBold(true);
        label->setFont(big);
        label->setGeometry(pixels(design::ringButtons[i]));
        label->onClick = [this, i] {
            if (i == 0) addOutlineAsRing(state_);
            else removeLoadedRing(state_);
            syncFromState();
        };
        ringButtons_[static_cast<std::size_t>(i)] = label;
    }
    applyLayout();
}

// The ring list shows the highest ring number, 32767, whole: it grows
// beyond its design width when the font needs it, and the canvas moves
// right by as much.
bool QtMainWindow::fitRingListTo(const QStringList& entries) {
    // Wide enough for any ring number and, up to a limit, the names shown
    // beside them; never narrower than the design.
    constexpr int kWidestNames = 180;
    int text = ringList_->fontMetrics().horizontalAdvance("32767");
    for (const QString& entry : entries) text = std::max(text, std::min(kWidestNames, ringList_->fontMetrics().horizontalAdvance(entry)));
    const int scrollBar = ringList_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int needed = std::max(design::kListWidth, (text + scrollBar + 2 * ringList_->frameWidth() + 8) * kTwipsPerPixel);
    WindowLayout& l = layout_;
    if (needed == l.listWidth) return false;
    l.canvasLeft += needed - l.listWidth;
    l.listWidth = needed;
    return true;
}

void QtMainWindow::applyLayout() {
    const WindowLayout& l = layout_;
    canvas_->setGeometry(pixels(l.canvasLeft, l.canvasTop, l.canvasWidth, l.canvasHeight));
    ringList_->setGeometry(pixels(l.listLeft, l.listTop, l.listWidth, l.listHeight));
}

void QtMainWindow::syncProgress() {
    const ProgressBar& bar = state_.progress;
    progressBar_->setGeometry(pixels(bar.frameLeft, bar.frameTop, bar.barWidth, bar.frameHeight));
}

QLabel* QtMainWindow::editLabel() const { return editLabel_; }
QLabel* QtMainWindow::boundLabel(int i) const { return boundLabels_[static_cast<std::size_t>(i)]; }
QLabel* QtMainWindow::selectionLabel(int i) const { return ringButtons_[static_cast<std::size_t>(i)]; }
QWidget* QtMainWindow::progressFrame() const { return progressFrame_; }
QWidget* QtMainWindow::progressBar() const { return progressBar_; }

}  // namespace tess
