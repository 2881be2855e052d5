#include "grab/ZoomWindow.h"

#include "app/StartSettings.h"
#include "color/ColorCopy.h"
#include "grab/HotKeyEdit.h"
#include "grab/Magnifier.h"
#include "grab/StillScreen.h"
#include "platform/ScreenPortal.h"
#include "platform/Services.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QSlider>
#include <QTimer>
#include <QWindow>

namespace {

const char* const kZoomTip =
    "Set hotkey of Zooming to start the zooming activity and pause to capture the zooming area on the screen.";
const char* const kGrabTip =
    "Set hotkey of Grab color to select the color you want on the screen after the zooming starts.";

// While zooming, the application is asked to come forward at most this often.
constexpr int kActivationInterval = 200; // ms

QString KeyText(THotKey hotKey)
{
    return FormatHotKey(hotKey, true);
}

void PaintQuestionMark(QPainter& p, const QRect& r)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QColor(40, 90, 160));
    p.setBrush(QColor(70, 130, 210));
    p.drawEllipse(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
}

} // namespace

Tgrab_color::Tgrab_color(QWidget& mainWindow, TGrabState& grab, THooks hooks)
    : QDialog(&mainWindow,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::WindowStaysOnTopHint)
    , grab_(grab)
    , hooks_(std::move(hooks))
    , mainWindow_(mainWindow)
{
    buildControls();
    FormCreate();
    Timer1->start(TickInterval);
    if (PortalSession())
        startStillScreen();
}

