// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "calculationcommand.h"

#include "cablecatalogue.h"
#include "cutting.h"
#include "frequencysweep.h"
#include "lengthcalculation.h"
#include "numbertext.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <vector>

namespace calculationcommand {

namespace {

constexpr std::size_t MostRows = 10000;
const std::string Point = ".";

// clang-format off
// Names, what --help says, and the name of the value.
const std::tuple<QStringList, const char *, const char *> Options[] = {
    {{"f", "frequency"}, "Calculate for this frequency in megahertz; repeat it for more.", "MHz"},
    {{"from"}, "Sweep from this frequency,", "MHz"},
    {{"to"}, "up to this one, both included,", "MHz"},
    {{"step"}, "in steps of this size.", "MHz"},
    {{"c", "cable"}, "The cable, named as in the list; case, blanks and hyphens do not count.", "name"},
    {{"velocity-factor"}, "A measured velocity factor instead, above 0 and at most 1.", "VF"},
    {{"metric"}, "Metres and centimetres instead of feet and inches.", nullptr},
    {{"cut-list"}, "Add the pieces to cut, rounded for a tape measure.", nullptr},
    {{"round"}, "Round to 1/2, 1/4, 1/8, 1/16 (the default) or 1/32 inch; with --metric to 1mm (the default), 5mm or 1cm.", "step"},
    {{"resonance"}, "Where the antenna cut for -f resonates: how much to trim each wire end.", "MHz"},
    {{"format"}, "text (the default), csv or json; csv and json write numbers with a point.", "format"},
    {{"o", "output"}, "Write to this file instead; without --format its suffix .txt, .csv or .json chooses.", "file"},
    {{"list-cables"}, "List the cables and their velocity factors.", nullptr},
};

constexpr auto CsvHeader = "frequency_mhz,cable,velocity_factor,overall_whole,overall_remainder,coax_whole,coax_remainder,large_unit,small_unit%1\n";
constexpr auto JsonRow = R"(  {"frequency_mhz": %1, "cable": %2, "velocity_factor": %3, "overall": {"whole": %4, "remainder": %5}, "coax": {"whole": %6, "remainder": %7}, "large_unit": "%8", "small_unit": "%9"%10})";
constexpr auto JsonCuts = R"(, "coax_cut": "%1", "wire_end_cut": "%2", "cut_rounding": "%3")";
constexpr auto TextBlock = "%1 MHz, %2velocity factor %3\n%4\n%5\n";
constexpr auto TextCuts = "Cut the coax section %1, solder point to solder point\n"
                          "Cut each wire end %2, solder point to the end of the loop\n(rounded to the nearest %3)\n";
constexpr auto TextTrim = "An antenna cut for %1 MHz that resonates at %2 MHz:\n%3 each wire end %4 (rounded to the nearest %5)\n";
// clang-format on

// Ends the command with its problem: thrown, and caught in run().
struct Refusal {
    Problem problem;
};

[[noreturn]] void refuse(const QString &message, bool mistake = true)
{
    throw Refusal{{mistake, message}};
}

QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString jsonArray(const QStringList &rows)
{
    return QStringLiteral("[\n") + rows.join(QStringLiteral(",\n")) + QStringLiteral("\n]\n");
}

// What the parsed command line asks, read as each part is needed.
class Request
{
public:
    Request(const QCommandLineParser &parser, const std::string &userSeparator)
        : m_parser(parser)
        , m_user(userSeparator)
    {
    }

    QString run() const
    {
        if (isSet("list-cables"))
            return cableList();
        return isSet("resonance") ? trim() : lengths();
    }

    void write(const QString &output) const
    {
        const QByteArray bytes = output.toUtf8();
        if (!isSet("output")) {
            if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) != std::size_t(bytes.size())
                || std::fflush(stdout) != 0)
                refuse(QStringLiteral("Cannot write the output: %1").arg(q(std::strerror(errno))), false);
            return;
        }
        // All or nothing: a file already there stays as it was until the new
        // one is complete.
        QSaveFile file(value("output"));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            refuse(QStringLiteral("Cannot write %1: %2").arg(file.fileName(), file.errorString()), false);
    }

private:
    enum class Table { Text, Csv, Json };

    bool isSet(const char *name) const { return m_parser.isSet(QString::fromLatin1(name)); }
    QString value(const char *name) const { return m_parser.value(QString::fromLatin1(name)); }
    bool anySet(std::initializer_list<const char *> names) const
    {
        return std::any_of(names.begin(), names.end(), [this](const char *name) { return isSet(name); });
    }

