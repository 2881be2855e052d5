// The zoom window's screen where the program may not read the screen itself
// (Wayland): one screenshot from the desktop portal, shown full-screen in a
// window of ours on every monitor, under the zoom window. The pointer then
// moves over our own window, so its position is known, and the zoom window
// magnifies and samples the still picture as it would the live screen.
//
// When the desktop refuses screenshots, single picks through the desktop's
// own colour picker take their place.
#pragma once

#include "color/ColorConv.h"
#include "platform/ScreenPortal.h"
#include "platform/Services.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class TStillScreen final : public QObject, public IScreen {
    Q_OBJECT
public:
    enum class State {
        Waiting, // a screenshot was asked for and has not come
        Showing, // the still picture is on the screen
        Picking, // no screenshots: single picks with the desktop's picker
        Failed, // nothing to sample; message() says why
    };

    // `zoom` is the zoom window, kept above the pictures; `pointer` gives the
    // pointer's position in screen pixels.
    TStillScreen(QWidget* zoom, IScreenPortal& portal, IScreen& pointer);
    ~TStillScreen() override;

    // Takes a new screenshot; the pictures step aside while it is taken.
    void takeScreenshot();
    // Asks the desktop's picker for one colour; `picked` gets it. False when
    // a request is under way already.
    bool pick(std::function<void(const TRgbColor&)> picked);

    State state() const { return state_; }
    QString message() const { return message_; }
    const QImage& picture() const { return picture_; }
    // Texts for the zoom window's status bar while there is no picture.
    QString statusTitle() const;
    QString statusText() const;
    // The full-screen windows, one per monitor, while the picture shows.
    std::vector<QWidget*> pictureWindows() const;

    // Picture pixels per device-independent pixel of the desktop: the
    // monitors' scale as the desktop took the picture.
    qreal pictureScale() const { return scale_; }

    // IScreen over the still picture, in picture pixels.
    QPoint cursorPos() override;
    QSize desktopSize() override;
    QImage grab(const QRect& rect) override;

    // The state changed (a picture came, a request failed).
    std::function<void()> onChanged;
    // The user closed a picture window, or pressed Esc over one.
    std::function<void()> onCloseRequested;

    // Waiting this long after the pictures stepped aside lets the desktop
    // draw what is under them before the next screenshot.
    int settleMs = 120;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ask();
    void answered(const TPortalAnswer& answer);
    void showPictures();
    void hidePictures();
    void setState(State state, const QString& message = QString());
    void requestClose();

    QPointer<QWidget> zoom_;
    IScreenPortal& portal_;
    IScreen& pointer_;
    State state_ = State::Waiting;
    QString message_;
    QImage picture_;
    qreal scale_ = 1.0;
    std::vector<QPointer<QWidget>> windows_;
    QTimer settle_;
    bool picking_ = false; // a PickColor request is under way
};