void Tgrab_color::buildControls()
{
    setObjectName(QStringLiteral("grab_color"));
    setAccessibleName(QStringLiteral("Zoom Window"));
    setWindowTitle(QStringLiteral("Tintwell V1.0 - Zoom Window"));
    setModal(true);
    setSizeGripEnabled(false);
    setMinimumSize(OpenWidth, OpenHeight);
    setMaximumSize(MaxWidth, MaxHeight);
    resize(OpenWidth, OpenHeight);
    const QRect main = mainWindow_.frameGeometry();
    move(main.center() - QPoint(OpenWidth / 2, OpenHeight / 2));

    // Left column: the sampled colour and the colours grabbed so far.
    here_gColor = new QWidget(this);
    NameControl(here_gColor, "here_gColor", QStringLiteral("Grabbed colors column"));
    groupGrabbed = new QGroupBox(QStringLiteral("Grabbed Colors"), here_gColor);
    groupGrabbed->setObjectName(QStringLiteral("group_grabbedColors"));
    groupGrabbed->setGeometry(6, 4, 109, 273);
    from_grabColor = new TPaintBox(groupGrabbed);
    NameControl(from_grabColor, "from_grabColor", QStringLiteral("Sampled color"));
    from_grabColor->setGeometry(10, 20, 56, 35);
    v_r = new QLabel(QStringLiteral("R :"), groupGrabbed);
    NameLabel(v_r, "v_r", QStringLiteral("Red of the sampled color"));
    v_r->setGeometry(10, 60, 90, 15);
    v_g = new QLabel(QStringLiteral("G :"), groupGrabbed);
    NameLabel(v_g, "v_g", QStringLiteral("Green of the sampled color"));
    v_g->setGeometry(10, 75, 90, 15);
    v_b = new QLabel(QStringLiteral("B :"), groupGrabbed);
    NameLabel(v_b, "v_b", QStringLiteral("Blue of the sampled color"));
    v_b->setGeometry(10, 90, 90, 15);
    JvScrollBox1 = new TScrollBox(groupGrabbed, Qt::white);
    NameControl(JvScrollBox1, "JvScrollBox1", QStringLiteral("Grabbed colors list"));
    JvScrollBox1->setGeometry(10, 112, 87, 145);
    paint_gbColors = new TPaintBox;
    NameControl(paint_gbColors, "paint_gbColors", QStringLiteral("Grabbed colors"));
    paint_gbColors->setGeometry(0, 0, 64, 30);
    JvScrollBox1->setWidget(paint_gbColors);

    // The pictures and the settings panel share the rest of the window.
    Image1 = new TPaintBox(this);
    NameControl(Image1, "Image1", QStringLiteral("Magnified screen"));
    Image1->hide();
    Image2 = new TPaintBox(this);
    NameControl(Image2, "Image2", QStringLiteral("Frozen picture"));
    Image2->setCursor(Qt::CrossCursor);
    Image2->setMouseTracking(true);
    Image2->hide();

    Panel1 = new QWidget(this);
    NameControl(Panel1, "Panel1", QStringLiteral("Settings"));
    Panel1->setAutoFillBackground(true);
    auto* zoomGroup = new QGroupBox(QStringLiteral(" Screen zoom factor "), Panel1);
    zoomGroup->setObjectName(QStringLiteral("group_zoomFactor"));
    zoomGroup->setGeometry(8, 8, 277, 62);
    Slider = new QSlider(Qt::Horizontal, zoomGroup);
    NameControl(Slider, "Slider", QStringLiteral("Screen zoom factor"));
    Slider->setRange(0, 10);
    Slider->setPageStep(1);
    Slider->setValue(5);
    Slider->setTickPosition(QSlider::TicksBelow);
    Slider->setTickInterval(1);
    Slider->setGeometry(12, 24, 253, 28);
    cbSrediste = new QCheckBox(QStringLiteral("Show crosshair"), Panel1);
    NameControl(cbSrediste, "cbSrediste", QStringLiteral("Show crosshair"));
    cbSrediste->setChecked(true);
    cbSrediste->setGeometry(14, 78, 160, 20);

    auto* keyGroup = new QGroupBox(QStringLiteral(" HotKey Setting "), Panel1);
    keyGroup->setObjectName(QStringLiteral("group_hotKeys"));
    keyGroup->setGeometry(8, 106, 277, 86);
    auto* zoomLabel = new QLabel(QStringLiteral("Zooming :"), keyGroup);
    zoomLabel->setObjectName(QStringLiteral("label_zooming"));
    zoomLabel->setGeometry(12, 26, 70, 20);
    HotKey1 = new THotKeyEdit(keyGroup);
    NameControl(HotKey1, "HotKey1", QStringLiteral("Zooming hot key"));
    HotKey1->setGeometry(86, 26, 150, 20);
    zoomLabel->setBuddy(HotKey1);
    Image3 = new TPaintBox(keyGroup);
    NameControl(Image3, "Image3", QStringLiteral("About the zooming hot key"));
    Image3->setGeometry(244, 28, 16, 16);
    Image3->setCursor(Qt::PointingHandCursor);
    auto* grabLabel = new QLabel(QStringLiteral("Grab color :"), keyGroup);
    grabLabel->setObjectName(QStringLiteral("label_grabColor"));
    grabLabel->setGeometry(12, 54, 70, 20);
    HotKey2 = new THotKeyEdit(keyGroup);
    NameControl(HotKey2, "HotKey2", QStringLiteral("Grab color hot key"));
    HotKey2->setGeometry(86, 54, 150, 20);
    grabLabel->setBuddy(HotKey2);
    Image4 = new TPaintBox(keyGroup);
    NameControl(Image4, "Image4", QStringLiteral("About the grab color hot key"));
    Image4->setGeometry(244, 56, 16, 16);
    Image4->setCursor(Qt::PointingHandCursor);
    HotKey1->setValue(16474); // Ctrl+Z
    HotKey2->setValue(16455); // Ctrl+G

    myhelp = new QLabel(Panel1);
    NameLabel(myhelp, "myhelp", QStringLiteral("Hint"));
    myhelp->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // It quotes the stored hot-key text: plain text.
    myhelp->setTextFormat(Qt::PlainText);
    QFont bold = myhelp->font();
    bold.setBold(true);
    myhelp->setFont(bold);
    myhelp->setGeometry(8, 200, 277, 20);

    grabbing_status = new TStatusBar({80, 50}, this);
    NameControl(grabbing_status, "grabbing_status", QStringLiteral("Zoom status"));
    // Panel 0 is 80 pixels wide unless this font needs more for its texts.
    QLabel* first = grabbing_status->panel(0);
    int needed = 0;
    for (const char* text : {"Start zooming", "Pause zooming", "Stop zooming"})
        needed = qMax(needed, first->fontMetrics().horizontalAdvance(QLatin1String(text)));
    const int firstWidth = qMax(80, needed + 2 * first->frameWidth() + 6);
    first->resize(firstWidth, StatusHeight);
    grabbing_status->panel(1)->move(firstWidth + 2, 0);
    NameLabel(grabbing_status->panel(0), "panel0", QStringLiteral("Zoom state"));
    NameLabel(grabbing_status->panel(1), "panel1", QStringLiteral("Hint"));
    grabbing_status->setPanelText(0, QStringLiteral("Grab"));
    grabbing_status->setPanelText(1, QStringLiteral("hint"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TickInterval);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &Tgrab_color::MagnifierTick);

    HotKeyManager1 = new THotKeyManager(this);
    HotKeyManager1->setObjectName(QStringLiteral("HotKeyManager1"));
    HotKeyManager1->OnHotKeyPressed = [this](THotKey hotKey, std::uint16_t index) {
        HotKeyManager1HotKeyPressed(hotKey, index);
    };

    // Ctrl+C copies the sampled colour, outside the hot-key fields.
    if (hooks_.watchCopyKeys)
        hooks_.watchCopyKeys({this, nullptr, [this] { return grab_.SampledColor; },
                              [this](const QString& text) { grabbing_status->setPanelText(1, text); }, false,
                              [](const QObject* o) { return qobject_cast<const THotKeyEdit*>(o) != nullptr; }});

    // Handlers.
    from_grabColor->onPaint = [this](QPainter& p, const QRect&) {
        const TRgbColor& c = grab_.SampledColor;
        DescribeColor(from_grabColor, c.Red, c.Green, c.Blue);
        p.fillRect(from_grabColor->rect(), QColor(c.Red & 0xFF, c.Green & 0xFF, c.Blue & 0xFF));
        p.setPen(QColor(70, 70, 70));
        p.setBrush(Qt::NoBrush);
        p.drawRect(from_grabColor->rect().adjusted(0, 0, -1, -1));
    };
    paint_gbColors->onPaint = [this](QPainter& p, const QRect& exposed) {
        ZoomGrid().Paint(p, ZoomColors, -1, exposed);
    };
    Image1->onPaint = [this](QPainter& p, const QRect&) {
        if (!LivePicture.isNull())
            p.drawImage(0, 0, LivePicture);
    };
    Image2->onPaint = [this](QPainter& p, const QRect&) {
        if (!FrozenPicture.isNull())
            p.drawImage(0, 0, FrozenPicture);
    };
    Image2->onMouseMove = [this](QPoint pos) { Image2MouseMove(pos); };
    Image2->onMouseDown = [this](Qt::MouseButton button, QPoint pos) { Image2MouseDown(button, pos); };
    Image3->onPaint = [this](QPainter& p, const QRect&) { PaintQuestionMark(p, Image3->rect()); };
    Image4->onPaint = [this](QPainter& p, const QRect&) { PaintQuestionMark(p, Image4->rect()); };
    Image3->onClick = [this] { Image3Click(); };
    Image4->onClick = [this] { Image4Click(); };
    HotKey1->onChange = [this] { HotKey1Change(); };
    HotKey2->onChange = [this] { HotKey2Change(); };

    FormResize();
}

