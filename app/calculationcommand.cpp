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

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t MostRows = 10000;
const std::string Point = ".";

// Ends the command with its problem: thrown, and caught in run().
struct Refusal {
    CalculationCommand::Problem problem;
};

[[noreturn]] void refuse(const QString &message)
{
    throw Refusal{{CalculationCommand::Mistake, message}};
}

[[noreturn]] void fail(const QString &message)
{
    throw Refusal{{CalculationCommand::Failure, message}};
}

QString fromText(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A typed number in the separator `wanted`: read with the user's separator,
// or else with a point.
std::string inSeparator(const QString &typed, const std::string &userSeparator, const std::string &wanted)
{
    const std::string text = typed.toStdString();
    for (const std::string &used : {userSeparator, Point}) {
        if (calc::TextToFloat(text, used).error == calc::RuntimeError::TypeMismatch)
            continue;
        std::string rewritten = text;
        if (const std::size_t at = rewritten.find(used); at != std::string::npos)
            rewritten.replace(at, used.size(), wanted);
        return rewritten;
    }
    refuse(QStringLiteral("'%1' is not a number.").arg(typed));
}

// One frequency's calculation, as a unit button makes it.
struct Row {
    QString typed;
    calc::LengthResult result;
};

Row calculated(const QString &typed, const std::string &text, float velocityFactor, calc::Units units,
               const std::string &separator)
{
    Row row{typed, calc::calculateLengths(text, velocityFactor, units, separator)};
    if (row.result.Frequency && !(*row.result.Frequency > 0.0f))
        refuse(QStringLiteral("The frequency %1 MHz is not above 0.").arg(typed));
    if (row.result.error)
        fail(QStringLiteral("%1 MHz: %2 %3")
                 .arg(typed, fromText(calc::runtimeErrorHeading(*row.result.error)),
                      fromText(calc::runtimeErrorDescription(*row.result.error))));
    return row;
}

// A JSON string of a text with nothing to escape: cable names and tape readings.
std::string json(std::string_view text)
{
    std::string quoted(1, '"');
    quoted.append(text).push_back('"');
    return quoted;
}

// What the rows of a table share: the cable (no name for a measured factor),
// the separator numbers are written with, and the step of the cut list
// when there is one.
struct Table {
    std::string_view cable;
    std::string velocityFactor;
    std::string separator;
    std::optional<calc::TapeStep> step;
};

struct Cuts {
    std::string coaxSection;
    std::string wireEnd;
};

Cuts cuts(const Row &row, const Table &table)
{
    const calc::CutList pieces = calc::cutList(*row.result.OverallLength, row.result.split->CoaxLength);
    return {calc::tapeLength(pieces.coaxSection, *table.step, table.separator),
            calc::tapeLength(pieces.wireEnd, *table.step, table.separator)};
}

std::string frequency(const Row &row, const Table &table)
{
    return calc::FloatToText(*row.result.Frequency, table.separator);
}

// The first line names what the rows were calculated from; the two after
// are what a screen reader hears after the same calculation in the window.
std::string textBlock(const Row &row, const Table &table)
{
    const calc::ResultTexts &t = row.result.split->texts;
    std::string block =
        frequency(row, table) + " MHz, " + (table.cable.empty() ? "" : std::string(table.cable) + ", ")
        + "velocity factor " + table.velocityFactor + "\n"
        + calc::rowStatement(calc::OverallLengthRow, t.overallWhole, t.largeUnit, t.overallRemainder, t.smallUnit)
        + "\n" + calc::rowStatement(calc::CoaxSectionRow, t.coaxWhole, t.largeUnit, t.coaxRemainder, t.smallUnit)
        + "\n";
    if (!table.step)
        return block;
    const Cuts pieces = cuts(row, table);
    return block + "Cut the coax section " + pieces.coaxSection + ", solder point to solder point\n"
           + "Cut each wire end " + pieces.wireEnd + ", solder point to the end of the loop\n"
           + "(rounded to the nearest " + std::string(table.step->spokenName) + ")\n";
}

std::string csvHeader(const Table &table)
{
    return std::string("frequency_mhz,cable,velocity_factor,overall_whole,overall_remainder,coax_whole,coax_remainder,"
                       "large_unit,small_unit")
           + (table.step ? ",coax_cut,wire_end_cut,cut_rounding\n" : "\n");
}

std::string csvLine(const Row &row, const Table &table)
{
    const calc::ResultTexts &t = row.result.split->texts;
    std::string line;
    for (const std::string_view field :
         {std::string_view(frequency(row, table)), table.cable, std::string_view(table.velocityFactor),
          std::string_view(t.overallWhole), std::string_view(t.overallRemainder), std::string_view(t.coaxWhole),
          std::string_view(t.coaxRemainder), std::string_view(t.largeUnit), std::string_view(t.smallUnit)})
        line.append(line.empty() ? "" : ",").append(field);
    if (table.step) {
        const Cuts pieces = cuts(row, table);
        line += "," + pieces.coaxSection + "," + pieces.wireEnd + "," + std::string(table.step->spokenName);
    }
    return line + "\n";
}

std::string jsonObject(const Row &row, const Table &table)
{
    const calc::ResultTexts &t = row.result.split->texts;
    std::string object = "{\"frequency_mhz\": " + frequency(row, table)
                         + ", \"cable\": " + (table.cable.empty() ? std::string("null") : json(table.cable))
                         + ", \"velocity_factor\": " + table.velocityFactor
                         + ", \"overall\": {\"whole\": " + t.overallWhole + ", \"remainder\": " + t.overallRemainder
                         + "}, \"coax\": {\"whole\": " + t.coaxWhole + ", \"remainder\": " + t.coaxRemainder
                         + "}, \"large_unit\": " + json(t.largeUnit) + ", \"small_unit\": " + json(t.smallUnit);
    if (table.step) {
        const Cuts pieces = cuts(row, table);
        object += ", \"coax_cut\": " + json(pieces.coaxSection) + ", \"wire_end_cut\": " + json(pieces.wireEnd)
                  + ", \"cut_rounding\": " + json(table.step->spokenName);
    }
    return object + "}";
}

} // namespace

