#include "core/Clock.h"

#include <chrono>

namespace {
QDate g_fixedToday;
std::mt19937_64 g_engine{static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
} // namespace

namespace Clock {

QDate today()
{
    return g_fixedToday.isValid() ? g_fixedToday : QDate::currentDate();
}

QDateTime now()
{
    if (g_fixedToday.isValid())
        return QDateTime(g_fixedToday, QTime::currentTime());
    return QDateTime::currentDateTime();
}

void setToday(const QDate& date)
{
    g_fixedToday = date;
}

} // namespace Clock

namespace Random {

std::mt19937_64& engine()
{
    return g_engine;
}

void seed(std::uint64_t value)
{
    g_engine.seed(value);
}

void seedFromClock()
{
    g_engine.seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

} // namespace Random
