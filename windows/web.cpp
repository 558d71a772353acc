// SPDX-License-Identifier: MIT
#include "web.h"
#include "ui_web.h"

#include "errorreporter.h"
#include "formsruntime.h"
#include "programlauncher.h"

#include <QCursor>
#include <QFile>
#include <QMouseEvent>
#include <QPixmap>
#include <QtEndian>

#include <utility>

namespace {
// The label shows the address without the closing slash; the browser gets it
// with one.
constexpr auto WebPageCommandLine = "start.exe http://www.example.com/coax/";
constexpr QPoint StoredPosition(142, 113);

// Qt reads the image of a .cur file but not where its hot spot is, which
// the file's first directory entry holds in place of an icon's colour planes
// and bit count.
QCursor cursorFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QPixmap image;
    if (bytes.size() < 14 || !image.loadFromData(bytes))
        return {};
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    return QCursor(image, qFromLittleEndian<quint16>(data + 10), qFromLittleEndian<quint16>(data + 12));
}
}

web::web(FormsRuntime &runtime, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::web>())
    , m_runtime(runtime)
{
    ui->setupUi(this);
    // A minimize box but no maximize box, and a fixed size (from the .ui).
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Every build opens at the same place, whatever the window manager
    // would choose; the position is that of the client area.
    setGeometry(QRect(StoredPosition, size()));

    ui->lblWebPage->setCursor(cursorFromFile(QStringLiteral(":/hand.cur")));
    ui->lblWebPage->installEventFilter(this);
}

web::~web() = default;

// A click is a left press and release on the label. The second click of a
// double click counts as a double click, not as one more click.
bool web::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lblWebPage) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            m_lblWebPageDoubleClicked = true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const bool doubleClicked = std::exchange(m_lblWebPageDoubleClicked, false);
            if (mouse->button() == Qt::LeftButton && !doubleClicked
                && ui->lblWebPage->rect().contains(mouse->position().toPoint()))
                lblWebPage_Click();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void web::lblWebPage_Click()
{
    const auto taskId = m_runtime.launcher.Shell(QString::fromLatin1(WebPageCommandLine),
                                                 ProgramLauncher::WindowStyle::Hidden);
    if (const auto *error = std::get_if<calc::RuntimeError>(&taskId))
        m_runtime.errors.report(*error);
}
