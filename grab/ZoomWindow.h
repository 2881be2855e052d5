// The zoom window: a magnifier that follows the pointer over the whole
// screen and samples the colour under it. Two hot keys drive it from any
// application: the zoom key freezes the magnified picture and resumes it,
// the grab key keeps the sampled colour. While frozen, clicks on the picture
// keep the colour under the pointer. Closing hands the kept colours to the
// main window and stores the two hot keys.
#pragma once

#include "color/ColorCopy.h"
#include "grab/GrabState.h"
#include "grab/HotKeyManager.h"
#include "grab/Magnifier.h"
#include "palette/PaletteModel.h"
#include "palette/SwatchGrid.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QList>
#include <QPair>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QPushButton;
class TStillScreen;
class QGroupBox;
class QLabel;
class QSlider;
class QTimer;
class THotKeyEdit;
class TPaintBox;
class TScrollBox;
class TStatusBar;

class Tgrab_color : public QDialog {
    Q_OBJECT
public:
    static constexpr int OpenWidth = 414; // client area when opened
    static constexpr int OpenHeight = 300;
    static constexpr int MaxWidth = 614;
    static constexpr int MaxHeight = 500;
    static constexpr int ColumnWidth = 121;
    static constexpr int StatusHeight = 19;
    static constexpr int TickInterval = 25; // ms

    // What the zoom window asks of the rest of the program.
    struct THooks {
        std::function<void(const QString&)> showTip;
        std::function<QStringList()> readSettings; // the stored values, read afresh
        // Sets the named values and writes the store.
        std::function<void(const QList<QPair<QString, QString>>&)> storeSettings;
        // Ctrl+C in this window copies the sampled colour; empty: it does not.
        std::function<void(const TColorCopy::TKeys&)> watchCopyKeys;
        std::function<void()> colorGrabbed; // a colour joined the ones kept in this window
    };

    // Creates the window over `mainWindow` and runs its opening (FormCreate).
    // Closing adds the kept colours to `grab` and shows `mainWindow` again.
    Tgrab_color(QWidget& mainWindow, TGrabState& grab, THooks hooks);
    ~Tgrab_color() override; // FormDestroy

    // ---- Controls ----------------------------------------------------------
    QWidget* here_gColor = nullptr;
    QGroupBox* groupGrabbed = nullptr;
    TPaintBox* from_grabColor = nullptr;
    QLabel* v_r = nullptr;
    QLabel* v_g = nullptr;
    QLabel* v_b = nullptr;
    TScrollBox* JvScrollBox1 = nullptr;
    TPaintBox* paint_gbColors = nullptr;
    TPaintBox* Image1 = nullptr; // live picture
    TPaintBox* Image2 = nullptr; // frozen picture
    QWidget* Panel1 = nullptr; // settings
    QSlider* Slider = nullptr;
    QCheckBox* cbSrediste = nullptr;
    THotKeyEdit* HotKey1 = nullptr;
    TPaintBox* Image3 = nullptr;
    THotKeyEdit* HotKey2 = nullptr;
    TPaintBox* Image4 = nullptr;
    QLabel* myhelp = nullptr;
    TStatusBar* grabbing_status = nullptr;
    QTimer* Timer1 = nullptr;
    THotKeyManager* HotKeyManager1 = nullptr;
    // Where the screen comes from the desktop portal: a new screenshot, or
    // (when screenshots are refused) one pick with the desktop's picker.
    QPushButton* StillButton = nullptr;
    QLabel* StillNote = nullptr; // what the portal said, while there is no picture

    // ---- State ---------------------------------------------------------------
    THotKey ZoomKey = 0; // registered values; 0 when none
    THotKey GrabKey = 0;
    std::vector<TSwatch> ZoomColors;
    QWidget* AppWindow = nullptr;
    QImage LivePicture; // Image1's picture; rebuilt at Image1's size
    QImage FrozenPicture; // Image2's picture; empty until the first freeze
    TMagnifierFrame LastFrame; // what the last tick showed in LivePicture

    // ---- Handlers --------------------------------------------------------------
    void FormCreate();
    void FormClose();
    void FormResize();
    void MagnifierTick();
    void HotKeyManager1HotKeyPressed(THotKey hotKey, std::uint16_t index);
    void HotKey1Change();
    void HotKey2Change();
    void Image2MouseMove(QPoint pos);
    void Image2MouseDown(Qt::MouseButton button, QPoint pos);
    void paint_gbColorsPaint();
    void from_grabColorPaint();
    void Image3Click();
    void Image4Click();

    // Brings `window` to the front and gives it the keyboard; true when it is
    // the active window afterwards.
    bool ForceToForeground(QWidget* window);

    // Appends the sampled colour to ZoomColors.
    void GrabSampledColor();
    QString StatusText(int panel) const;
    bool Live() const;
    // The still picture and its windows, where the screen comes through the
    // desktop portal; null on X11.
    TStillScreen* Still() const { return still_.get(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

public:
    void done(int result) override;

private:
    void buildControls();
    void showSampledColor();
    void bringApplicationForward();
    void notAvailable(THotKey hotKey);
    bool acceptFieldValue(THotKeyEdit* field, THotKey& registered);
    void startStillScreen();
    void showStillState();
    void showStillControls();
    void stillButtonClick();
    void pickColor();
    void endStill();
    // ZoomColors' cells: 30 pixels apart, drawn 28 pixels square, none selected.
    TSwatchGrid ZoomGrid() const;

    TGrabState& grab_;
    THooks hooks_;
    QWidget& mainWindow_;
    bool closed_ = false;
    QElapsedTimer lastActivation_;
    std::unique_ptr<TStillScreen> still_;
};
