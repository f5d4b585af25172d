#pragma once
// A program in a temporary program folder with skins written as real bitmap
// files, the clock fixed and a dialog script in force.
#include <QImage>
#include <QTest>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "app/Program.h"
#include "platform/DateTime.h"
#include "platform/Dialogs.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "skins/Form4.h"
#include "skins/SkinDat.h"
#include "tests/TestUtil.h"

// The files of a skin, in a fixed order; each gets a colour of its own.
inline const std::vector<std::string>& SkinFiles() {
    static const std::vector<std::string> files = {"caption.bmp", "button1.bmp", "button1b.bmp", "button2.bmp",
                                                   "button2b.bmp", "button3.bmp", "button3b.bmp", "push1.bmp",
                                                   "push1b.bmp",  "push1c.bmp",  "wall.bmp"};
    return files;
}

// The colour of a file of a skin: tint tells skins apart.
inline QRgb SkinColour(int tint, const std::string& file) {
    int i = 0;
    while (SkinFiles()[i] != file) ++i;
    return qRgb(40 + tint * 50, 10 + i * 20, 90);
}

// The colour key of button images: magenta, in the bottom row.
constexpr QRgb kSkinKey = qRgb(255, 0, 255);

struct SkinFixture : ::testing::Test {
    SkinFixture() {
        using namespace std::chrono;
        SetClock([] { return system_clock::time_point(sys_days(year(2001) / 4 / 11) + hours(12)); });
    }
    ~SkinFixture() override {
        program.reset();
        SetClock({});
    }

    // Creates the program (after the skins and settings a test wants are on disk).
    TForm4& Start() {
        program = std::make_unique<TProgram>(tmp.Path());
        return program->Form4();
    }

    static QSize SizeOf(const std::string& file) {
        if (file == "caption.bmp") return {640, 23};
        if (file.rfind("button", 0) == 0) return {19, 21};
        if (file.rfind("push", 0) == 0) return {61, 20};
        return {40, 60};  // wall
    }

    // A skin folder <root>/skin/<name>/ with all eleven bitmaps (but `skip`),
    // each of its own colour; button images keep their bottom row in the key.
    static std::string WriteSkin(const std::string& root, const std::string& name, int tint,
                                 const std::vector<std::string>& skip = {}) {
        const std::string folder = root + "/skin/" + name + "/";
        EXPECT_TRUE(ForceDirectories(folder));
        for (const std::string& file : SkinFiles()) {
            if (std::find(skip.begin(), skip.end(), file) != skip.end()) continue;
            QImage img(SizeOf(file), QImage::Format_RGB32);
            img.fill(SkinColour(tint, file));
            if (file.rfind("button", 0) == 0 || file.rfind("push", 0) == 0)
                for (int x = 0; x < img.width(); ++x) img.setPixel(x, img.height() - 1, kSkinKey);
            EXPECT_TRUE(img.save(QString::fromStdString(folder + file), "BMP"));
        }
        return folder;
    }
    std::string WriteSkin(const std::string& name, int tint, const std::vector<std::string>& skip = {}) {
        return WriteSkin(tmp.Path(), name, tint, skip);
    }
    static void WriteDat(const std::string& folder, const TSkinDat& dat) { WriteSkinDat(folder + "skin.dat", dat); }

    // The message of the error a call raises ("" when none).
    static std::string ErrorOf(const std::function<void()>& call) {
        try {
            call();
        } catch (const Exception& e) {
            return e.Message();
        }
        return {};
    }

    TempFolder tmp;
    TDialogScript script;
    std::unique_ptr<TProgram> program;
};