    Table table() const
    {
        const bool bySuffix = !isSet("format") && isSet("output");
        const QString name = bySuffix ? QFileInfo(value("output")).suffix() : value("format");
        const qsizetype found = QStringList{"csv", "json", "text", "txt"}.indexOf(name);
        if (found < 0 && (bySuffix || !name.isEmpty()))
            refuse(bySuffix ? QStringLiteral("Unknown suffix of '%1': give --format, or .txt, .csv or .json.")
                                  .arg(value("output"))
                            : QStringLiteral("Unknown format '%1': text, csv or json.").arg(name));
        return found == 0 ? Table::Csv : found == 1 ? Table::Json : Table::Text;
    }

    // The separator numbers are written with: the user's in text, a point in
    // the machine formats.
    std::string separatorOf(Table chosen) const { return chosen == Table::Text ? m_user : Point; }
    calc::Units units() const
    {
        return isSet("metric") ? calc::Units::MetresAndCentimetres : calc::Units::FeetAndInches;
    }

    // A typed number in the separator `wanted`: read with the user's
    // separator, or else with a point.
    std::string inSeparator(const QString &typed, const std::string &wanted) const
    {
        std::string text = typed.toStdString();
        for (const std::string &used : {m_user, Point}) {
            if (calc::TextToFloat(text, used).error == calc::RuntimeError::TypeMismatch)
                continue;
            if (const std::size_t at = text.find(used); at != std::string::npos)
                text.replace(at, used.size(), wanted);
            return text;
        }
        refuse(QStringLiteral("'%1' is not a number.").arg(typed));
    }

    // A typed number as the main window reads it.
    calc::ParsedNumber number(const QString &typed) const
    {
        return calc::TextToFloat(inSeparator(typed, Point), Point);
    }

    // A frequency as the main window reads it; it must be above 0.
    float frequency(const QString &typed) const
    {
        const calc::ParsedNumber read = number(typed);
        if (read.error || !(read.value > 0.0f))
            refuse(QStringLiteral("The frequency %1 MHz is not above 0.").arg(typed));
        return read.value;
    }

    calc::TapeStep tapeStep() const
    {
        const std::optional<calc::TapeStep> step = calc::findTapeStep(value("round").toStdString(), units());
        if (!step)
            refuse(QStringLiteral("Cannot round to '%1': to 1/2, 1/4, 1/8, 1/16 or 1/32 inch, or with --metric to "
                                  "1mm, 5mm or 1cm.")
                       .arg(value("round")));
        return *step;
    }

    // The cable's name, none for a measured factor, and its velocity factor.
    std::pair<std::string, float> cable() const
    {
        if (isSet("cable") == isSet("velocity-factor"))
            refuse(QStringLiteral("Give a cable (-c NAME) or a measured velocity factor (--velocity-factor=VF)."));
        if (isSet("cable")) {
            const std::optional<std::size_t> position = calc::findCable(value("cable").toStdString());
            if (!position)
                refuse(QStringLiteral("Unknown cable '%1': tarnwick --list-cables lists them.").arg(value("cable")));
            const calc::CableType &entry = calc::CableCatalogue[*position];
            return {std::string(entry.displayName), entry.velocityFactor};
        }
        const calc::ParsedNumber factor = number(value("velocity-factor"));
        if (factor.error || !(factor.value > 0.0f && factor.value <= 1.0f))
            refuse(
                QStringLiteral("The velocity factor %1 is not above 0 and at most 1.").arg(value("velocity-factor")));
        return {std::string(), factor.value};
    }

    // One frequency's calculation, as a unit button makes it, and what it
    // kept.
    struct Calculated {
        float frequency;
        float overallLength;
        calc::SplitLengths split;
    };
    Calculated calculated(const std::string &frequency, float velocityFactor, const std::string &separator) const
    {
        const calc::LengthResult result = calc::calculateLengths(frequency, velocityFactor, units(), separator);
        if (result.Frequency && !(*result.Frequency > 0.0f))
            refuse(QStringLiteral("The frequency %1 MHz is not above 0.").arg(q(frequency)));
        // Without an error the calculation has kept every length; checking
        // each is what lets the analysers see the accesses below are safe.
        const calc::RuntimeError error = result.error.value_or(calc::RuntimeError::Overflow);
        if (result.error || !result.Frequency || !result.OverallLength || !result.split)
            refuse(QStringLiteral("%1 MHz: %2 %3")
                       .arg(q(frequency), q(calc::runtimeErrorHeading(error)), q(calc::runtimeErrorDescription(error))),
                   false);
        return {*result.Frequency, *result.OverallLength, *result.split};
    }

