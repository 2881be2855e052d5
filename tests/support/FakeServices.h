// Test doubles for the program's modal and outside-world seams.
//
//   TFakeServices fake;            // installed for this scope
//   fake.answers = {true};         // the next question is answered Yes
//   ... drive the window ...
//   EXPECT_EQ(fake.shown.back().text, "...");
#pragma once

#include "platform/Services.h"

#include <QDialog>
#include <deque>
#include <functional>
#include <vector>

struct TShownBox {
    TMsgIcon icon;
    QString text;
    bool question;
};

class TFakeDialogs : public IDialogs {
public:
    std::vector<TShownBox> shown;
    // Answers for ask(), first in first out; No when empty.
    std::deque<bool> answers;
    std::vector<SaveFileRequest> saveRequests;
    std::deque<QString> saveAnswers; // empty text = cancelled
    // Called with each of the program's own modal windows instead of running
    // its event loop; returns the dialog's result. Without a handler the
    // dialog is rejected.
    std::function<int(QDialog&)> onExec;
    std::vector<QString> execTitles;

    void message(TMsgIcon icon, const QString& text) override { shown.push_back({icon, text, false}); }
    // Called as each question comes up, before it is answered.
    std::function<void(const QString&)> onAsk;
    bool ask(TMsgIcon icon, const QString& text) override
    {
        shown.push_back({icon, text, true});
        if (onAsk)
            onAsk(text);
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    QString saveFileName(const SaveFileRequest& request) override
    {
        saveRequests.push_back(request);
        if (saveAnswers.empty())
            return {};
        QString a = saveAnswers.front();
        saveAnswers.pop_front();
        return a;
    }
    std::vector<OpenFileRequest> openRequests;
    std::deque<QString> openAnswers; // empty text = cancelled
    QString openFileName(const OpenFileRequest& request) override
    {
        openRequests.push_back(request);
        if (openAnswers.empty())
            return {};
        QString a = openAnswers.front();
        openAnswers.pop_front();
        return a;
    }
    int exec(QDialog& dialog) override
    {
        execTitles.push_back(dialog.windowTitle());
        if (onExec)
            return onExec(dialog);
        dialog.reject();
        return QDialog::Rejected;
    }
    QStringList texts() const
    {
        QStringList out;
        for (const auto& s : shown)
            out << s.text;
        return out;
    }
};

class TFakeDesktop : public IDesktop {
public:
    QStringList openedFolders;
    QStringList startedPrograms;
    bool result = true;
    bool openFolder(const QString& path) override
    {
        openedFolders << path;
        return result;
    }
    bool startDetached(const QString& program, const QStringList&) override
    {
        startedPrograms << program;
        return result;
    }
};

// A screen made of one picture; the pointer is wherever the test puts it.
class TFakeScreen : public IScreen {
public:
    QImage picture;
    QPoint pointer;
    QPoint cursorPos() override { return pointer; }
    QSize desktopSize() override { return picture.size(); }
    QImage grab(const QRect& rect) override
    {
        QImage out(rect.size(), QImage::Format_RGB32);
        out.fill(Qt::black);
        for (int y = 0; y < rect.height(); ++y)
            for (int x = 0; x < rect.width(); ++x) {
                const QPoint p(rect.x() + x, rect.y() + y);
                if (picture.rect().contains(p))
                    out.setPixel(x, y, picture.pixel(p));
            }
        return out;
    }
};

// A clipboard of the test's own; nothing reaches the system's.
class TFakeClipboard : public IClipboard {
public:
    QString content;
    void setText(const QString& text) override { content = text; }
    QString text() override { return content; }
};

class TFakeServices {
public:
    TFakeDialogs dialogs;
    TFakeDesktop desktop;
    TFakeScreen screen;
    TFakeClipboard clipboard;
    TFakeServices()
        : guard_(TServices{&dialogs, &desktop, &screen, &clipboard})
    {
    }

private:
    TServicesOverride guard_;
};
