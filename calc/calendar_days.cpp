#include "calc/calendar_days.h"

#include <chrono>

namespace celforo {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::chrono::year_month_day DateOf(int year, int month, int day) {
  return std::chrono::year(year) / std::chrono::month(static_cast<unsigned>(month)) /
         std::chrono::day(static_cast<unsigned>(day));
}

}  // namespace

bool IsCalendarDate(int year, int month, int day) {
  return month >= 1 && month <= 12 && day >= 1 && day <= 31 && DateOf(year, month, day).ok();
}

std::int64_t DaysFromCivil(int year, int month, int day) {
  return std::chrono::sys_days(DateOf(year, month, day)).time_since_epoch().count();
}

std::int64_t SecondsFromCivil(const CivilTime& civil) {
  return DaysFromCivil(civil.year, civil.month, civil.day) * kSecondsPerDay + civil.hour * 3600 +
         civil.minute * 60 + civil.second;
}

CivilTime CivilFromSeconds(std::int64_t seconds) {
  std::int64_t days = seconds / kSecondsPerDay;
  std::int64_t rest = seconds % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --days;
  }
  const std::chrono::year_month_day date{
      std::chrono::sys_days(std::chrono::days(static_cast<std::chrono::days::rep>(days)))};
  CivilTime civil;
  civil.year = static_cast<int>(date.year());
  civil.month = static_cast<int>(static_cast<unsigned>(date.month()));
  civil.day = static_cast<int>(static_cast<unsigned>(date.day()));
  civil.hour = static_cast<int>(rest / 3600);
  civil.minute = static_cast<int>(rest / 60 % 60);
  civil.second = static_cast<int>(rest % 60);
  return civil;
}

}  // namespace celforo