Tgrab_color::~Tgrab_color()
{
    // FormDestroy: stop, and give back every hot key before the window goes.
    Timer1->stop();
    still_.reset();
    HotKeyManager1->OnHotKeyPressed = nullptr;
    HotKeyManager1->Unregister(HotKey1->value());
    HotKeyManager1->Unregister(HotKey2->value());
    delete HotKeyManager1; // releases whatever is still held
    HotKeyManager1 = nullptr;
}

// ---------------------------------------------------------------- opening

void Tgrab_color::FormCreate()
{
    // With the main window hidden, this window stands for the application.
    AppWindow = this;

    const QStringList stored = hooks_.readSettings();
    const QString zoomText = stored.value(posZoomHotKey);
    if (!zoomText.isEmpty())
        HotKey1->setValue(ParseHotKey(zoomText, true));
    else
        hooks_.storeSettings({{HotKeySettingName(posZoomHotKey), QStringLiteral("Ctrl+Z")}});
    const QString grabText = stored.value(posGrabHotKey);
    if (!grabText.isEmpty())
        HotKey2->setValue(ParseHotKey(grabText, true));
    else
        hooks_.storeSettings({{HotKeySettingName(posGrabHotKey), QStringLiteral("Ctrl+G")}});

    ZoomColors.clear();
    paint_gbColorsPaint();

    if (HotKey1->value() == 0)
        Services().dialogs->message(TMsgIcon::Confirm, QStringLiteral("You need to start zooming"));
    if (HotKey2->value() == 0)
        Services().dialogs->message(TMsgIcon::Confirm,
                                    QStringLiteral("You need to set one HotKey to grab color on the screen."));

    // A key that is free but still cannot be taken is refused like one held elsewhere.
    auto take = [this](THotKeyEdit* field, THotKey& registered) {
        const THotKey value = field->value();
        if (IsHotKeyFree(value) && HotKeyManager1->Register(value) != 0) {
            registered = value;
            return;
        }
        notAvailable(value);
        field->setValue(0);
        registered = 0;
    };
    take(HotKey1, ZoomKey);
    take(HotKey2, GrabKey);
}

