// The About window, "Information": the product name, the version line, a
// link to the product page, and OK.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tess {
struct State;

inline constexpr const char* kProductPage = "https://tessaline.example.org/";
// Follows "Version 2.1" on the version line; it begins with a blank.
inline constexpr const char* kAboutNotice = " - an editor for polygon filter files. Free to use and share.";

// Shows the window modally, without an owner: the main window waits.
void showAboutWindow(State& s);

class AboutWindow : public QDialog {
public:
    explicit AboutWindow(State& s, QWidget* parent = nullptr);

    QLabel* versionLabel() const { return versionLabel_; }
    QLabel* linkLabel() const { return linkLabel_; }

    // The version line: "Version ", the version, the notice.
    static QString versionText();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    State& state_;
    QLabel* logo_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* linkLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace tess
