// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Drives the program as it was built or installed, which takes no commands
// of its own: Qt loads the generic plugins QT_QPA_GENERIC_PLUGINS names while
// the application starts, as in
//   QT_PLUGIN_PATH=<dir> QT_QPA_GENERIC_PLUGINS=tarnwickcalculationprobe tarnwick
// Once the main window shows, each worked example the window tests pin is
// done as a user would do it: the frequency typed, the cable picked and the
// button pressed. For each it prints "<name>: as expected", or what the
// result boxes showed instead; then the program quits.
#include "knownresults.h"

#include <QApplication>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <iostream>

namespace {

const QLatin1StringView frequencyBox("Text12");

QWidget *shownMainWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->findChild<QLineEdit *>(frequencyBox))
            return window;
    return nullptr;
}

QString calculate(QWidget &window, const KnownResult &known)
{
    auto *cables = window.findChild<QListWidget *>();
    auto *button = window.findChild<QPushButton *>(QLatin1StringView(known.button()));
    if (!cables || !button)
        return QStringLiteral("no cable list or no button %1").arg(QLatin1StringView(known.button()));
    window.findChild<QLineEdit *>(frequencyBox)->setText(known.frequency);
    cables->setCurrentRow(known.cable);
    button->click();
    QStringList shown;
    for (const char *name : ResultBoxes) {
        const auto *box = window.findChild<QLineEdit *>(QLatin1StringView(name));
        shown << (box ? box->text() : QStringLiteral("(no box %1)").arg(QLatin1StringView(name)));
    }
    if (shown == known.results)
        return QStringLiteral("as expected");
    return QStringLiteral("shows %1, not %2").arg(shown.join(u' '), known.results.join(u' '));
}

class CalculationProbe final : public QObject
{
public:
    CalculationProbe()
    {
        // The program shows its main window once the application exists;
        // look for it until it is there.
        m_poll.callOnTimeout(this, &CalculationProbe::runOnceShown);
        m_poll.start(20);
    }

private:
    void runOnceShown()
    {
        QWidget *window = shownMainWindow();
        if (!window)
            return;
        m_poll.stop();
        for (const KnownResult &known : KnownResults)
            std::cout << known.name << ": " << calculate(*window, known).toStdString() << std::endl;
        QCoreApplication::quit();
    }

    QTimer m_poll;
};

} // namespace

class CalculationProbePlugin final : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "calculationprobe.json")

public:
    QObject *create(const QString &key, const QString &) override
    {
        if (key.compare(QLatin1StringView("tarnwickcalculationprobe"), Qt::CaseInsensitive) != 0)
            return nullptr;
        return new CalculationProbe;
    }
};

#include "calculationprobe.moc"
