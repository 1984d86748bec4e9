#include "cli/ephem_command_line.h"

#include "core/common/translate.h"
#include "time/local_time.h"
#include "time/zone_lookup.h"

#include <QCommandLineParser>

namespace brelo {

namespace {

using Failure = Outcome<EphemCommand>;

const QStringList kValueOptions{QStringLiteral("lat"),  QStringLiteral("lon"),  QStringLiteral("from"),
                                QStringLiteral("to"),   QStringLiteral("step"), QStringLiteral("tz")};
const QStringList kSwitches{QStringLiteral("csv"), QStringLiteral("days"), QStringLiteral("help"),
                            QStringLiteral("version")};

// Why the parser refused the command line, in French.
std::string parseProblem(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().first();
        return filled(translated("cli", "option inconnue « %1 » (brelo-ephem --help pour l'aide)."),
                      {(name.size() > 1 ? "--" : "-") + name.toStdString()});
    }
    const QString last = arguments.last();
    for (const QString &name : kValueOptions)
        if (last == "--" + name || last == "-" + name)
            return filled(translated("cli", "l'option --%1 attend une valeur."), {name.toStdString()});
    return translated("cli", "ligne de commande incorrecte (brelo-ephem --help pour l'aide).");
}

// An option given twice would silently lose one of its values.
std::optional<std::string> repeatedOption(const QCommandLineParser &parser)
{
    const QStringList found = parser.optionNames();
    for (const QString &name : kValueOptions + kSwitches) {
        const qsizetype times =
            found.count(name) + (name == QLatin1String("help") ? found.count(QStringLiteral("h")) : 0);
        if (times > 1)
            return filled(translated("cli", "l'option --%1 est donnée %2 fois ; donnez-la une seule fois."),
                          {name.toStdString(), std::to_string(times)});
    }
    return std::nullopt;
}

// The explicit zone that picks one of a repeated local time's two instants.
std::string offsetZoneName(std::chrono::local_seconds local, std::chrono::sys_seconds instant)
{
    const auto offset = local.time_since_epoch() - instant.time_since_epoch();
    return "UTC" + offsetText(static_cast<int>(offset.count())).toStdString();
}

// A date and time given in a zone, as UT: refused when the zone skips or
// repeats it, or when it falls between two UT minutes (local mean time).
Outcome<CivilTime> universalTime(const CivilTime &local, const QTimeZone &zone, const char *name)
{
    using namespace std::chrono;
    const std::string subject = std::string(name) + " (" + civilTimeText(local) + ")";
    const local_seconds at{instantOf(local)->time_since_epoch()};
    const LocalReading read = readLocalTime(at, zone, QString::fromStdString(subject));
    if (!read.ok()) {
        std::string message = read.problem.toStdString();
        if (read.instants.size() == 2)
            message += filled(translated("cli", " Choisissez avec --tz %1 ou --tz %2."),
                              {offsetZoneName(at, read.instants.front()), offsetZoneName(at, read.instants.back())});
        return Outcome<CivilTime>::failure(message);
    }
    const sys_seconds instant = read.instants.front();
    if (instant != floor<minutes>(instant))
        return Outcome<CivilTime>::failure(
            filled(translated("cli", "%1 tombe à %2 TU, entre deux minutes : les instants vont de minute en minute TU."),
                   {subject, dateTimeText(instant).toStdString()}));
    return Outcome<CivilTime>::success(civilTimeOf(floor<minutes>(instant)));
}

// The zone and the two ends in UT, when --tz is given.
std::optional<std::string> applyZone(const QCommandLineParser &parser, EphemRequest &r)
{
    const QString typed = parser.value(QStringLiteral("tz"));
    r.zone = zoneNamed(typed);
    if (!r.zone)
        return unknownZoneMessage(typed).toStdString();
    r.zoneName = typed.toStdString();
    if (*instantOf(r.to) < *instantOf(r.from))
        return filled(translated("cli", "la fin de la période (%1) précède son début (%2)."),
                      {civilTimeText(r.to), civilTimeText(r.from)});
    const Outcome<CivilTime> from = universalTime(r.from, *r.zone, "--from");
    if (!from.ok())
        return from.error();
    const Outcome<CivilTime> to = universalTime(r.to, *r.zone, "--to");
    if (!to.ok())
        return to.error();
    r.from = from.value();
    r.to = to.value();
    return std::nullopt;
}

template <class T>
std::optional<std::string> take(const Outcome<T> &outcome, T &into)
{
    if (!outcome.ok())
        return outcome.error();
    into = outcome.value();
    return std::nullopt;
}

// --days takes dates: no step, no time of day, and the zone only adds the local times.
std::optional<std::string> daysProblem(const QCommandLineParser &parser, EphemRequest &r)
{
    if (parser.isSet(QStringLiteral("step")))
        return translated("cli", "l'option --step ne va pas avec --days (une ligne par jour).");
    for (const auto &[end, name] : {std::pair{&r.from, "--from"}, std::pair{&r.to, "--to"}})
        if (end->hour != 0 || end->minute != 0)
            return filled(translated("cli", "%1 (%2) : avec --days, donnez une date sans heure (AAAA-MM-JJ)."),
                          {name, civilTimeText(*end)});
    if (parser.isSet(QStringLiteral("tz"))) {
        const QString typed = parser.value(QStringLiteral("tz"));
        r.zone = zoneNamed(typed);
        if (!r.zone)
            return unknownZoneMessage(typed).toStdString();
        r.zoneName = typed.toStdString();
    }
    r.days = true;
    return std::nullopt;
}

// The table's request from a parsed command line.
Outcome<EphemCommand> tableCommand(const QCommandLineParser &parser, char sep)
{
    if (!parser.positionalArguments().isEmpty())
        return Failure::failure(filled(translated("cli", "argument inattendu « %1 » (brelo-ephem --help pour l'aide)."),
                                       {parser.positionalArguments().first().toStdString()}));
    for (const char *required : {"lat", "lon", "from", "to"})
        if (!parser.isSet(QString::fromLatin1(required)))
            return Failure::failure(
                filled(translated("cli", "l'option --%1 manque (brelo-ephem --help pour l'aide)."), {required}));
    const auto value = [&](const char *name) { return parser.value(QString::fromLatin1(name)).toStdString(); };
    EphemCommand command;
    EphemRequest &r = command.request;
    const bool stepGiven = parser.isSet(QStringLiteral("step"));
    std::optional<std::string> problem =
        take(angleFields(value("lat"), QT_TRANSLATE_NOOP("fields", "la latitude"), 90.0, sep), r.latitude);
    problem = problem ? problem
                      : take(angleFields(value("lon"), QT_TRANSLATE_NOOP("fields", "la longitude"), 180.0, sep), r.longitude);
    problem = problem ? problem : take(periodStep(stepGiven ? value("step") : "10min"), r.step);
    problem = problem ? problem : take(civilTime(value("from"), "--from"), r.from);
    problem = problem ? problem : take(civilTime(value("to"), "--to"), r.to);
    if (!problem && parser.isSet(QStringLiteral("days")))
        problem = daysProblem(parser, r);
    else if (!problem && parser.isSet(QStringLiteral("tz")))
        problem = applyZone(parser, r);
    if (problem)
        return Failure::failure(*problem);
    r.csv = parser.isSet(QStringLiteral("csv"));
    return Outcome<EphemCommand>::success(std::move(command));
}

} // namespace

Outcome<EphemCommand> readEphemCommand(const QStringList &arguments, char sep)
{
    QCommandLineParser parser;
    for (const QString &name : kValueOptions)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("valeur")));
    parser.addOption(QCommandLineOption(QStringLiteral("csv")));
    parser.addOption(QCommandLineOption(QStringLiteral("days")));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parser.addOption(QCommandLineOption(QStringLiteral("version")));
    if (!parser.parse(arguments))
        return Failure::failure(parseProblem(parser, arguments));
    if (const auto repeated = repeatedOption(parser))
        return Failure::failure(*repeated);
    if (parser.isSet(QStringLiteral("help")))
        return Outcome<EphemCommand>::success({EphemAction::Help, {}});
    if (parser.isSet(QStringLiteral("version")))
        return Outcome<EphemCommand>::success({EphemAction::Version, {}});
    return tableCommand(parser, sep);
}

} // namespace brelo
