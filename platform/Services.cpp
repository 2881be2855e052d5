#include "platform/Services.h"

#include "platform/X11Screen.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <cmath>

namespace {

class TQtDialogs final : public IDialogs {
public:
    void message(TMsgIcon icon, const QString& text) override
    {
        QMessageBox box(boxIcon(icon), boxTitle(icon), text, QMessageBox::NoButton, QApplication::activeWindow());
        box.setObjectName(QStringLiteral("messageBox"));
        // Messages quote file contents, names and settings: never rich text.
        box.setTextFormat(Qt::PlainText);
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        ok->setObjectName(QStringLiteral("okButton"));
        box.setDefaultButton(ok);
        box.exec();
    }

    bool ask(TMsgIcon icon, const QString& text) override
    {
        QMessageBox box(boxIcon(icon), boxTitle(icon), text, QMessageBox::NoButton, QApplication::activeWindow());
        box.setObjectName(QStringLiteral("questionBox"));
        box.setTextFormat(Qt::PlainText);
        QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        yes->setObjectName(QStringLiteral("yesButton"));
        no->setObjectName(QStringLiteral("noButton"));
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes;
    }

    QString saveFileName(const SaveFileRequest& request) override
    {
        QFileDialog dialog(QApplication::activeWindow(), request.title, request.directory, request.filter);
        dialog.setObjectName(QStringLiteral("saveDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    QString openFileName(const OpenFileRequest& request) override
    {
        QFileDialog dialog(QApplication::activeWindow(), request.title, request.directory, request.filter);
        dialog.setObjectName(QStringLiteral("openDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    int exec(QDialog& dialog) override { return dialog.exec(); }

private:
    static QMessageBox::Icon boxIcon(TMsgIcon icon)
    {
        switch (icon) {
        case TMsgIcon::Warning: return QMessageBox::Warning;
        case TMsgIcon::Information: return QMessageBox::Information;
        case TMsgIcon::Error: return QMessageBox::Critical;
        case TMsgIcon::Confirm: return QMessageBox::Question;
        case TMsgIcon::None: break;
        }
        return QMessageBox::NoIcon;
    }
    static QString boxTitle(TMsgIcon icon)
    {
        switch (icon) {
        case TMsgIcon::Warning: return QStringLiteral("Warning");
        case TMsgIcon::Information: return QStringLiteral("Information");
        case TMsgIcon::Error: return QStringLiteral("Error");
        case TMsgIcon::Confirm: return QStringLiteral("Confirm");
        case TMsgIcon::None: break;
        }
        const QString title = qApp ? qApp->property("applicationTitle").toString() : QString();
        return title.isEmpty() ? QApplication::applicationName() : title;
    }
};

class TQtDesktop final : public IDesktop {
public:
    bool openFolder(const QString& path) override { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
    bool startDetached(const QString& program, const QStringList& arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
};

class TQtScreen final : public IScreen {
public:
    QPoint cursorPos() override
    {
        // QCursor::pos() is in device-independent pixels; the zoom window
        // works in screen pixels.
        const QPoint logical = QCursor::pos();
        QScreen* screen = QGuiApplication::screenAt(logical);
        const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
        return QPoint(qRound(logical.x() * ratio), qRound(logical.y() * ratio));
    }

    QSize desktopSize() override
    {
        QScreen* primary = QGuiApplication::primaryScreen();
        if (!primary)
            return {};
        const QRect virt = primary->virtualGeometry();
        const qreal ratio = primary->devicePixelRatio();
        return QSize(qRound((virt.x() + virt.width()) * ratio), qRound((virt.y() + virt.height()) * ratio));
    }

    QImage grab(const QRect& rect) override
    {
        QImage out(rect.size(), QImage::Format_RGB32);
        out.fill(Qt::black);
        QScreen* primary = QGuiApplication::primaryScreen();
        if (!primary || rect.isEmpty())
            return out;
        // On X11, read the root window directly: a third of the time.
        if (X11GrabRoot(rect, out))
            return out;
        const qreal ratio = primary->devicePixelRatio();
        // grabWindow takes device-independent coordinates and returns device
        // pixels; ask for the covering logical area and cut out our pixels.
        const int lx = int(std::floor(rect.x() / ratio));
        const int ly = int(std::floor(rect.y() / ratio));
        const int lw = int(std::ceil((rect.x() + rect.width()) / ratio)) - lx;
        const int lh = int(std::ceil((rect.y() + rect.height()) / ratio)) - ly;
        QImage shot = primary->grabWindow(0, lx, ly, lw, lh).toImage().convertToFormat(QImage::Format_RGB32);
        const int ox = rect.x() - qRound(lx * ratio);
        const int oy = rect.y() - qRound(ly * ratio);
        for (int y = 0; y < rect.height(); ++y) {
            const int sy = y + oy;
            if (sy < 0 || sy >= shot.height())
                continue;
            const QRgb* src = reinterpret_cast<const QRgb*>(shot.constScanLine(sy));
            QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < rect.width(); ++x) {
                const int sx = x + ox;
                if (sx >= 0 && sx < shot.width())
                    dst[x] = src[sx];
            }
        }
        return out;
    }
};

class TQtClipboard final : public IClipboard {
public:
    void setText(const QString& text) override
    {
        if (QClipboard* clipboard = QGuiApplication::clipboard())
            clipboard->setText(text);
    }
    QString text() override
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        return clipboard ? clipboard->text() : QString();
    }
};

} // namespace

IClipboard& QtClipboard()
{
    static TQtClipboard instance;
    return instance;
}

IDialogs& QtDialogs()
{
    static TQtDialogs instance;
    return instance;
}

IDesktop& QtDesktop()
{
    static TQtDesktop instance;
    return instance;
}

IScreen& QtScreen()
{
    static TQtScreen instance;
    return instance;
}

TServices& Services()
{
    static TServices services{&QtDialogs(), &QtDesktop(), &QtScreen(), &QtClipboard()};
    return services;
}

TServicesOverride::TServicesOverride(const TServices& replacement)
    : previous_(Services())
{
    TServices& current = Services();
    if (replacement.dialogs)
        current.dialogs = replacement.dialogs;
    if (replacement.desktop)
        current.desktop = replacement.desktop;
    if (replacement.screen)
        current.screen = replacement.screen;
    if (replacement.clipboard)
        current.clipboard = replacement.clipboard;
}

TServicesOverride::~TServicesOverride()
{
    Services() = previous_;
}
