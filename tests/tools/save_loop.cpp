// Child process for the crash-safety tests.
//   save_loop loop DIR            saves palette "P" and the settings store in
//                                 DIR over and over, alternating two contents,
//                                 until it is killed
//   save_loop once DIR SWATCHES   saves palette "P" with SWATCHES swatches once;
//                                 prints "ok" or the error, exit status 0 or 1
#include "app/TmRegistry.h"
#include "palette/PaletteModel.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

namespace {

std::vector<TSwatch> Swatches(int count, int value)
{
    return std::vector<TSwatch>(size_t(count), TSwatch{value, value, value, 0, 0});
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    const QString dir = QString::fromLocal8Bit(argv[2]);
    TPaletteModel model;
    model.PaletteFolder = dir;
    if (std::strcmp(argv[1], "loop") == 0) {
        // Content A: 1000 swatches of 1; content B: 3000 swatches of 200.
        const std::vector<TSwatch> contents[2] = {Swatches(1000, 1), Swatches(3000, 200)};
        for (unsigned n = 0;; ++n) {
            const int which = int(n % 2);
            model.Palette = contents[which];
            model.WritePaletteFile(QStringLiteral("P"));
            TmRegistry store;
            store.StoreFolder = dir + "/store";
            store.Key = QStringLiteral("\\software\\tintwell\\");
            store.AddValue(QStringLiteral("lastColor"), which ? QStringLiteral("B") : QStringLiteral("A"));
            store.AddValue(QStringLiteral("lastFileName"), QString(4000, which ? 'b' : 'a'));
            store.WriteValues();
            if (n == 0) {
                std::printf("saving\n"); // tells the test the loop is running
                std::fflush(stdout);
            }
        }
    }
    if (std::strcmp(argv[1], "once") == 0 && argc >= 4) {
        model.Palette = Swatches(std::atoi(argv[3]), 123);
        const TFileResult r = model.WritePaletteFile(QStringLiteral("P"));
        std::printf("%s\n", r ? "ok" : qPrintable(r.error));
        return r ? 0 : 1;
    }
    return 2;
}
