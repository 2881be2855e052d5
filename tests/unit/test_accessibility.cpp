// What assistive tools read: labels whose text changes are named by that
// text and described by their role, the two status bars have the status-bar
// role, and the colour boxes describe the colour they show. Read through
// Qt's accessibility interfaces, after real changes.
#include "ZoomFixture.h"
#include "color/ColorArea.h"
#include "help/TipViewer.h"
#include "widgets/Widgets.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct TSpoken {
    QString name;
    QString description;
    QAccessible::Role role;
};

TSpoken Spoken(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a)
        return {"<no interface>", {}, QAccessible::NoRole};
    return {a->text(QAccessible::Name), a->text(QAccessible::Description), a->role()};
}

// The status bar's children as the tool walks them: the panels' texts.
QStringList ChildNames(QWidget* w)
{
    QStringList out;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    for (int i = 0; a && i < a->childCount(); ++i)
        out << a->child(i)->text(QAccessible::Name);
    return out;
}

TEST(Accessibility, ColourDescriptionsGiveHexAndChannels)
{
    EXPECT_EQ(ColorDescription(58, 123, 213), "#3A7BD5, red 58, green 123, blue 213");
    EXPECT_EQ(ColorDescription(0, 0, 0), "#000000, red 0, green 0, blue 0");
    EXPECT_EQ(ColorDescription(255, 15, 16), "#FF0F10, red 255, green 15, blue 16");
}

TEST(Accessibility, MainStatusBarPanelsSpeakTheirTextsAndTheBoxesTheirColours)
{
    TFormFixture f;
    TForm1& form = f.open();
    form.show();
    form.SetStatus("Image exported", "Sea (Not saved)");
    const TSpoken bar = Spoken(form.main_status);
    EXPECT_EQ(bar.role, QAccessible::StatusBar);
    EXPECT_EQ(ChildNames(form.main_status), QStringList({"Image exported", "Sea (Not saved)"}));
    const struct {
        int panel;
        const char* text;
        const char* role;
    } panels[] = {{0, "Image exported", "Last action"}, {1, "Sea (Not saved)", "Palette name"}};
    for (const auto& p : panels) {
        const TSpoken s = Spoken(form.main_status->panel(p.panel));
        EXPECT_EQ(s.name, p.text) << p.panel;
        EXPECT_EQ(s.description, p.role) << p.panel;
        EXPECT_EQ(s.role, QAccessible::StaticText) << p.panel;
    }
    // The panels keep their places.
    EXPECT_EQ(form.main_status->geometry(),
              QRect(0, TForm1::ClientHeight - TForm1::StatusHeight, TForm1::ClientWidth, TForm1::StatusHeight));
    EXPECT_EQ(form.main_status->panel(0)->geometry(), QRect(0, 0, 120, 19));
    EXPECT_EQ(form.main_status->panel(1)->geometry(), QRect(122, 0, TForm1::ClientWidth - 122, 19));

    TColorArea& a = *form.colorArea;
    a.SetCurrentColor(58, 123, 213);
    form.Color.LastAddedColor = {1, 2, 3};
    a.result_oldColorPaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(Spoken(a.result_newColor).description, "#3A7BD5, red 58, green 123, blue 213");
    EXPECT_EQ(Spoken(a.result_newColor).name, "New color");
    EXPECT_EQ(Spoken(a.result_oldColor).description, "#010203, red 1, green 2, blue 3");
    a.rgbInput_G->setValue(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(Spoken(a.result_newColor).description, "#3A00D5, red 58, green 0, blue 213");
}

TEST(Accessibility, ZoomWindowLabelsAndStatusSpeakWhatTheyShow)
{
    TZoomFixture z;
    Tgrab_color& w = z.openZoom();
    w.show();
    z.tickAt(z.outside());
    QCoreApplication::processEvents();
    const TRgbColor sampled = z.form->Grab.SampledColor;
    const QString r = "R : " + QString::number(sampled.Red), g = "G : " + QString::number(sampled.Green),
                  b = "B : " + QString::number(sampled.Blue);

    const struct {
        QLabel* label;
        QString text;
        const char* role;
    } labels[] = {
        {w.v_r, r, "Red of the sampled color"},
        {w.v_g, g, "Green of the sampled color"},
        {w.v_b, b, "Blue of the sampled color"},
        {w.myhelp, "(Set HotKey Ctrl+G to grab colors.)", "Hint"},
        {w.grabbing_status->panel(0), "Start zooming", "Zoom state"},
    };
    for (const auto& l : labels) {
        ASSERT_EQ(l.label->text(), l.text) << l.role;
        const TSpoken s = Spoken(l.label);
        EXPECT_EQ(s.name, l.text) << l.role;
        EXPECT_EQ(s.description, l.role) << l.role;
    }
    EXPECT_EQ(Spoken(w.grabbing_status).role, QAccessible::StatusBar);
    EXPECT_EQ(ChildNames(w.grabbing_status), QStringList({"Start zooming", w.StatusText(1)}));
    EXPECT_EQ(Spoken(w.from_grabColor).description, ColorDescription(sampled.Red, sampled.Green, sampled.Blue));

    // Frozen, then another colour sampled with the mouse.
    z.keys.press(16474);
    w.Image2MouseMove({30, 30});
    QCoreApplication::processEvents();
    const TRgbColor c = z.form->Grab.SampledColor;
    ASSERT_NE(c, sampled);
    EXPECT_EQ(Spoken(w.v_g).name, "G : " + QString::number(c.Green));
    EXPECT_EQ(Spoken(w.grabbing_status->panel(0)).name, "Stop zooming");
    EXPECT_EQ(Spoken(w.from_grabColor).description, ColorDescription(c.Red, c.Green, c.Blue));
}

TEST(Accessibility, TipCounterSpeaksItsText)
{
    TTipViewer viewer({"first", "second"});
    viewer.nextButton->click();
    const TSpoken s = Spoken(viewer.counter);
    EXPECT_EQ(s.name, "Tip 2 of 2");
    EXPECT_EQ(s.description, "Tip number");
}

} // namespace
