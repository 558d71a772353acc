// SPDX-License-Identifier: MIT
// Drives the program as it was built or installed, which takes no commands
// of its own: Qt loads the generic plugins QT_QPA_GENERIC_PLUGINS names while
// the application starts, as in
//   QT_PLUGIN_PATH=<dir> QT_QPA_GENERIC_PLUGINS=tarnwickcalculationprobe tarnwick < rows
// Once the main window shows, each line of standard input,
// "frequency|cable|button|box box ...", is done as a user would do it: the
// frequency typed, the cable picked by the name the list shows and the
// button pressed; then the named boxes' texts are printed, joined by "|".
// At the end of the input the program quits.
#include <QApplication>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <iostream>
#include <string>

namespace {

const QLatin1StringView frequencyBox("Text12");

QWidget *shownMainWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->findChild<QLineEdit *>(frequencyBox))
            return window;
    return nullptr;
}

// What the boxes show after the row, or what was missing from the window.
QString calculate(QWidget &window, const QStringList &row)
{
    if (row.size() != 4)
        return QStringLiteral("not frequency|cable|button|boxes: ") + row.join(u'|');
    auto *cables = window.findChild<QListWidget *>();
    auto *button = window.findChild<QPushButton *>(row[2]);
    const QList<QListWidgetItem *> cable =
        cables ? cables->findItems(row[1], Qt::MatchExactly) : QList<QListWidgetItem *>{};
    if (cable.size() != 1 || !button)
        return QStringLiteral("no single cable %1 or no button %2").arg(row[1], row[2]);
    window.findChild<QLineEdit *>(frequencyBox)->setText(row[0]);
    cables->setCurrentItem(cable.first());
    button->click();
    QStringList texts;
    for (const QString &name : row[3].split(u' ', Qt::SkipEmptyParts)) {
        const auto *box = window.findChild<QLineEdit *>(name);
        texts << (box ? box->text() : QStringLiteral("(no box %1)").arg(name));
    }
    return texts.join(u'|');
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
        for (std::string line; std::getline(std::cin, line);)
            std::cout << calculate(*window, QString::fromStdString(line).split(u'|')).toStdString() << std::endl;
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
