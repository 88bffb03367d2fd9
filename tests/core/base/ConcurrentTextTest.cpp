#include "CLanguageTable.h"
#include "ProgramFolder.h"

#include "TempFiles.h"

#include <QSaveFile>

#include <atomic>
#include <thread>
#include <vector>

namespace {

// The worker thread reads texts while the window thread does; the parsed
// file cache must hand both the same answers, also while the file changes.
TEST(LanguageTableThreads, ConcurrentReadersSeeWholeValues)
{
    TempFolder folder;
    SetProgramFolder(folder.Path());
    folder.Write(QStringLiteral("Language/English.ini"), QStringLiteral("[String]\nKey=first\n"));
    const CLanguageTable table;
    std::vector<std::thread> readers;
    std::atomic<int> wrong{0};
    for (int t = 0; t < 4; ++t) {
        readers.emplace_back([&] {
            for (int i = 0; i < 300; ++i) {
                const QString text = table.GetText(QStringLiteral("Key"));
                if (text != QStringLiteral("first") && text != QStringLiteral("second value") && text != QStringLiteral("Key"))
                    ++wrong;
            }
        });
    }
    for (int i = 0; i < 50; ++i) {
        // Replaced whole, as an update would do it.
        QSaveFile file(folder.Path() + QStringLiteral("Language/English.ini"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(i % 2 ? "[String]\nKey=first\n" : "[String]\nKey=second value\n");
        EXPECT_TRUE(file.commit());
    }
    for (std::thread& reader : readers)
        reader.join();
    EXPECT_EQ(wrong.load(), 0);
}

} // namespace