    // The frequencies asked for, each written with `separator`.
    std::vector<std::string> frequencies(const std::string &separator) const
    {
        const bool sweep = anySet({"from", "to", "step"});
        if (sweep == isSet("frequency") || (sweep && !(isSet("from") && isSet("to") && isSet("step"))))
            refuse(QStringLiteral("Give frequencies with -f MHZ, or a sweep with --from, --to and --step."));
        std::vector<std::string> texts;
        for (const QString &typed : m_parser.values(QStringLiteral("frequency")))
            texts.push_back(inSeparator(typed, separator));
        if (sweep) {
            // Read exactly as typed, not as the float the calculation reads.
            const auto exactly = [this](const char *bound) {
                frequency(value(bound));
                return std::strtod(inSeparator(value(bound), Point).c_str(), nullptr);
            };
            const auto swept = calc::sweepFrequencies(exactly("from"), exactly("to"), exactly("step"), MostRows);
            if (!swept || swept->empty())
                refuse(QStringLiteral("A sweep goes up from --from to --to, in at most %1 rows.").arg(MostRows));
            for (const std::string &text : *swept)
                texts.push_back(inSeparator(q(text), separator));
        }
        if (texts.size() > MostRows)
            refuse(QStringLiteral("At most %1 frequencies at a time.").arg(MostRows));
        return texts;
    }

    QString cableList() const
    {
        if (anySet({"frequency", "from", "to", "step", "cable", "velocity-factor", "metric", "cut-list", "round"}))
            refuse(QStringLiteral("--list-cables takes no other option but --format and -o."));
        const Table chosen = table();
        const std::string separator = separatorOf(chosen);
        QStringList rows;
        for (const calc::CableType &cable : calc::CableCatalogue)
            rows << QString::fromLatin1(chosen == Table::Json  ? R"(  {"cable": "%1", "velocity_factor": %2})"
                                        : chosen == Table::Csv ? "%1,%2\n"
                                                               : "%1\t%2\n")
                        .arg(q(cable.displayName), q(calc::FloatToText(cable.velocityFactor, separator)));
        if (chosen == Table::Json)
            return jsonArray(rows);
        return (chosen == Table::Csv ? QStringLiteral("cable,velocity_factor\n") : QString()) + rows.join(QString());
    }

    QString lengths() const
    {
        if (isSet("round") && !isSet("cut-list"))
            refuse(QStringLiteral("--round rounds the cut list or the trim: give --cut-list too."));
        const Table chosen = table();
        const std::string separator = separatorOf(chosen);
        const auto [cableName, velocityFactor] = cable();
        const std::optional<calc::TapeStep> step = isSet("cut-list") ? std::optional(tapeStep()) : std::nullopt;
        QStringList rows;
        for (const std::string &typed : frequencies(separator)) {
            const Calculated result = calculated(typed, velocityFactor, separator);
            const calc::ResultTexts &t = result.split.texts;
            QStringList values{q(calc::FloatToText(result.frequency, separator)), q(cableName)};
            for (const std::string &text : {calc::FloatToText(velocityFactor, separator), t.overallWhole,
                                            t.overallRemainder, t.coaxWhole, t.coaxRemainder, t.largeUnit, t.smallUnit})
                values << q(text);
            QStringList cuts;
            if (step) {
                const calc::CutList pieces = calc::cutList(result.overallLength, result.split.CoaxLength);
                cuts << q(calc::tapeLength(pieces.coaxSection, *step, separator))
                     << q(calc::tapeLength(pieces.wireEnd, *step, separator)) << q(step->spokenName);
            }
            if (chosen == Table::Csv)
                rows << (values + cuts).join(u',') + u'\n';
            else if (chosen == Table::Json)
                rows << QString::fromLatin1(JsonRow).arg(
                    values[0], cableName.empty() ? QStringLiteral("null") : u'"' + values[1] + u'"', values[2],
                    values[3], values[4], values[5], values[6], values[7], values[8],
                    step ? QString::fromLatin1(JsonCuts).arg(cuts[0], cuts[1], cuts[2]) : QString());
            else // the two lines after the first are what a screen reader hears
                rows << QString::fromLatin1(TextBlock).arg(
                            values[0], cableName.empty() ? QString() : values[1] + QStringLiteral(", "), values[2],
                            q(calc::rowStatement(calc::OverallLengthRow, t.overallWhole, t.largeUnit,
                                                 t.overallRemainder, t.smallUnit)),
                            q(calc::rowStatement(calc::CoaxSectionRow, t.coaxWhole, t.largeUnit, t.coaxRemainder,
                                                 t.smallUnit)))
                            + (step ? QString::fromLatin1(TextCuts).arg(cuts[0], cuts[1], cuts[2]) : QString());
        }
        if (chosen == Table::Json)
            return jsonArray(rows);
        if (chosen == Table::Csv)
            return QString::fromLatin1(CsvHeader).arg(step ? QStringLiteral(",coax_cut,wire_end_cut,cut_rounding")
                                                           : QString())
                   + rows.join(QString());
        return rows.join(u'\n');
    }

