#pragma once

#include "core/common/outcome.h"
#include "core/ephemeris/calculephem.h"
#include "core/ephemeris/carrington.h"

#include <chrono>
#include <cstddef>
#include <string>

namespace brelo {

// A UT date and time to the minute, as the date and time fields hold it.
struct CivilTime {
    int year = 2000;
    unsigned month = 1;  // 1–12
    unsigned day = 1;    // 1–31, a day of that month
    unsigned hour = 0;   // 0–23
    unsigned minute = 0; // 0–59
};

using UtMinutes = std::chrono::sys_time<std::chrono::minutes>;

// The instant of a civil time, or nothing when the date does not exist
// (30 February) or the time is out of range.
std::optional<UtMinutes> instantOf(const CivilTime &civil);
CivilTime civilTimeOf(UtMinutes instant);

// "2027-03-20 06:00".
std::string civilTimeText(const CivilTime &civil);

// "5000001" as "5 000 001", the way French writes large counts, or with the
// separator given.
std::string groupedCount(unsigned long long n, const std::string &separator = " ");

enum class StepUnit { Minutes, Hours, Days };

struct PeriodStep {
    long long count = 10;
    StepUnit unit = StepUnit::Minutes;
};

// The observer's four position texts as the ephemeris panel holds them.
struct ObserverPosition {
    std::string latitudeDegrees = "45";
    std::string latitudeMinutes = "0";
    std::string longitudeDegrees = "0";
    std::string longitudeMinutes = "0";
};

// One instant of the period: what the ephemeris page would show for it.
struct PeriodRow {
    CivilTime time;
    EphemerisResult ephemeris;
    CarringtonRotation carrington;
};

// Instants from a start to an end (included when a step lands on it) at a fixed
// step, each computed only when asked for: a row costs the same whatever its index.
class PeriodTable {
public:
    static constexpr std::size_t kMaxRows = 5'000'000;

    // A French message when the period cannot be tabulated (end before start, a
    // step below one minute, more than kMaxRows instants, a position field that
    // is not a number), naming what is wrong. Counts are grouped by threes with
    // `groupSeparator` (the window passes its locale's).
    static Outcome<PeriodTable> make(const CivilTime &start, const CivilTime &end,
                                     PeriodStep step, ObserverPosition observer,
                                     char decimalSeparator, const std::string &groupSeparator = " ");

    std::size_t rowCount() const { return rows_; }
    UtMinutes instant(std::size_t row) const { return start_ + step_ * static_cast<long long>(row); }

    // The texts of the ephemeris page for row i's instant, built from the same
    // nine field texts the page would hold; a failure carries calculephem's message.
    Outcome<PeriodRow> row(std::size_t i) const;

    // The nine panel texts of row i.
    EphemerisInput inputOf(std::size_t i) const;
    char separator() const { return separator_; }

private:
    PeriodTable(UtMinutes start, std::chrono::minutes step, std::size_t rows,
                ObserverPosition observer, char separator)
        : start_(start), step_(step), rows_(rows), observer_(std::move(observer)),
          separator_(separator) {}

    UtMinutes start_;
    std::chrono::minutes step_;
    std::size_t rows_;
    ObserverPosition observer_;
    char separator_;
};

} // namespace brelo