void Tgrab_color::notAvailable(THotKey hotKey)
{
    Services().dialogs->message(TMsgIcon::Information,
                                KeyText(hotKey) + QStringLiteral(" is ") + QStringLiteral("not ")
                                    + QStringLiteral("available for registration."));
}

// ---------------------------------------------------------------- magnifier

bool Tgrab_color::Live() const
{
    return Timer1->isActive();
}

QString Tgrab_color::StatusText(int panel) const
{
    return grabbing_status->panelText(panel);
}

void Tgrab_color::bringApplicationForward()
{
    if (QApplication::activeWindow())
        return;
    // Asking the window manager 40 times a second helps nothing.
    if (lastActivation_.isValid() && lastActivation_.elapsed() < kActivationInterval)
        return;
    lastActivation_.start();
    ForceToForeground(AppWindow ? AppWindow : this);
}

bool Tgrab_color::ForceToForeground(QWidget* window)
{
    if (!window)
        return false;
    if (window->isMinimized())
        window->showNormal();
    if (window->isActiveWindow())
        return true;
    window->raise();
    window->activateWindow();
    return window->isActiveWindow();
}

void Tgrab_color::MagnifierTick()
{
    if (isMinimized())
        return;
    if (still_ && still_->state() != TStillScreen::State::Showing) {
        showStillState();
        return;
    }
    IScreen& screen = still_ ? static_cast<IScreen&>(*still_) : *Services().screen;
    if (still_)
        showStillControls();
    const QPoint pointer = screen.cursorPos();

    // The whole window on the screen, in screen pixels.
    const qreal ratio = still_ ? still_->pictureScale() : windowHandle() ? windowHandle()->devicePixelRatio() : 1.0;
    const QRect frame = frameGeometry();
    const QRect windowRect(qRound(frame.x() * ratio), qRound(frame.y() * ratio), qRound(frame.width() * ratio),
                           qRound(frame.height() * ratio));
    if (windowRect.contains(pointer)) {
        LastFrame.forget();
        bringApplicationForward();
        if (Panel1->isHidden()) {
            Panel1->show();
            Panel1->raise();
        }
        Image1->hide();
        grabbing_status->setPanelText(0, QStringLiteral("Pause zooming"));
        grabbing_status->setPanelText(1, QString());
        return;
    }

    bringApplicationForward();
    Panel1->hide();
    Image1->show();
    if (!KeyText(ZoomKey).isEmpty())
        myhelp->setText(QStringLiteral("(Set HotKey ") + KeyText(HotKey2->value())
                        + QStringLiteral(" to grab colors.)"));
    else
        myhelp->setText(QStringLiteral("(You have not set up your hotkey!)"));
    grabbing_status->setPanelText(0, QStringLiteral("Start zooming"));
    grabbing_status->setPanelText(1,
                                  QStringLiteral("Preess ") + KeyText(GrabKey) + QStringLiteral(" to grab colors,")
                                      + KeyText(ZoomKey) + QStringLiteral(" to capture zooming area.")
                                      + (still_ ? QStringLiteral(" F5 takes a new screenshot.") : QString()));

    const QSize size = Image1->size();
    if (LivePicture.size() != size)
        LivePicture = QImage(size, QImage::Format_RGB32);
    if (LivePicture.isNull())
        return;
    const TMagnifierStep step = MagnifierStep(Slider->value(), size, pointer, screen.desktopSize());
    TMagnifierFrame shown{screen.grab(step.source), pointer, Slider->value(), size, cbSrediste->isChecked()};
    if (shown.sameAs(LastFrame))
        return; // at rest: the picture, the sample and the preview stand
    EnlargeNearest(shown.source, LivePicture);
    LastFrame = std::move(shown);

    // The sample point can fall just outside the picture where the window's
    // size does not divide evenly; read the nearest pixel then.
    const int sx = qBound(0, step.sample.x(), size.width() - 1);
    const int sy = qBound(0, step.sample.y(), size.height() - 1);
    const QRgb rgb = LivePicture.pixel(sx, sy);
    grab_.SampledColor = {qRed(rgb), qGreen(rgb), qBlue(rgb)};
    showSampledColor();

    if (cbSrediste->isChecked())
        DrawCrosshair(LivePicture, step.cross);
    Image1->update();
}