    QString trim() const
    {
        if (m_parser.values(QStringLiteral("frequency")).size() != 1
            || anySet({"from", "to", "step", "cut-list", "format"}))
            refuse(QStringLiteral("--resonance takes one -f, a cable or velocity factor, --metric and --round."));
        const calc::TapeStep step = tapeStep();
        const Calculated target = calculated(inSeparator(value("frequency"), m_user), cable().second, m_user);
        const float resonance = frequency(value("resonance"));
        const std::optional<double> change = calc::wireEndTrim(target.overallLength, target.frequency, resonance);
        if (!change)
            refuse(QStringLiteral("The resonance %1 MHz is more than 10 % from %2 MHz, where the proportional rule "
                                  "does not hold: measure again nearer the target.")
                       .arg(value("resonance"), value("frequency")));
        const std::string amount = calc::tapeLength(std::fabs(*change), step, m_user);
        const bool none = amount == calc::tapeLength(0.0, step, m_user);
        return QString::fromLatin1(TextTrim).arg(
            q(calc::FloatToText(target.frequency, m_user)), q(calc::FloatToText(resonance, m_user)),
            none          ? QStringLiteral("leave")
            : *change < 0 ? QStringLiteral("shorten")
                          : QStringLiteral("lengthen"),
            none ? QStringLiteral("as it is") : QStringLiteral("by ") + q(amount), q(step.spokenName));
    }

    const QCommandLineParser &m_parser;
    std::string m_user;
};

} // namespace

void addOptions(QCommandLineParser &parser)
{
    for (const auto &[names, description, valueName] : Options)
        parser.addOption(QCommandLineOption(names, QString::fromLatin1(description),
                                            valueName ? QString::fromLatin1(valueName) : QString()));
}

QString synopsis()
{
    return QStringLiteral(
        "Calculates the lengths of a coaxial dipole antenna: in its window when started without options,\n"
        "and with the options below without a window or a display.\n\n"
        "  tarnwick -f MHZ [-f MHZ]... CABLE [--metric] [--cut-list [--round=STEP]] [--format=FORMAT] [-o FILE]\n"
        "  tarnwick --from=MHZ --to=MHZ --step=MHZ CABLE [the same options]\n"
        "  tarnwick -f MHZ CABLE --resonance=MHZ [--metric] [--round=STEP]\n"
        "  tarnwick --list-cables [--format=FORMAT]\n"
        "  CABLE: -c NAME, --cable=NAME or --velocity-factor=VF\n\n"
        "Examples:\n"
        "  tarnwick -f 14.2 -c RG-8x\n"
        "  tarnwick -f 7.1 -f 14.2 -f 21.2 -c rg213 --metric -o bands.csv\n"
        "  tarnwick --from=14 --to=14.35 --step=0.05 --velocity-factor=0.82 --cut-list\n"
        "  tarnwick -f 14.2 -c RG-8x --resonance=13.95\n\n"
        "The trim is the usual proportional rule: the overall length scales by the measured resonance\n"
        "over the target frequency, and each wire end takes half the change. Measure again after\n"
        "trimming to confirm it. Qt's own options, such as -platform and -style, are accepted too.");
}

bool isAsked(const QCommandLineParser &parser)
{
    return std::any_of(std::begin(Options), std::end(Options),
                       [&](const auto &option) { return parser.isSet(std::get<0>(option).front()); });
}

std::optional<Problem> run(const QCommandLineParser &parser, const std::string &userSeparator)
{
    try {
        const Request request(parser, userSeparator);
        request.write(request.run());
    } catch (const Refusal &refusal) {
        return refusal.problem;
    }
    return std::nullopt;
}

} // namespace calculationcommand