struct CalculationCommand::Cable {
    std::optional<std::size_t> position;
    float velocityFactor;
};

CalculationCommand::CalculationCommand(QCommandLineParser &parser)
    : m_parser(parser)
    , m_frequency({QStringLiteral("f"), QStringLiteral("frequency")},
                  QStringLiteral("Calculate for this frequency in megahertz; repeat it for more."),
                  QStringLiteral("MHz"))
    , m_from(QStringLiteral("from"), QStringLiteral("Sweep from this frequency,"), QStringLiteral("MHz"))
    , m_to(QStringLiteral("to"), QStringLiteral("up to this one, both included,"), QStringLiteral("MHz"))
    , m_step(QStringLiteral("step"), QStringLiteral("in steps of this size."), QStringLiteral("MHz"))
    , m_cable({QStringLiteral("c"), QStringLiteral("cable")},
              QStringLiteral("The cable, named as in the list; case, blanks and hyphens do not count."),
              QStringLiteral("name"))
    , m_velocityFactor(QStringLiteral("velocity-factor"),
                       QStringLiteral("A measured velocity factor instead, above 0 and at most 1."),
                       QStringLiteral("VF"))
    , m_metric(QStringLiteral("metric"), QStringLiteral("Metres and centimetres instead of feet and inches."))
    , m_cutList(QStringLiteral("cut-list"), QStringLiteral("Add the pieces to cut, rounded for a tape measure."))
    , m_round(QStringLiteral("round"),
              QStringLiteral("Round to 1/2, 1/4, 1/8, 1/16 (the default) or 1/32 inch; with --metric to 1mm (the "
                             "default), 5mm or 1cm."),
              QStringLiteral("step"))
    , m_resonance(QStringLiteral("resonance"),
                  QStringLiteral("Where the antenna cut for -f resonates: how much to trim each wire end."),
                  QStringLiteral("MHz"))
    , m_format(QStringLiteral("format"),
               QStringLiteral("text (the default), csv or json; csv and json always write numbers with a point."),
               QStringLiteral("format"))
    , m_output({QStringLiteral("o"), QStringLiteral("output")},
               QStringLiteral("Write to this file instead; without --format its suffix .txt, .csv or .json chooses."),
               QStringLiteral("file"))
    , m_listCables(QStringLiteral("list-cables"), QStringLiteral("List the cables and their velocity factors."))
{
    m_parser.addOptions({m_frequency, m_from, m_to, m_step, m_cable, m_velocityFactor, m_metric, m_cutList, m_round,
                         m_resonance, m_format, m_output, m_listCables});
}

