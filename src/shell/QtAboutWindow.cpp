// The About window: a drawn logo, the name in a sans-serif face, the
// version line (rewritten whenever the window becomes active), the
// product page link, a frame with three coloured bars, and OK.
#include "shell/QtAboutWindow.h"

#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "state/State.h"

namespace tess {
namespace {

constexpr int kLogoSize = 64;

// A ring traced over a light map square: what the program is about.
QPixmap drawLogo() {
    QPixmap pixmap(kLogoSize, kLogoSize);
    pixmap.fill(QColor(230, 247, 247));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 128, 128), 1));
    for (int i = 16; i < kLogoSize; i += 16) {
        painter.drawLine(i, 0, i, kLogoSize);
        painter.drawLine(0, i, kLogoSize, i);
    }
    const QPointF ring[] = {{10, 30}, {24, 8}, {46, 12}, {56, 34}, {40, 56}, {16, 50}};
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(std::begin(ring), std::end(ring))));
    path.closeSubpath();
    painter.setPen(QPen(QColor(0, 0, 255), 2));
    painter.setBrush(QColor(0, 192, 192, 90));
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const QPointF& p : ring) painter.drawRect(QRectF(p.x() - 2.5, p.y() - 2.5, 5, 5));
    painter.setBrush(QColor(255, 0, 0));
    painter.drawRect(QRectF(ring[0].x() - 2.5, ring[0].y() - 2.5, 5, 5));
    return pixmap;
}

QLabel* colourBar(QWidget* parent, const QColor& colour) {
    auto* bar = new QLabel(parent);
    bar->setFixedHeight(6);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, colour);
    bar->setPalette(palette);
    return bar;
}

}  // namespace

QString AboutWindow::versionText() { return QString("Version ") + kAppVersion + kAboutNotice; }

AboutWindow::AboutWindow(State& s, QWidget* parent) : QDialog(parent), state_(s) {
    setWindowTitle("Information");
    setModal(true);

    logo_ = new QLabel(this);
    logo_->setPixmap(drawLogo());
    logo_->setFixedSize(kLogoSize, kLogoSize);

    nameLabel_ = new QLabel("Tessaline", this);
    QFont nameFont("Sans Serif");
    nameFont.setStyleHint(QFont::SansSerif);
    nameFont.setPointSize(20);
    nameFont.setBold(true);
    nameLabel_->setFont(nameFont);

    versionLabel_ = new QLabel(versionText(), this);
    versionLabel_->setWordWrap(true);

    linkLabel_ = new QLabel(this);
    linkLabel_->setText(QString("<span style=\"color:#0000ff; text-decoration:underline\">%1</span>")
                         .arg(QString(kProductPage).toHtmlEscaped()));
    linkLabel_->setTextFormat(Qt::RichText);
    linkLabel_->setCursor(Qt::PointingHandCursor);
    linkLabel_->setToolTip(kProductPage);
    linkLabel_->installEventFilter(this);

    okButton_ = new QPushButton("OK", this);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    // The decoration: a framed box with three coloured bars under the text.
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(1);
    auto* bars = new QVBoxLayout(frame);
    bars->setContentsMargins(4, 4, 4, 4);
    bars->setSpacing(3);
    bars->addWidget(colourBar(frame, QColor(0, 192, 192)));
    bars->addWidget(colourBar(frame, QColor(0, 0, 255)));
    bars->addWidget(colourBar(frame, QColor(192, 0, 0)));

    auto* text = new QVBoxLayout;
    text->addWidget(nameLabel_);
    text->addWidget(versionLabel_);
    text->addWidget(linkLabel_);

    auto* top = new QHBoxLayout;
    top->addWidget(logo_, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    setMinimumWidth(380);
}

bool AboutWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) versionLabel_->setText(versionText());
    return QDialog::event(e);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == linkLabel_ && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        state_.platform.openUrl(kProductPage);
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

void showAboutWindow(State& s) {
    AboutWindow window(s);
    window.exec();
}

}  // namespace tess
