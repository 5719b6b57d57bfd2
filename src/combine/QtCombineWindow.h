// The combine window, "Merge": picks .poly files and joins them into one.
#pragma once

#include <QDialog>
#include <string>

#include "combine/ChosenFiles.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace tess {
struct State;

// Shows the window modally over parent. The combined file the user then
// chose to open, or empty.
std::string showCombineWindow(QWidget* parent, State& s);

class CombineWindow : public QDialog {
public:
    CombineWindow(QWidget* parent, State& s);

    // Shows the folder in the folder list and its .poly files in the file
    // list. False, with both lists as they were, when it cannot be read.
    bool setFolder(const QString& folder);
    QString folder() const { return folder_; }

    void addSelectedFiles();      // "ADD"
    void removeSelectedChosen();  // "Remove"
    // "Save": asks where, writes the combined file, offers to open it and
    // closes; a refusal or a failure leaves the window open.
    void saveAndClose();

    const ChosenFiles& chosen() const { return chosen_; }
    // The file to open after the window closes, or empty.
    const std::string& fileToOpen() const { return toOpen_; }

    QLineEdit* titleBox() const { return titleBox_; }
    QListWidget* fileList() const { return fileList_; }
    QListWidget* chosenList() const { return chosenList_; }
    QPushButton* addButton() const { return addButton_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void fillDrives();
    void driveChosen(int index);
    void folderActivated();
    void showChosen();

    State& state_;
    ChosenFiles chosen_;
    std::string toOpen_;
    QString folder_;
    int driveIndex_ = -1;

    QLineEdit* titleBox_ = nullptr;
    QComboBox* driveBox_ = nullptr;
    QLabel* folderLabel_ = nullptr;
    QListWidget* folderList_ = nullptr;
    QListWidget* fileList_ = nullptr;
    QListWidget* chosenList_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QCheckBox* mergeAreas_ = nullptr;  // the rings merged where they overlap
};

}  // namespace tess
