// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "firstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QWidget>

#include <cstdlib>

#include <unistd.h>

namespace {

class FirstPaintReporter final : public QObject
{
public:
    explicit FirstPaintReporter(int fileDescriptor)
        : QObject(QCoreApplication::instance())
        , m_fileDescriptor(fileDescriptor)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_posted && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            m_posted = true;
            QCoreApplication::postEvent(this, new QEvent(ReportEvent), Qt::HighEventPriority);
        }
        return false;
    }

    bool event(QEvent *event) override
    {
        if (event->type() != ReportEvent)
            return QObject::event(event);
        keepMemoryMap();
        const char done = 1;
        const bool written = ::write(m_fileDescriptor, &done, 1) == 1;
        // No clean-up: what the parent measures ends here, and tearing the
        // widgets down would only add to the figures it reads afterwards.
        ::_exit(written ? 0 : 3);
    }

private:
    // With TARNWICK_FIRST_PAINT_SMAPS=FILE, what each mapping holds in memory
    // at this moment goes to FILE, for bench/smapsdiff.sh to set against
    // another program's.
    static void keepMemoryMap()
    {
        const char *fileName = std::getenv("TARNWICK_FIRST_PAINT_SMAPS");
        if (!fileName)
            return;
        QFile map(QStringLiteral("/proc/self/smaps"));
        QFile copy(QString::fromLocal8Bit(fileName));
        // A proc file has no size, so QFile::copy would copy nothing.
        if (map.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly))
            copy.write(map.readAll());
    }

    static constexpr QEvent::Type ReportEvent = QEvent::Type(QEvent::User + 0x7a1);
    int m_fileDescriptor;
    bool m_posted = false;
};

} // namespace

QObject *reportFirstPaintTo(int fileDescriptor)
{
    return new FirstPaintReporter(fileDescriptor);
}

int takeFirstPaintOption(int &argc, char **argv)
{
    static constexpr QLatin1StringView Prefix("--first-paint-fd=");
    int fileDescriptor = -1;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const QLatin1StringView argument(argv[i]);
        if (argument.startsWith(Prefix)) {
            bool ok = false;
            const int value = argument.sliced(Prefix.size()).toInt(&ok);
            if (ok && value >= 0)
                fileDescriptor = value;
            continue;
        }
        argv[kept++] = argv[i];
    }
    argc = kept;
    argv[argc] = nullptr;
    return fileDescriptor;
}
