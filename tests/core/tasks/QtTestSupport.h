// Shared by the wizard logic tests: readable QString failures and a program
// folder of their own, so texts and settings come from files the test wrote.
#pragma once

#include "ProgramFolder.h"
#include "QStringPrinting.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class ProgramFolderTest : public testing::Test {
protected:
    void SetUp() override { SetProgramFolder(folder_.path() + u'/'); }

    QString Folder() const { return folder_.path() + u'/'; }

    void WriteFile(const QString& relative, const QString& text) const
    {
        const QString path = Folder() + relative;
        QDir().mkpath(path.section(u'/', 0, -2));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    }

    void WriteSettings(const QString& settingSection) const
    {
        WriteFile(QStringLiteral("setting.ini"), QStringLiteral("[Setting]\n") + settingSection);
    }

    void WriteLanguage(const QString& name, const QString& strings) const
    {
        WriteFile(QStringLiteral("Language/") + name, QStringLiteral("[String]\n") + strings);
    }

private:
    QTemporaryDir folder_;
};
