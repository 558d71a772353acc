// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Lets the benchmark time the shipped binary itself, which has no first-paint
// report of its own. Qt loads generic plugins named in QT_QPA_GENERIC_PLUGINS
// while the QApplication is being built, before main() shows any window; the
// part after the colon is the pipe to report on, as in
//   QT_PLUGIN_PATH=<build>/bench/plugins QT_QPA_GENERIC_PLUGINS=tarnwickfirstpaint:5 tarnwick
#include "firstpaint.h"

#include <QGenericPlugin>

class FirstPaintPlugin final : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "firstpaintplugin.json")

public:
    QObject *create(const QString &key, const QString &parameter) override
    {
        if (key.compare(QLatin1StringView("tarnwickfirstpaint"), Qt::CaseInsensitive) != 0)
            return nullptr;
        bool ok = false;
        const int fileDescriptor = parameter.toInt(&ok);
        if (!ok || fileDescriptor < 0)
            return nullptr;
        return reportFirstPaintTo(fileDescriptor);
    }
};

#include "firstpaintplugin.moc"
