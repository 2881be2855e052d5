// The small widget set the windows are built from: paint boxes that hand
// their events to the window's handlers, image buttons with painted faces,
// scroll boxes that scroll by two pixels, and a status bar with panels.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QScrollArea>
#include <QWidget>

#include <functional>

class QKeyEvent;
class QPainter;
class QTabBar;
class QTabWidget;

// Gives every control its program name as object name and a name that a
// screen reader can speak.
void NameControl(QWidget* widget, const char* objectName, const QString& accessibleName);

// For a label whose text changes: a screen reader speaks the text itself as
// its name, and `role` (what the text is about) as its description.
void NameLabel(QLabel* label, const char* objectName, const QString& role);

// What a box showing one colour tells a screen reader, for example
// "#3A7BD5, red 58, green 123, blue 213".
QString ColorDescription(int red, int green, int blue);
// Sets that as the box's accessible description when the colour changed.
void DescribeColor(QWidget* box, int red, int green, int blue);

// The wheel over a tab bar scrolls nothing and switches no page: a page is
// changed by a click or a key, which can be asked about first.
void KeepWheelFromSwitchingTabs(QTabBar* bar);

// The page that `key` would bring to the front of `tabs` (Left and Right on
// the focused tab bar; Ctrl+Tab and Ctrl+Shift+Tab anywhere inside), or -1
// when it switches nothing.
int TabSwitchTarget(const QTabWidget* tabs, const QKeyEvent* key, bool onTabBar);

// A surface that the window paints itself. Mouse positions are in the box's
// own pixels; while a button is held, moves keep reporting to the box where
// the press began, also outside it.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    std::function<void(QPainter&, const QRect& exposed)> onPaint;
    std::function<void(Qt::MouseButton, QPoint)> onMouseDown;
    std::function<void(QPoint)> onMouseMove;
    std::function<void(Qt::MouseButton, QPoint)> onMouseUp;
    // A left button released over the box after a press on it; runs before onMouseUp.
    std::function<void()> onClick;
    // A left-button double click; runs before the press that the double
    // click also delivers.
    std::function<void()> onDblClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A button whose face is a small picture carrying its caption, with hover,
// pressed and greyed (disabled) looks.
class TImageButton : public QAbstractButton {
    Q_OBJECT
public:
    TImageButton(const QString& caption, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {66, 22}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool hover_ = false;
};

// A white (or tinted) scroll box whose content scrolls by two pixels for each
// wheel notch (partial notches of touchpads add up) and for each key pressed (down) or released (up) while it has
// the focus.
class TScrollBox : public QScrollArea {
    Q_OBJECT
public:
    explicit TScrollBox(QWidget* parent = nullptr, const QColor& background = Qt::white);
    // Scrolls `content` with its top left corner at `inset` inside the
    // scrolled area, whatever its size becomes; the scroll range covers the
    // inset too. (setWidget alone would keep the content at 0, 0.)
    void setInsetWidget(QWidget* content, QPoint inset);
    void scrollBy(int dy);
    void scrollToEnd();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void fitInsetHolder();

    QWidget* insetContent_ = nullptr;
    static constexpr int kWheelUnitsPerPixel = 60;
    // Wheel units received but not yet scrolled (less than a pixel's worth).
    int wheelRemainder_ = 0;
};

// A status bar of text panels, each a label that can be read. Assistive
// tools see it with the status-bar role.
class TStatusBar : public QWidget {
    Q_OBJECT
public:
    TStatusBar(const QList<int>& widths, QWidget* parent = nullptr);
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    QLabel* panel(int index) const { return panels_.value(index); }

private:
    QList<QLabel*> panels_;
};