QString CalculationCommand::description()
{
    return QStringLiteral(
        "Calculates the lengths of a coaxial dipole antenna: in its window when started without options,\n"
        "and with the options below without a window or a display.\n"
        "\n"
        "  tarnwick -f MHZ [-f MHZ]... CABLE [--metric] [--cut-list [--round=STEP]] [--format=FORMAT] [-o FILE]\n"
        "  tarnwick --from=MHZ --to=MHZ --step=MHZ CABLE [the same options]\n"
        "  tarnwick -f MHZ CABLE --resonance=MHZ [--metric] [--round=STEP]\n"
        "  tarnwick --list-cables [--format=FORMAT]\n"
        "  CABLE: -c NAME, --cable=NAME or --velocity-factor=VF\n"
        "\n"
        "Examples:\n"
        "  tarnwick -f 14.2 -c RG-8x\n"
        "  tarnwick -f 7.1 -f 14.2 -f 21.2 -c rg213 --metric -o bands.csv\n"
        "  tarnwick --from=14 --to=14.35 --step=0.05 --velocity-factor=0.82 --cut-list\n"
        "  tarnwick -f 14.2 -c RG-8x --resonance=13.95\n"
        "\n"
        "The trim is the usual proportional rule: the overall length scales by the measured resonance\n"
        "over the target frequency, and each wire end takes half the change. Measure again after\n"
        "trimming to confirm it. Qt's own options, such as -platform and -style, are accepted too.");
}

bool CalculationCommand::isAsked() const
{
    return anySet({&m_frequency, &m_from, &m_to, &m_step, &m_cable, &m_velocityFactor, &m_metric, &m_cutList, &m_round,
                   &m_resonance, &m_format, &m_output, &m_listCables});
}

bool CalculationCommand::anySet(std::initializer_list<const QCommandLineOption *> options) const
{
    return std::any_of(options.begin(), options.end(),
                       [this](const QCommandLineOption *option) { return m_parser.isSet(*option); });
}

std::optional<CalculationCommand::Problem> CalculationCommand::run(const std::string &userSeparator) const
{
    try {
        const Format chosen = format();
        const std::string separator = chosen == Format::Text ? userSeparator : Point;
        if (m_parser.isSet(m_listCables))
            write(cableList(chosen, separator));
        else if (m_parser.isSet(m_resonance))
            write(trim(userSeparator));
        else
            write(lengths(chosen, userSeparator, separator));
    } catch (const Refusal &refusal) {
        return refusal.problem;
    }
    return std::nullopt;
}

CalculationCommand::Format CalculationCommand::format() const
{
    QString name = m_parser.value(m_format);
    if (!m_parser.isSet(m_format) && m_parser.isSet(m_output)) {
        name = QFileInfo(m_parser.value(m_output)).suffix();
        if (name == u"txt")
            name = QStringLiteral("text");
        else if (name != u"csv" && name != u"json")
            refuse(QStringLiteral("Unknown suffix of '%1': give --format, or .txt, .csv or .json.")
                       .arg(m_parser.value(m_output)));
    }
    if (name.isEmpty() || name == u"text")
        return Format::Text;
    if (name == u"csv")
        return Format::Csv;
    if (name == u"json")
        return Format::Json;
    refuse(QStringLiteral("Unknown format '%1': text, csv or json.").arg(name));
}