void Tgrab_color::showSampledColor()
{
    from_grabColorPaint();
    const TRgbColor& c = grab_.SampledColor;
    v_r->setText(QStringLiteral("R : %1").arg(c.Red));
    v_g->setText(QStringLiteral("G : %1").arg(c.Green));
    v_b->setText(QStringLiteral("B : %1").arg(c.Blue));
}

void Tgrab_color::from_grabColorPaint()
{
    from_grabColor->update();
}

// ---------------------------------------------------------------- hot keys

void Tgrab_color::HotKeyManager1HotKeyPressed(THotKey hotKey, std::uint16_t)
{
    // The keys act whatever has the focus, a hot-key field too: a field
    // only ever receives combinations that this window does not hold.
    if (still_ && still_->state() != TStillScreen::State::Showing) {
        // No picture to freeze or sample: the grab key asks the desktop's picker.
        if (hotKey == GrabKey && still_->state() == TStillScreen::State::Picking)
            pickColor();
        return;
    }

    if (hotKey == ZoomKey) {
        if (Live()) {
            ForceToForeground(AppWindow);
            Timer1->stop();
            grabbing_status->setPanelText(0, QStringLiteral("Stop zooming"));
            grabbing_status->setPanelText(1,
                                          QStringLiteral("Sample colors now! Or preess ") + KeyText(ZoomKey)
                                              + QStringLiteral(" to resume zooming"));
            // Freeze the last magnified picture, crosshair included.
            if (FrozenPicture.size() != Image2->size()) {
                FrozenPicture = QImage(Image2->size(), QImage::Format_RGB32);
                FrozenPicture.fill(palette().color(QPalette::Window));
            }
            if (!LivePicture.isNull()) {
                QPainter p(&FrozenPicture);
                p.drawImage(0, 0, LivePicture);
            }
            Image2->show();
            Image1->hide();
            Image2->update();
        } else {
            LastFrame.forget(); // the frozen picture's colour is in the preview
            Timer1->start(TickInterval);
            grabbing_status->setPanelText(0, QStringLiteral("Start zooming"));
            grabbing_status->setPanelText(
                1, QStringLiteral("Preess ") + KeyText(GrabKey) + QStringLiteral(" to grab colors"));
            Image1->show();
            Image2->hide();
        }
    }
    if (Live() && hotKey == GrabKey) {
        if (Panel1->isHidden())
            GrabSampledColor();
        ForceToForeground(AppWindow);
    }
}

