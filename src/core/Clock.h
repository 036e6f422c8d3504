#pragma once
// Today's date and the random source, injectable so that tests are repeatable.
#include <QDate>
#include <QDateTime>
#include <cstdint>
#include <random>

namespace Clock {
// Today's date; the fixed date set by setToday() while one is set.
QDate today();
QDateTime now();
// Fixes today's date (tests); an invalid date returns to the real clock.
void setToday(const QDate& date);
} // namespace Clock

namespace Random {
// The generator every random draw uses; seeded from the clock unless seed() was called.
std::mt19937_64& engine();
void seed(std::uint64_t value);
void seedFromClock();
} // namespace Random