CalculationCommand::Cable CalculationCommand::cable(const std::string &userSeparator) const
{
    if (m_parser.isSet(m_cable) == m_parser.isSet(m_velocityFactor))
        refuse(QStringLiteral("Give a cable (-c NAME) or a measured velocity factor (--velocity-factor=VF)."));
    if (m_parser.isSet(m_cable)) {
        const std::optional<std::size_t> position = calc::findCable(m_parser.value(m_cable).toStdString());
        if (!position)
            refuse(
                QStringLiteral("Unknown cable '%1': tarnwick --list-cables lists them.").arg(m_parser.value(m_cable)));
        return {position, calc::CableCatalogue[*position].velocityFactor};
    }
    const QString typed = m_parser.value(m_velocityFactor);
    const calc::ParsedNumber factor = calc::TextToFloat(inSeparator(typed, userSeparator, Point), Point);
    if (factor.error || !(factor.value > 0.0f && factor.value <= 1.0f))
        refuse(QStringLiteral("The velocity factor %1 is not above 0 and at most 1.").arg(typed));
    return {std::nullopt, factor.value};
}

std::string CalculationCommand::cableList(Format format, const std::string &separator) const
{
    if (anySet({&m_frequency, &m_from, &m_to, &m_step, &m_cable, &m_velocityFactor, &m_metric, &m_cutList, &m_round,
                &m_resonance}))
        refuse(QStringLiteral("--list-cables takes no other option but --format and -o."));
    std::string output = format == Format::Csv ? "cable,velocity_factor\n" : format == Format::Json ? "[\n" : "";
    for (const calc::CableType &cable : calc::CableCatalogue) {
        const std::string factor = calc::FloatToText(cable.velocityFactor, separator);
        if (format == Format::Json)
            output += "  {\"cable\": " + json(cable.displayName) + ", \"velocity_factor\": " + factor + "}"
                      + (&cable == &calc::CableCatalogue.back() ? "\n" : ",\n");
        else
            output += std::string(cable.displayName) + (format == Format::Csv ? "," : "\t") + factor + "\n";
    }
    return format == Format::Json ? output + "]\n" : output;
}

std::vector<std::string> CalculationCommand::frequencies(const std::string &userSeparator,
                                                         const std::string &separator) const
{
    const bool sweep = anySet({&m_from, &m_to, &m_step});
    if (sweep == m_parser.isSet(m_frequency))
        refuse(sweep ? QStringLiteral("Give frequencies with -f or a sweep, not both.")
                     : QStringLiteral("Give a frequency with -f MHZ, or a sweep with --from, --to and --step."));
    std::vector<std::string> texts;
    if (!sweep) {
        for (const QString &typed : m_parser.values(m_frequency))
            texts.push_back(inSeparator(typed, userSeparator, separator));
    } else {
        std::vector<calc::Decimal> bounds;
        for (const QCommandLineOption *option : {&m_from, &m_to, &m_step}) {
            const QString typed = m_parser.value(*option);
            const std::optional<calc::Decimal> bound =
                calc::TextToDecimal(inSeparator(typed, userSeparator, Point), Point);
            if (!m_parser.isSet(*option) || !bound || bound->digits <= 0)
                refuse(QStringLiteral("A sweep needs --from, --to and --step, each a frequency above 0 in MHz."));
            bounds.push_back(*bound);
        }
        const auto swept = calc::sweepFrequencies(bounds[0], bounds[1], bounds[2], MostRows);
        if (!swept || swept->empty())
            refuse(QStringLiteral("A sweep goes up from --from to --to, in at most %1 rows.").arg(MostRows));
        for (const std::string &text : *swept)
            texts.push_back(inSeparator(QString::fromStdString(text), Point, separator));
    }
    if (texts.size() > MostRows)
        refuse(QStringLiteral("At most %1 frequencies at a time.").arg(MostRows));
    return texts;
}

