// A main window on fresh folders: its own program folder (with library/ and
// Help/ when asked), settings store and user data folder, all removed after
// the test. Dialogs and the desktop are answered by the fakes.
//
//   TFormFixture f;                 // nothing stored yet: a first run
//   TForm1& form = f.open();
//   ...
//   f.close();                      // runs the shutdown sequence
#pragma once

#include "app/TForm1.h"
#include "support/FakeServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

class TFormFixture {
public:
    TFakeServices fake;
    QTemporaryDir root;
    TAppPaths paths;

    TFormFixture()
    {
        paths.programDir = root.path() + "/program/";
        paths.storeFolder = root.path() + "/store";
        paths.userDataDir = root.path() + "/userdata/";
        QDir().mkpath(paths.programDir + "library");
        QDir().mkpath(paths.programDir + "Help");
    }
    ~TFormFixture() { form.reset(); }

    TForm1& open()
    {
        form = std::make_unique<TForm1>(paths);
        // Let what start-up leaves for the event loop (the first run's
        // settings write) happen, as it does once the window is up.
        QCoreApplication::processEvents();
        return *form;
    }
    // Closes the window as the user would (the shutdown sequence runs) and releases it.
    void close()
    {
        if (form)
            form->close();
        form.reset();
    }
    // Writes store values as a previous run would have left them.
    void storeValues(const QList<QPair<QString, QString>>& values)
    {
        TmRegistry reg;
        reg.StoreFolder = paths.storeFolder;
        reg.Key = QStringLiteral("\\software\\tintwell\\");
        for (const auto& [n, v] : values)
            reg.AddValue(n, v);
        reg.WriteValues();
    }
    // The seven values of a previous run, with the given last colour and palette.
    void storeDefaults(const QString& lastColor = QStringLiteral("255\t0\t0"),
                       const QString& lastFileName = QStringLiteral("untitled"))
    {
        storeValues({{"lastColor", lastColor},
                     {"lastFileName", lastFileName},
                     {"zoomHotKey", "Ctrl+Z"},
                     {"grabHotKey", "Ctrl+G"},
                     {"appPath", paths.programDir},
                     {"reg_paletteFolder", paletteFolder()},
                     {"reg_exportFolder", paths.programDir + "ExportPalette"}});
    }
    QStringList storedValues() const
    {
        TmRegistry reg;
        reg.StoreFolder = paths.storeFolder;
        reg.Key = QStringLiteral("\\software\\tintwell\\");
        QStringList out;
        reg.ReadValues(out);
        return out;
    }
    QString paletteFolder() const { return paths.programDir + "MyPalettes"; }
    void writePalette(const QString& name, const QByteArray& content)
    {
        QDir().mkpath(paletteFolder());
        QFile f(paletteFolder() + "/" + name + ".dat");
        f.open(QIODevice::WriteOnly);
        f.write(content);
    }
    QByteArray readPalette(const QString& name) const
    {
        QFile f(paletteFolder() + "/" + name + ".dat");
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    std::unique_ptr<TForm1> form;
};
