// What the page tests share: a throw-away program folder with a language
// file and settings, typing helpers, the message boxes shown, screenshots.
#pragma once

#include "CDlgMessageBox.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

class CIpAddressEdit;
class QWidget;

// Every test starts in a fresh program folder whose English.ini translates
// a few keys, so the pages' texts can be told from their keys.
class PageTest : public ::testing::Test {
protected:
    PageTest();
    ~PageTest() override;

    void WriteSettings(const QByteArray& iniText);
    void WriteLanguageFile(const QString& name, const QByteArray& iniText);
    std::vector<CDlgMessageBox::Call> TakeMessages() { return CDlgMessageBox::TakeRecordedCalls(); }

private:
    QTemporaryDir folder_;
};

// Empties the field, then types the text as key events.
void TypeInto(QWidget* edit, const QString& text);
// Types the four dotted parts into the entry's four octet fields.
void TypeAddress(CIpAddressEdit* entry, const QString& dotted);

// The program folder with the generated skin, for screenshots.
QString BuiltProgramFolder();
// Saves the widget's look for a person to look at; never compared.
void SavePageScreenshot(QWidget* page, const QString& name);