std::string CalculationCommand::lengths(Format format, const std::string &userSeparator,
                                        const std::string &separator) const
{
    if (m_parser.isSet(m_round) && !m_parser.isSet(m_cutList))
        refuse(QStringLiteral("--round rounds the cut list or the trim: give --cut-list too."));
    const Cable chosen = cable(userSeparator);
    const calc::Units units = m_parser.isSet(m_metric) ? calc::Units::MetresAndCentimetres : calc::Units::FeetAndInches;
    const std::optional<calc::TapeStep> step =
        m_parser.isSet(m_cutList) ? std::optional(tapeStep(units)) : std::nullopt;
    std::vector<Row> rows;
    for (const std::string &text : frequencies(userSeparator, separator))
        rows.push_back(calculated(QString::fromStdString(text), text, chosen.velocityFactor, units, separator));

    const Table table{chosen.position ? calc::CableCatalogue[*chosen.position].displayName : std::string_view(),
                      calc::FloatToText(chosen.velocityFactor, separator), separator, step};
    std::string output = format == Format::Csv ? csvHeader(table) : format == Format::Json ? "[\n" : "";
    for (const Row &row : rows) {
        if (format == Format::Text)
            output.append(&row == &rows.front() ? "" : "\n").append(textBlock(row, table));
        else if (format == Format::Csv)
            output += csvLine(row, table);
        else
            output += "  " + jsonObject(row, table) + (&row == &rows.back() ? "\n" : ",\n");
    }
    return format == Format::Json ? output + "]\n" : output;
}

calc::TapeStep CalculationCommand::tapeStep(calc::Units units) const
{
    const QString name = m_parser.value(m_round);
    const std::optional<calc::TapeStep> step = calc::findTapeStep(name.toStdString(), units);
    if (!step)
        refuse(QStringLiteral("Cannot round to '%1': 1/2, 1/4, 1/8, 1/16 or 1/32 (inch), or with --metric 1mm, 5mm "
                              "or 1cm.")
                   .arg(name));
    return *step;
}

std::string CalculationCommand::trim(const std::string &separator) const
{
    if (m_parser.values(m_frequency).size() != 1 || anySet({&m_from, &m_to, &m_step, &m_cutList, &m_format}))
        refuse(QStringLiteral("--resonance takes one -f, a cable or velocity factor, --metric and --round."));
    const Cable chosen = cable(separator);
    const calc::Units units = m_parser.isSet(m_metric) ? calc::Units::MetresAndCentimetres : calc::Units::FeetAndInches;
    const calc::TapeStep step = tapeStep(units);
    const QString target = m_parser.value(m_frequency);
    const Row row =
        calculated(target, inSeparator(target, separator, separator), chosen.velocityFactor, units, separator);
    const QString measured = m_parser.value(m_resonance);
    const calc::ParsedNumber resonance = calc::TextToFloat(inSeparator(measured, separator, separator), separator);
    if (resonance.error || !(resonance.value > 0.0f))
        refuse(QStringLiteral("The resonance %1 MHz is not a frequency above 0.").arg(measured));
    const std::optional<double> change =
        calc::wireEndTrim(*row.result.OverallLength, *row.result.Frequency, resonance.value);
    if (!change)
        refuse(
            QStringLiteral("The resonance %1 MHz is more than 10 % from %2 MHz, where the proportional rule does not "
                           "hold: measure again nearer the target.")
                .arg(measured, target));

    const std::string amount = calc::tapeLength(std::fabs(*change), step, separator);
    const std::string rounding = " (rounded to the nearest " + std::string(step.spokenName) + ")\n";
    std::string output = "An antenna cut for " + calc::FloatToText(*row.result.Frequency, separator)
                         + " MHz that resonates at " + calc::FloatToText(resonance.value, separator) + " MHz:\n";
    if (amount == calc::tapeLength(0.0, step, separator))
        return output + "leave each wire end as it is" + rounding;
    return output + (*change < 0 ? "shorten" : "lengthen") + " each wire end by " + amount + rounding;
}

void CalculationCommand::write(const std::string &output) const
{
    if (!m_parser.isSet(m_output)) {
        if (std::fwrite(output.data(), 1, output.size(), stdout) != output.size() || std::fflush(stdout) != 0)
            fail(QStringLiteral("Cannot write the output: %1").arg(fromText(std::strerror(errno))));
        return;
    }
    // All or nothing: a file already there stays as it was until the new
    // one is complete.
    QSaveFile file(m_parser.value(m_output));
    if (!file.open(QIODevice::WriteOnly) || file.write(output.data(), qint64(output.size())) != qint64(output.size())
        || !file.commit())
        fail(QStringLiteral("Cannot write %1: %2").arg(file.fileName(), file.errorString()));
}
