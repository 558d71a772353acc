// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// The decimal separator comes from the user's regional settings, which only
// exist when the program starts. So each case starts this test program anew
// as the program itself, with the settings in its environment: it picks a
// cable, presses both unit buttons and clicks the frequency box, and prints
// what the boxes show. A comma locale reads and writes commas; a setting
// that names no known locale, or none at all, gives '.' and a normal start.

#include "guifixture.h"

#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>

#include <cstdio>

namespace {

constexpr auto CalculateMode = "--calculate";

// The settings a case starts from nothing but its own.
const char *const LocaleVariables[] = {"LC_ALL", "LC_NUMERIC", "LC_CTYPE", "LC_MESSAGES", "LANG", "LANGUAGE"};

// The program's start with the separator main() uses, then one calculation
// in each unit; prints one "name: value" line per finding.
int calculateAndPrint(const char *typed)
{
    const std::string separator = userDecimalSeparator();
    TestProgram program(separator);
    program.showWindow(WindowKind::Main);
    const auto results = [&] { return program.resultTexts().mid(0, 4).join(u' '); };

    const KnownResult &feet = KnownResults[0];
    const KnownResult &metric = KnownResults[1];
    program.pickCable(feet.cable);
    QLineEdit *frequency = program.box("Text12");
    frequency->setText(QString::fromUtf8(typed));
    QStringList lines;
    lines << QStringLiteral("separator: ") + QString::fromStdString(separator);
    program.press(metric.button());
    lines << QStringLiteral("metric: ") + results();
    program.press(feet.button());
    lines << QStringLiteral("feet: ") + results();
    QTest::mouseClick(frequency, Qt::LeftButton);
    lines << QStringLiteral("clicked: ") + frequency->text();
    QStringList reported;
    for (calc::RuntimeError error : program.errors.reports)
        reported << QString::number(int(error));
    lines << QStringLiteral("errors: ") + reported.join(u' ');

    const QByteArray out = (lines.join(u'\n') + u'\n').toUtf8();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}

} // namespace

class TestRegionalSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsAndCalculatesWithTheUsersSeparator_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("metric");
        QTest::addColumn<QString>("feet");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("errors");

        // The worked example as it reads with a separator: the frequency
        // typed, and each unit's four numbers.
        const auto withSeparator = [](QString text, const QString &separator) { return text.replace(u'.', separator); };
        const auto numbers = [&](const KnownResult &known, const QString &separator) {
            return withSeparator(known.results.mid(0, 4).join(u' '), separator);
        };
        const auto calculates = [&](const char *name, const QStringList &settings, const QString &separator) {
            const QString typed = withSeparator(KnownResults[0].frequency, separator);
            QTest::newRow(name) << settings << typed << separator << numbers(KnownResults[1], separator)
                                << numbers(KnownResults[0], separator) << typed << "";
        };
        const QString untouched = QStringLiteral("000 00.00 000 00.00");

        calculates("German", {"LC_ALL=de_DE.UTF-8"}, ",");
        calculates("Arabic, a two-byte separator", {"LC_ALL=ar_EG.UTF-8"}, "\u066B");
        // The separator of the settings, and only that one.
        QTest::newRow("German, dot typed")
            << QStringList{"LC_ALL=de_DE.UTF-8"} << KnownResults[0].frequency << "," << untouched << untouched << "0"
            << "13 13";

        calculates("unknown locale", {"LC_ALL=xx_YY.bogus"}, ".");
        calculates("LANG=C", {"LANG=C"}, ".");
    }

    void startsAndCalculatesWithTheUsersSeparator()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, typed);
        QFETCH(QString, separator);
        QFETCH(QString, metric);
        QFETCH(QString, feet);
        QFETCH(QString, clicked);
        QFETCH(QString, errors);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : LocaleVariables)
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const QString &setting : settings)
            environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));

        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(CalculateMode), typed});
        QVERIFY(program.waitForFinished(60000));
        const QByteArray diagnostics = program.readAllStandardError();
        QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0, diagnostics.constData());

        QMap<QString, QString> found;
        for (const QString &line : QString::fromUtf8(program.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts))
            found.insert(line.section(QStringLiteral(": "), 0, 0), line.section(QStringLiteral(": "), 1));
        QCOMPARE(found.value(QStringLiteral("separator")), separator);
        QCOMPARE(found.value(QStringLiteral("metric")), metric);
        QCOMPARE(found.value(QStringLiteral("feet")), feet);
        QCOMPARE(found.value(QStringLiteral("clicked")), clicked);
        QCOMPARE(found.value(QStringLiteral("errors")), errors);
    }
};

int main(int argc, char *argv[])
{
    return runGuiTestProgram(argc, argv, GuiTestEnvironment{}, [&] {
        if (argc == 3 && qstrcmp(argv[1], CalculateMode) == 0)
            return calculateAndPrint(argv[2]);
        TestRegionalSettings test;
        return QTest::qExec(&test, argc, argv);
    });
}

#include "tst_regionalsettings.moc"
