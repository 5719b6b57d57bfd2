// A main window on the scripted platform, shown offscreen, with its
// executable folder in a scratch folder. A watchdog fails the test and
// closes any real modal box or file chooser, which would otherwise wait
// for a user who is not there.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "app/QtMainWindow.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"

namespace tess::test {

class QtWindowTest : public testing::Test {
protected:
    QtWindowTest() {
        watchdog_.setInterval(50);
        QObject::connect(&watchdog_, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "a real modal window opened: " << modal->windowTitle().toStdString();
                modal->close();
            }
        });
        watchdog_.start();
    }

    // Opens the window as the program would with that command line.
    QtMainWindow& start(const std::string& commandLine = "") {
        window_ = std::make_unique<QtMainWindow>(platform, WindowStart{temp.path(), commandLine, false});
        window_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        return *window_;
    }
    QtMainWindow& window() { return *window_; }
    void restart() { window_.reset(); }

    std::string copyOf(const std::string& dataName, const std::string& name) {
        const std::string path = temp.file(name);
        writeFile(path, readFile(dataFile(dataName)));
        return path;
    }

    TempDir temp;
    ScriptedPlatform platform;

private:
    QTimer watchdog_;
    std::unique_ptr<QtMainWindow> window_;
};

}  // namespace tess::test
