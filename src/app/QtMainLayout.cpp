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

    p1_ = new QtCanvas(state_, form_);
    p1_->setObjectName("p1");
    p1_->setOnChanged([this] { syncFromState(); });
    p1_->setOnFileDropped([this](std::string path) { dropFile(path); });
    p1_->setOnPointer([this](std::optional<std::pair<double, double>> at) {
        pointer_ = at;
        syncStatus();
    });

    List1_ = new QListWidget(form_);
    List1_->setObjectName("List1");
    fitRingListTo({});
    connect(List1_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (syncing_ || row < 0) return;
        state_.doc.listIndex = row;
        List1_MouseDown(state_);
        syncFromState();
    });

    text1_ = new TitleBox(form_);
    text1_->setObjectName("text1");
    text1_->setGeometry(pixels(design::text1));
    text1_->setText(shownText(state_.doc.title));
    // Typing becomes one undoable step after a pause or when the box loses
    // the focus.
    titlePause_ = new QTimer(this);
    titlePause_->setSingleShot(true);
    titlePause_->setInterval(1000);
    auto endTyping = [this] {
        titlePause_->stop();
        finishTitleTyping(state_);
        syncFromState();
    };
    connect(titlePause_, &QTimer::timeout, this, endTyping);
    text1_->onFocusLost = endTyping;
    auto titleTyped = [this] {
        if (syncing_) return;
        state_.doc.title = writtenText(text1_->text(), state_.doc.title);
        text1_KeyPress(state_);
        titlePause_->start();
        syncFromState();
    };
    text1_->onCharacter = titleTyped;
    // A paste changes the title as much as typing does.
    connect(text1_, &QLineEdit::textEdited, this, titleTyped);

    shape2Frame_ = new QFrame(form_);
    shape2Frame_->setObjectName("Shape2_0");
    shape2Frame_->setFrameShape(QFrame::Box);
    shape2Bar_ = new QWidget(form_);
    shape2Bar_->setObjectName("Shape2_1");
    shape2Bar_->setAutoFillBackground(true);
    QPalette barPalette = shape2Bar_->palette();
    barPalette.setColor(QPalette::Window, QColor(colors::progress.r, colors::progress.g, colors::progress.b));
    shape2Bar_->setPalette(barPalette);
    state_.progress.frameLeft = design::progressFrame.left;
    state_.progress.frameTop = design::progressFrame.top;
    state_.progress.frameWidth = design::progressFrame.width;
    state_.progress.frameHeight = design::progressFrame.height;
    shape2Frame_->setGeometry(pixels(design::progressFrame));

    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel("0000", form_);
        label->setObjectName(QString("Label1_%1").arg(i));
        label->setGeometry(pixels(design::Label1[i]));
        Label1_[static_cast<std::size_t>(i)] = label;
    }

    Check1_ = new QCheckBox(form_);
    Check1_->setObjectName("Check1");
    Check1_->setGeometry(pixels(design::Check1));
    connect(Check1_, &QCheckBox::clicked, this, [this](bool checked) {
        state_.edit.check1 = checked;
        Check1_MouseUp(state_);
        syncFromState();
    });
    const char* editTip = "Show handles on the vertices in view, to drag them";
    Check1_->setToolTip(editTip);
    Label2_ = new ClickLabel("Edit", form_);
    Label2_->setToolTip(editTip);
    Label2_->setObjectName("Label2");
    Label2_->setGeometry(pixels(design::Label2));
    Label2_->onClick = [this] {
        Label2_Click(state_);
        syncFromState();
    };

    const char* toolTips[3] = {"Pointer: drag handles and points", "Polygon: click the points of an outline, double-click to close it",
                               "Rectangle: click two corners of an outline"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new InvButton(i, form_);
        button->setObjectName(QString("inv_%1").arg(i));
        button->setToolTip(toolTips[i]);
        button->setGeometry(pixels(design::inv[i]));
        button->onPress = [this](int index) {
            inv_MouseDown(state_, index);
            syncFromState();
        };
        button->onRelease = [this](int index) {
            inv_MouseUp(state_, index);
            syncFromState();
        };
        inv_[static_cast<std::size_t>(i)] = button;

        // The indicator lies over its button and lets the mouse through.
        auto* indicator = new QLabel(form_);
        indicator->setObjectName(QString("btt_%1").arg(i));
        indicator->setAttribute(Qt::WA_TransparentForMouseEvents);
        indicator->setGeometry(button->geometry());
        indicator->setPixmap(toolIcon(i, QColor(255, 0, 0), button->size()));
        indicator->hide();
        btt_[static_cast<std::size_t>(i)] = indicator;
    }

    const char* captions[2] = {"+", "-"};
    const char* tips[2] = {"Add Selection ", "Remove Selection"};
    for (int i = 0; i < 2; ++i) {
        auto* label = new ClickLabel(captions[i], form_);
        label->setObjectName(QString("Label3_%1").arg(i));
        label->setToolTip(tips[i]);
        label->setAlignment(Qt::AlignCenter);
        QFont big = label->font();
        big.setPointSize(big.pointSize() + 6);
        big.setBold(true);
        label->setFont(big);
        label->setGeometry(pixels(design::Label3[i]));
        label->onClick = [this, i] {
            Label3_Click(state_, i);
            syncFromState();
        };
        Label3_[static_cast<std::size_t>(i)] = label;
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
    int text = List1_->fontMetrics().horizontalAdvance("32767");
    for (const QString& entry : entries) text = std::max(text, std::min(kWidestNames, List1_->fontMetrics().horizontalAdvance(entry)));
    const int scrollBar = List1_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int needed = std::max(design::kListWidth, (text + scrollBar + 2 * List1_->frameWidth() + 8) * kTwipsPerPixel);
    Layout& l = state_.layout;
    if (needed == l.listWidth) return false;
    l.canvasLeft += needed - l.listWidth;
    l.listWidth = needed;
    return true;
}

void QtMainWindow::applyLayout() {
    const Layout& l = state_.layout;
    p1_->setGeometry(pixels(l.canvasLeft, l.canvasTop, l.canvasWidth, l.canvasHeight));
    List1_->setGeometry(pixels(l.listLeft, l.listTop, l.listWidth, l.listHeight));
}

void QtMainWindow::syncProgress() {
    const ProgressBar& bar = state_.progress;
    shape2Bar_->setGeometry(pixels(bar.frameLeft, bar.frameTop, bar.barWidth, bar.frameHeight));
}

QLabel* QtMainWindow::editLabel() const { return Label2_; }
QLabel* QtMainWindow::boundLabel(int i) const { return Label1_[static_cast<std::size_t>(i)]; }
QLabel* QtMainWindow::selectionLabel(int i) const { return Label3_[static_cast<std::size_t>(i)]; }
QWidget* QtMainWindow::progressFrame() const { return shape2Frame_; }
QWidget* QtMainWindow::progressBar() const { return shape2Bar_; }

}  // namespace tess
