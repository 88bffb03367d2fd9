// A whole wizard in the test process: the real router-access object against an
// emulated router on a loopback port, instant worker waits, message boxes
// answered through their seam, and the desktop opener recorded.
#pragma once

#include "CCorvaneWizardDlg.h"
#include "CCorvanelibObject.h"
#include "QStringPrinting.h"
#include "RecordingSleeper.h"
#include "RouterEmulator.h"
#include "TestProgramFolder.h"

#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

class WizardRun : public ::testing::Test {
protected:
    void TearDown() override;

    // Starts the emulator, writes the program folder (with the texts as
    // English.ini when there are any) and shows the frame.
    void StartWizard(TestProgramFolder::Settings settings = {}, EmulatorConfig config = {},
                     const TestProgramFolder::Settings& englishTexts = {});

    QWidget* Page(int index) const;
    QWidget* PageControl(int page, int controlId) const;
    QWidget* FrameControl(int controlId) const;
    bool IsFrameButtonVisible(int controlId) const;

    // Clicks a visible button; a hidden one fails the test.
    void ClickFrame(int controlId);
    void ClickNext();
    void ClickBack();
    void ClickOnPage(int page, int controlId);
    void TypeInto(int page, int controlId, const QString& text);
    void TypeAddress(int page, int controlId, const QString& dotted);
    QString TextOf(int page, int controlId) const;

    // Welcome page to the connection-type page, the link check confirmed.
    void GoToConnectionTypePage();
    // Wireless and security pages, saving everything: ends on the result page.
    void SaveWirelessSettings(const QString& ssid, const QString& passphrase);

    // Message boxes shown since the last call, as "caption|message".
    std::vector<QString> TakeMessages();
    std::vector<std::string> RequestsFor(const std::string& path) const;

    // A box no test step expected would wait for a person: fail instead.
    void CloseUnexpectedMessageBoxes();

    QTimer unexpectedBoxes_;
    std::unique_ptr<RouterEmulator> emulator_;
    std::unique_ptr<TestProgramFolder> folder_;
    WizardData data_;
    RecordingSleeper sleeper_;
    // The library's object, its wireless pause for the router left out.
    CCorvanelibObject router_{HttpTimeouts{}, [](std::chrono::milliseconds) {}};
    std::unique_ptr<CCorvaneWizardDlg> frame_;
    std::vector<QUrl> opened_;
    // Exit codes the frame ended the process with at once, and when.
    std::vector<int> endedWith_;
    std::chrono::steady_clock::time_point endedAt_;
};