bool Tgrab_color::acceptFieldValue(THotKeyEdit* field, THotKey& registered)
{
    const THotKey value = field->value();
    if (value == 0) {
        Services().dialogs->message(TMsgIcon::Warning,
                                    KeyText(value) + QStringLiteral(" doesn't appear to be a hotkey."));
        return false;
    }
    // A key the system refuses at the last moment is reported like one held elsewhere.
    if (!IsHotKeyFree(value) || HotKeyManager1->Register(value) == 0) {
        notAvailable(value);
        return false;
    }
    HotKeyManager1->Unregister(registered);
    registered = value;
    return true;
}

void Tgrab_color::HotKey1Change()
{
    acceptFieldValue(HotKey1, ZoomKey);
}

void Tgrab_color::HotKey2Change()
{
    if (acceptFieldValue(HotKey2, GrabKey))
        myhelp->setText(QStringLiteral("(Set HotKey ") + KeyText(HotKey2->value())
                        + QStringLiteral(" to grab colors.)"));
}

void Tgrab_color::Image3Click()
{
    hooks_.showTip(QString::fromLatin1(kZoomTip));
}

void Tgrab_color::Image4Click()
{
    hooks_.showTip(QString::fromLatin1(kGrabTip));
}

// ---------------------------------------------------------------- grabbing

void Tgrab_color::GrabSampledColor()
{
    const TRgbColor& c = grab_.SampledColor;
    TSwatch s;
    s.Red = c.Red;
    s.Green = c.Green;
    s.Blue = c.Blue;
    ZoomColors.push_back(s);
    ZoomGrid().Layout(ZoomColors);
    paint_gbColorsPaint();
    JvScrollBox1->scrollToEnd();
    hooks_.colorGrabbed();
}

TSwatchGrid Tgrab_color::ZoomGrid() const
{
    return {30, 30, paint_gbColors->width(), 2};
}

void Tgrab_color::paint_gbColorsPaint()
{
    paint_gbColors->resize(paint_gbColors->width(), ZoomGrid().ViewHeight(ZoomColors.size()));
    paint_gbColors->update();
}

void Tgrab_color::Image2MouseMove(QPoint pos)
{
    if (!Image1->isHidden())
        return;
    if (!FrozenPicture.rect().contains(pos))
        return; // dragged off the picture: keep the last colour
    const QRgb rgb = FrozenPicture.pixel(pos);
    grab_.SampledColor = {qRed(rgb), qGreen(rgb), qBlue(rgb)};
    showSampledColor();
}

void Tgrab_color::Image2MouseDown(Qt::MouseButton, QPoint)
{
    if (!Image1->isHidden())
        return;
    GrabSampledColor();
    showSampledColor();
}

// ---------------------------------------------------------------- size and closing

void Tgrab_color::FormResize()
{
    const int w = width(), h = height();
    const int pictureHeight = h - StatusHeight;
    here_gColor->setGeometry(0, 0, ColumnWidth, pictureHeight);
    Image1->setGeometry(ColumnWidth, 0, w - ColumnWidth, pictureHeight);
    Image2->setGeometry(ColumnWidth, 0, w - ColumnWidth, pictureHeight);
    Panel1->setGeometry(ColumnWidth, 0, w - ColumnWidth, pictureHeight);
    Panel1->raise();
    grabbing_status->setGeometry(0, pictureHeight, w, StatusHeight);
    // The last panel reaches the window's right edge.
    if (QLabel* last = grabbing_status->panel(1))
        last->resize(qMax(50, w - last->x()), StatusHeight);
    LivePicture = QImage(); // the next tick builds it at the new size
    LastFrame.forget();
}

void Tgrab_color::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

void Tgrab_color::FormClose()
{
    for (const TSwatch& z : ZoomColors) {
        TSwatch s;
        s.Red = z.Red;
        s.Green = z.Green;
        s.Blue = z.Blue;
        grab_.GrabbedColors.push_back(s);
    }
    TGrabState::Grid.Layout(grab_.GrabbedColors);
    hooks_.storeSettings({{HotKeySettingName(posZoomHotKey), KeyText(HotKey1->value())},
                          {HotKeySettingName(posGrabHotKey), KeyText(HotKey2->value())}});
    mainWindow_.show();
}

