// Generates the pictures, cursors, icons and manuals that ship beside the
// program. Usage: corvane_assetgen <program dir> <manual sources> <settings file> <icon dir>
#include "SkinWriter.h"

#include <QGuiApplication>
#include <QHashSeed>
#include <QSettings>
#include <QTextStream>

int main(int argc, char** argv) {
    // Font subsets in the PDFs are ordered through hashes: same seed, same bytes.
    QHashSeed::setDeterministicGlobalSeed();
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 5) {
        err << "usage: corvane_assetgen <program dir> <manual sources> <settings file> <icon dir>\n";
        return 2;
    }
    const QSettings settings(args[3], QSettings::IniFormat);
    const QString stem = settings.value(QStringLiteral("Setting/Manual Path")).toString();
    if (stem.isEmpty()) {
        err << "no \"Manual Path\" in " << args[3] << "\n";
        return 1;
    }
    SkinWriter writer(args[1], args[4]);
    writer.WriteSkin();
    writer.WriteDesktopIcons();
    writer.WriteManuals(args[2], stem);
    for (const QString& failure : writer.Failures()) {
        err << "could not write " << failure << "\n";
    }
    return writer.Failures().isEmpty() ? 0 : 1;
}
