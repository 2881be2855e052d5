// A main window opened on palette files written for the test.
//
//   TPaletteWindow w({{"Summer", "1\t2\t3\r\n"}, {"Autumn", ""}}, "Summer");
//   TForm1& form = w.form();          // "Summer" reopened, window shown
#pragma once

#include "app/TForm1.h"
#include "palette/NameDialogs.h"
#include "palette/PaletteFiles.h"
#include "palette/PalettePage.h"
#include "support/FormFixture.h"

#include "widgets/Widgets.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <utility>
#include <vector>

// `count` lines of distinct colours in the palette file format.
inline QByteArray PaletteLines(int count, int seed = 0)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += QByteArray::number((i * 7 + seed) % 256) + '\t' + QByteArray::number((i * 13 + seed) % 256) + '\t'
            + QByteArray::number((i / 256 + seed) % 256) + "\r\n";
    return out;
}

class TPaletteWindow {
public:
    TFormFixture f;

    explicit TPaletteWindow(const std::vector<std::pair<QString, QByteArray>>& files = {},
                            const QString& reopened = QStringLiteral("untitled"))
    {
        f.storeDefaults(QStringLiteral("12\t200\t0"), reopened);
        QDir().mkpath(f.paletteFolder());
        for (const auto& [name, content] : files)
            f.writePalette(name, content);
        TForm1& form = f.open();
        form.show();
        QCoreApplication::processEvents();
    }

    TForm1& form() { return *f.form; }
    TPalettePage& page() { return *f.form->palettePage; }
    TPaletteFiles& files() { return *f.form->paletteFiles; }
    TFakeDialogs& dialogs() { return f.fake.dialogs; }
    QStringList listed() const
    {
        QStringList out;
        for (int i = 0; i < f.form->paletteFiles->list_pp->count(); ++i)
            out << f.form->paletteFiles->list_pp->item(i)->text();
        return out;
    }
    QString selectedEntry() const { return f.form->paletteFiles->SelectedName(); }
    void selectEntry(const QString& name) { f.form->paletteFiles->SelectListEntry(name); }
    // The colours of the open palette, one "r,g,b" text each.
    QStringList colours() const
    {
        QStringList out;
        for (const TSwatch& s : f.form->Pal.Palette)
            out << QStringLiteral("%1,%2,%3").arg(s.Red).arg(s.Green).arg(s.Blue);
        return out;
    }
};

// Drives the name and rename dialogs through the fake's onExec: each time a
// dialog opens, `typed` names are entered one after another with "Ok" until
// the dialog closes; when the names run out it is cancelled.
struct TNameDialogScript {
    explicit TNameDialogScript(QStringList names = {})
        : typed(std::move(names))
    {
    }
    QStringList typed;
    QStringList titles; // each dialog's caption as it opened
    QStringList initialTexts; // each dialog's edit text as it opened
    std::vector<bool> openAfterOk; // for every "Ok": was the dialog still open?

    void install(TFakeDialogs& dialogs)
    {
        dialogs.onExec = [this](QDialog& d) {
            auto& dialog = dynamic_cast<TNameDialogBase&>(d);
            titles << dialog.windowTitle();
            initialTexts << dialog.pt_filename->text();
            bool finished = false;
            QObject::connect(&dialog, &QDialog::finished, [&finished] { finished = true; });
            while (!finished && !typed.isEmpty()) {
                dialog.pt_filename->setText(typed.takeFirst());
                dialog.okButton->click();
                openAfterOk.push_back(!finished);
            }
            if (!finished)
                dialog.cancelButton->click();
            return dialog.result();
        };
    }
};