void Tgrab_color::closeEvent(QCloseEvent* event)
{
    if (!closed_) {
        closed_ = true;
        Timer1->stop();
        endStill();
        FormClose();
    }
    QDialog::closeEvent(event);
}

void Tgrab_color::done(int result)
{
    // Every way out (close box, Esc, the program) hands the colours over once.
    if (!closed_) {
        closed_ = true;
        Timer1->stop();
        endStill();
        FormClose();
    }
    QDialog::done(result);
}

// ---------------------------------------------------------------- screen through the desktop portal

void Tgrab_color::startStillScreen()
{
    // Modal to the main window only: the still pictures are windows of ours
    // that must keep their keys (Esc, F5, the hot keys).
    setWindowModality(Qt::WindowModal);
    still_ = std::make_unique<TStillScreen>(this, ScreenPortal(), *Services().screen);
    still_->onChanged = [this] {
        LastFrame.forget();
        MagnifierTick();
    };
    still_->onCloseRequested = [this] { reject(); };

    StillButton = new QPushButton(QStringLiteral("New screenshot (F5)"), Panel1);
    StillButton->setObjectName(QStringLiteral("StillButton"));
    StillButton->setAccessibleName(QStringLiteral("New screenshot"));
    StillButton->setGeometry(8, 252, 150, 24);
    StillButton->setAutoDefault(false);
    StillButton->show();
    connect(StillButton, &QPushButton::clicked, this, &Tgrab_color::stillButtonClick);
    // The status bar is too narrow for these texts: they are written out here.
    StillNote = new QLabel(Panel1);
    StillNote->setObjectName(QStringLiteral("StillNote"));
    StillNote->setAccessibleDescription(QStringLiteral("Screen from the desktop"));
    StillNote->setWordWrap(true);
    StillNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    StillNote->setGeometry(8, 196, 277, 54);
    StillNote->hide();

    // Asked once the window is on the screen, so that the wait shows in it.
    QTimer::singleShot(0, this, [this] {
        if (still_)
            still_->takeScreenshot();
    });
}

void Tgrab_color::endStill()
{
    // The still picture goes with the zoom window.
    still_.reset();
}

void Tgrab_color::showStillState()
{
    // Nothing to magnify: the settings stay in front.
    if (Panel1->isHidden()) {
        Panel1->show();
        Panel1->raise();
    }
    Image1->hide();
    const TStillScreen::State state = still_->state();
    grabbing_status->setPanelText(0, still_->statusTitle());
    QString text = still_->statusText();
    if (state == TStillScreen::State::Picking)
        text += QStringLiteral(" Press ") + KeyText(GrabKey)
            + QStringLiteral(" or \"Pick a color\" to use the desktop's own picker.");
    else if (state == TStillScreen::State::Failed)
        text += QStringLiteral(" Press F5 to try again.");
    grabbing_status->setPanelText(1, text);
    StillNote->setText(text);
    showStillControls();
}

void Tgrab_color::showStillControls()
{
    const TStillScreen::State state = still_->state();
    const bool picking = state == TStillScreen::State::Picking;
    StillButton->setEnabled(state != TStillScreen::State::Waiting);
    StillButton->setText(picking ? QStringLiteral("Pick a color") : QStringLiteral("New screenshot (F5)"));
    StillButton->setAccessibleName(picking ? QStringLiteral("Pick a color") : QStringLiteral("New screenshot"));
    // The hint belongs to the magnifier; the note to the times without a picture.
    const bool showing = state == TStillScreen::State::Showing;
    StillNote->setVisible(!showing);
    myhelp->setVisible(showing);
}

void Tgrab_color::stillButtonClick()
{
    if (!still_)
        return;
    if (still_->state() == TStillScreen::State::Picking)
        pickColor();
    else
        still_->takeScreenshot();
}

void Tgrab_color::pickColor()
{
    if (!still_)
        return;
    still_->pick([this](const TRgbColor& color) {
        grab_.SampledColor = color;
        GrabSampledColor();
        showSampledColor();
    });
}
