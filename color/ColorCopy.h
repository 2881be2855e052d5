// Copying a colour to the clipboard as text and pasting one from it.
//
// The copy menu offers one colour in the five forms of ColorText.h, each item
// showing the exact text it copies. Ctrl+C copies in the form chosen last;
// Ctrl+V, or a paste into the hex box, reads any text ParseColorText reads.
// What happened goes to the status bar through a callback, so that this
// needs no window of its own.
#pragma once

#include "color/ColorText.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>

class QLineEdit;
class QMenu;
class QPoint;
class QWidget;
class TPaintBox;

class TColorCopy : public QObject {
    Q_OBJECT
public:
    struct THooks {
        std::function<void(const QString&)> status; // status panel 0
        std::function<void(TColorForm)> formChosen; // a menu item was chosen: store the form
        std::function<void(const TRgbColor&)> setColor; // a colour was pasted
    };
    TColorCopy(QObject* parent, THooks hooks, TColorForm lastForm = TColorForm::HashHex);

    TColorForm LastForm;

    // A menu of five items for `color`, named copy_hash, copy_hex, copy_rgb,
    // copy_hsl and copy_plain. It deletes itself when it closes.
    QMenu* CopyMenu(const TRgbColor& color, QWidget* parent);
    // Opens that menu at `local` of `over` and returns it.
    QMenu* PopupCopyMenu(const TRgbColor& color, QWidget* over, const QPoint& local);

    // Puts `color` on the clipboard in `form` and says so ("Copied #3A7BD5").
    void Copy(const TRgbColor& color, TColorForm form);
    // A menu's choice: copies and remembers the form.
    void CopyChosen(const TRgbColor& color, TColorForm form);
    // Makes the text's colour the current colour; any other text changes
    // nothing and the status says why. True when a colour was taken.
    bool Paste(const QString& text);
    bool PasteClipboard();

    // Ctrl+C and Ctrl+V in `window`: Ctrl+C copies `current()` in the last
    // form unless a text field has a selection (it then copies that);
    // Ctrl+V pastes a colour unless a text field other than `hexBox` has the
    // keyboard, and so does a paste into `hexBox`. With `status`, messages
    // go there instead of to the hooks'. Without `pasting`, only Ctrl+C.
    struct TKeys {
        QWidget* window = nullptr;
        QLineEdit* hexBox = nullptr;
        std::function<TRgbColor()> current;
        std::function<void(const QString&)> status;
        bool pasting = true;
        // Fields that take Ctrl+C and Ctrl+V as keys of their own (hot-key fields).
        std::function<bool(const QObject*)> ownsKeys;
    };
    void WatchKeys(const TKeys& keys);

    // A right click (or the menu key) on a cell of `box` opens the copy menu
    // for the colour `colorAt` finds there; a right press no longer reaches
    // the box's own press handler, so it selects nothing and changes no colour.
    void AttachCopyMenu(TPaintBox* box, std::function<bool(QPoint, TRgbColor&)> colorAt);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Say(const QString& text, const std::function<void(const QString&)>& status = {});

    THooks hooks_;
    struct TWatched {
        QPointer<QWidget> window;
        TKeys keys;
    };
    std::vector<TWatched> watched_;
};
