// The combine window: a drive list, a folder list and the .poly files of
// the folder on the left; the chosen files on the right; the title of the
// merged file on top. "Save" asks where the merge goes.
#include "combine/QtCombineWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QVBoxLayout>

#include "state/State.h"
#include "combine/Merge.h"
#include "platform/Files.h"
#include "shell/FileHelpers.h"

namespace tess {
namespace {

// The title a combined file has until the user types another.
constexpr const char* kDefaultTitle = "Untitled";
constexpr int kPathRole = Qt::UserRole;

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string toStd(const QString& text) { return text.toUtf8().toStdString(); }
QString toQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

// The file name the save dialog proposes: the title, without the
// characters a file name cannot hold.
std::string proposedName(const std::string& title) {
    std::string name = trimBlanks(title);
    for (char& c : name)
        if (c == '/' || c == '\\' || c == '\0') c = '_';
    return (name.empty() ? std::string(kDefaultTitle) : name) + ".poly";
}

CombineWindow::CombineWindow(QWidget* parent, State& s) : QDialog(parent), state_(s) {
    setWindowTitle("Merge");
    setModal(true);

    // A blank remembered title is replaced for good, so the settings file
    // keeps "Untitled" from now on; an edited title box is used for this
    // merge only.
    if (trimBlanks(state_.settings.mergeTitle).empty()) state_.settings.mergeTitle = kDefaultTitle;

    auto* label1 = new QLabel("Title", this);
    titleBox_ = new QLineEdit(toQt(state_.settings.mergeTitle), this);
    driveBox_ = new QComboBox(this);
    folderLabel_ = new QLabel(this);
    folderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folderList_ = new QListWidget(this);
    fileList_ = new QListWidget(this);
    fileList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    chosenList_ = new QListWidget(this);
    chosenList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    addButton_ = new QPushButton("ADD", this);
    removeButton_ = new QPushButton("Remove", this);
    save_ = new QPushButton("Save", this);
    cancel_ = new QPushButton("Cancel", this);
    save_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    addButton_->setAutoDefault(false);
    removeButton_->setAutoDefault(false);

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(label1);
    titleRow->addWidget(titleBox_, 1);

    auto* browse = new QVBoxLayout;
    browse->addWidget(driveBox_);
    browse->addWidget(folderLabel_);
    browse->addWidget(folderList_, 1);
    browse->addWidget(fileList_, 1);

    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(addButton_);
    middle->addWidget(removeButton_);
    middle->addStretch(1);

    auto* lists = new QHBoxLayout;
    lists->addLayout(browse, 1);
    lists->addLayout(middle);
    lists->addWidget(chosenList_, 1);

    mergeAreas_ = new QCheckBox(toQt(kMergeOverlappingAreas), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mergeAreas_);
    buttons->addStretch(1);
    buttons->addWidget(save_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(titleRow);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    resize(640, 420);

    fillDrives();
    QString start = QDir::currentPath();
    if (!setFolder(start)) setFolder(QDir::homePath());

    connect(driveBox_, &QComboBox::currentIndexChanged, this, [this](int index) { driveChosen(index); });
    connect(folderList_, &QListWidget::itemActivated, this, [this](QListWidgetItem*) { folderActivated(); });
    connect(addButton_, &QPushButton::clicked, this, [this] { addSelectedFiles(); });
    connect(removeButton_, &QPushButton::clicked, this, [this] { removeSelectedChosen(); });
    connect(save_, &QPushButton::clicked, this, [this] { saveAndClose(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
}

void CombineWindow::fillDrives() {
    QStringList roots{"/"};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) continue;
        if (!roots.contains(volume.rootPath())) roots << volume.rootPath();
    }
    const QSignalBlocker quiet(driveBox_);
    for (const QString& root : roots) driveBox_->addItem(root, root);
}

bool CombineWindow::setFolder(const QString& folder) {
    QDir dir(folder);
    if (!dir.exists() || !dir.isReadable()) return false;
    const QString path = dir.canonicalPath();
    if (path.isEmpty()) return false;

    const QStringList folders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    const QStringList files =
        dir.entryList(QStringList{"*.poly"}, QDir::Files, QDir::Name | QDir::IgnoreCase);

    folder_ = path;
    folderLabel_->setText(path);
    folderList_->clear();
    if (!dir.isRoot()) {
        auto* up = new QListWidgetItem("..", folderList_);
        QDir parent(path);
        parent.cdUp();
        up->setData(kPathRole, parent.absolutePath());
    }
    for (const QString& name : folders) {
        auto* item = new QListWidgetItem(name, folderList_);
        item->setData(kPathRole, dir.absoluteFilePath(name));
    }
    fileList_->clear();
    fileList_->addItems(files);

    // The drive list follows the folder: the volume that holds it.
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < driveBox_->count(); ++i) {
        const QString root = driveBox_->itemData(i).toString();
        const bool holds = path == root || path.startsWith(root.endsWith('/') ? root : root + '/');
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    if (best >= 0) {
        const QSignalBlocker quiet(driveBox_);
        driveBox_->setCurrentIndex(best);
    }
    driveIndex_ = driveBox_->currentIndex();
    return true;
}

void CombineWindow::driveChosen(int index) {
    if (index < 0) return;
    // A drive that cannot be read leaves everything as it was, the choice
    // in the drive list included.
    if (!setFolder(driveBox_->itemData(index).toString())) {
        const QSignalBlocker quiet(driveBox_);
        driveBox_->setCurrentIndex(driveIndex_);
    }
}

void CombineWindow::folderActivated() {
    QListWidgetItem* item = folderList_->currentItem();
    if (item) setFolder(item->data(kPathRole).toString());
}

void CombineWindow::addSelectedFiles() {
    for (int i = 0; i < fileList_->count(); ++i) {
        QListWidgetItem* item = fileList_->item(i);
        if (item->isSelected()) addChosenFile(chosen_, toStd(folder_), toStd(item->text()));
    }
    showChosen();
}

void CombineWindow::removeSelectedChosen() {
    std::vector<int> indices;
    for (int i = 0; i < chosenList_->count(); ++i)
        if (chosenList_->item(i)->isSelected()) indices.push_back(i);
    removeChosenFiles(chosen_, indices);
    showChosen();
}

void CombineWindow::showChosen() {
    chosenList_->clear();
    for (const std::string& path : chosen_.paths) chosenList_->addItem(toQt(path));
}

void CombineWindow::saveAndClose() {
    Platform& platform = state_.platform;
    if (chosen_.paths.empty()) {
        platform.message(kPleaseAddFiles);
        return;
    }
    const std::string title = toStd(titleBox_->text());
    const std::string chosenName =
        fileDialog(platform, true, polyFilters(), proposedName(title), folderOf(chosen_.paths.front()));
    if (isBadPolyName(chosenName)) return;
    const std::string output = polyFileName(chosenName);
    if (!confirmReplace(platform, output)) return;

    const QString caption = windowTitle();
    const bool written = combineFiles(platform, chosen_.paths, title, output,
                                    [this](const std::string& progress) { setWindowTitle(toQt(progress)); },
                                    mergeAreas_->isChecked());
    setWindowTitle(caption);
    if (!written) return;
    if (platform.askYesNo(std::string(kOpenCombined) + "\r\n\r\n" + output)) toOpen_ = output;
    accept();
}

std::string showCombineWindow(QWidget* parent, State& s) {
    CombineWindow window(parent, s);
    window.exec();
    return window.fileToOpen();
}

}  // namespace tess
