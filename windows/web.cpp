// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "web.h"
#include "ui_web.h"

#include "errorreporter.h"
#include "fixedwindow.h"
#include "formsruntime.h"
#include "imagefile.h"
#include "programlauncher.h"

#include <QCursor>
#include <QFile>
#include <QPixmap>
#include <QtEndian>

#include <string_view>

namespace {
// The label shows the address without the closing slash; the browser gets it
// with one.
constexpr std::string_view WebPageCommandLine = "start.exe http://www.example.com/coax/";
constexpr std::string_view WebPageAddress = WebPageCommandLine.substr(WebPageCommandLine.find(' ') + 1);
constexpr QPoint StoredPosition(142, 113);

// Qt reads the image of a .cur file but not where its hot spot is, which
// the file's first directory entry holds in place of an icon's colour planes
// and bit count.
QCursor cursorFromFile(const QString &path)
{
    QFile file(path);
    const QImage image = readImageFile(path);
    if (image.isNull() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray header = file.read(14);
    if (header.size() < 14)
        return {};
    const auto *data = reinterpret_cast<const uchar *>(header.constData());
    return QCursor(QPixmap::fromImage(image), qFromLittleEndian<quint16>(data + 10),
                   qFromLittleEndian<quint16>(data + 12));
}
}

web::web(FormsRuntime &runtime, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::web>())
    , m_runtime(runtime)
{
    ui->setupUi(this);
    setUpFixedWindow(*this, Qt::WindowMinimizeButtonHint, StoredPosition);

    ui->lblWebPage->setCursor(cursorFromFile(QStringLiteral(":/hand.cur")));
    connect(ui->lblWebPage, &LinkLabel::clicked, this, &web::lblWebPage_Click);
}

web::~web() = default;

// The opener may fail after the handler has returned, when this window may
// have closed: that report goes straight to the program's reporter, and
// names the address the user asked for.
void web::lblWebPage_Click()
{
    const auto reportFailure = [&errors = m_runtime.errors](std::optional<calc::RuntimeError> failure) {
        if (failure)
            errors.report(*failure, QString::fromLatin1(WebPageAddress));
    };
    const QString commandLine = QString::fromLatin1(WebPageCommandLine);
    if (const auto error = m_runtime.launcher.start(commandLine, reportFailure))
        m_runtime.errors.report(*error);
}
