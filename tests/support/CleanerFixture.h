#pragma once
// A resident form in a folder of its own: the executable folder, the lock folder, the clock, the
// message boxes and the balloons all belong to the test.
#include "engine/Cleaner.h"
#include "formats/SettingsFile.h"
#include "platform/Clock.h"
#include "platform/ExecutableFolder.h"
#include "platform/MessageBox.h"
#include "platform/TrayIcon.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace swh::test {

class CleanerFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SetExecutableFolderForTesting(folder.Path());
        SetClockForTesting(EncodeDateTime({2011, 8, 12, 9, 5, 30}));
        SetMessageBoxResponderForTesting([this](const MessageBoxRequest& request) {
            boxes.push_back(request);
            return MessageResult::Ok;
        });
        TrayIcon::SetBalloonObserverForTesting([this](const QString& title, const QString& text) {
            balloons.push_back(title + "|" + text);
        });
    }
    void TearDown() override {
        cleaner.reset();
        TrayIcon::SetBalloonObserverForTesting(nullptr);
        SetMessageBoxResponderForTesting(nullptr);
        SetClockForTesting(std::nullopt);
        SetExecutableFolderForTesting(std::nullopt);
    }

    // Writes setting.ini with `settings` and creates the resident form, which loads its list.
    TFormCleaner& Start(const ClassSettingData& settings = {}) {
        EXPECT_TRUE(WriteSettings(folder / "setting.ini", settings));
        cleaner = std::make_unique<TFormCleaner>();
        return *cleaner;
    }

    // The balloons that reached the screen since the last call, after coalescing.
    std::vector<QString> TakeBalloons() {
        QCoreApplication::processEvents();
        return std::exchange(balloons, {});
    }

    std::vector<std::string> ItemNames() {
        std::vector<std::string> names;
        for (auto* n = cleaner->ItemListHead()->Next; n != cleaner->ItemListHead(); n = n->Next)
            names.push_back(n->ItemName);
        return names;
    }

    TempFolder folder;
    std::unique_ptr<TFormCleaner> cleaner;
    std::vector<MessageBoxRequest> boxes;
    std::vector<QString> balloons;
};

} // namespace swh::test
