#pragma once
// Each wizard case starts from a clean machine and a fresh C:\Setup.

#include "Product.h"
#include "Spooler.h"
#include "WizardDriver.h"

#include <gtest/gtest.h>

#include <string>

namespace wizardtest {

LANGID SystemLanguage();
bool EnglishSystem();
bool ChineseSystem();

// The string set that a second run on this system shows ("" on other systems).
std::string ActiveSetFile();
// The value of a key in a built string set, as the program reads it.
std::string SetValue(const std::string& setFile, const std::string& key);

// A window's text read as UTF-16 (independent of the code page).
std::wstring WideText(HWND hWnd);

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs setup.exe once and cancels it, so that the string sets are in place.
    void RunOnceAndCancel();
    // Welcome -> system -> printer (entry selected) -> progress.
    void WalkToProgressPage(Wizard& wizard);
    // The spooler refuses the driver until RestoreRegistration.
    void RefuseRegistration();
    void RestoreRegistration();
    bool Installed() const;  // a printer named QX710 exists

    std::string m_driversKey;
    bool m_refusing = false;
};

} // namespace wizardtest
