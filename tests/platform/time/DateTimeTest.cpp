// Calendar arithmetic, the automation date conversions and the local clock.
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <vector>

#include "platform/time/CivilDate.h"
#include "platform/win32/WinTime.h"

namespace {

using platform::CivilDate;

SYSTEMTIME At(int y, int m, int d, int hh = 0, int mm = 0, int ss = 0) {
  return {WORD(y), WORD(m), 0, WORD(d), WORD(hh), WORD(mm), WORD(ss), 0};
}

// Anchors for the arithmetic the date fuzz target checks against a plain calendar, which holds
// only relative to them.
TEST(CivilDateTest, AnchorDates) {
  EXPECT_EQ(platform::DaysFromCivil({1970, 1, 1}), 0);
  EXPECT_EQ(platform::DayOfWeek({2026, 12, 15}), 2);  // a Tuesday
}

TEST(VariantTimeTest, KnownValues) {
  struct Case {
    SYSTEMTIME st;
    DATE value;
  };
  for (Case c : {Case{At(1899, 12, 30), 0.0}, Case{At(1900, 1, 1), 2.0},
                 Case{At(2000, 1, 1), 36526.0}, Case{At(1899, 12, 29, 6), -1.25},
                 Case{At(1899, 12, 30, 12), 0.5}, Case{At(100, 1, 1), -657434.0},
                 Case{At(9999, 12, 31), 2958465.0}}) {
    DATE value = -99;
    ASSERT_TRUE(SystemTimeToVariantTime(&c.st, &value)) << c.value;
    EXPECT_DOUBLE_EQ(value, c.value);
    SYSTEMTIME back{};
    // -0.5 is noon of the epoch day too: the whole part is the day, the fraction its time.
    ASSERT_TRUE(VariantTimeToSystemTime(c.value == 0.5 ? -0.5 : c.value, &back));
    EXPECT_EQ((std::vector<int>{back.wYear, back.wMonth, back.wDay, back.wHour}),
              (std::vector<int>{c.st.wYear, c.st.wMonth, c.st.wDay, c.st.wHour}))
        << c.value;
  }
}

TEST(VariantTimeTest, RefusesWhatIsNotADateAndLeavesTheOutputAlone) {
  for (SYSTEMTIME st : {At(2023, 2, 29), At(1900, 2, 29), At(2026, 4, 31), At(2026, 0, 1),
                        At(2026, 13, 1), At(2026, 1, 0), At(99, 12, 31), At(10000, 1, 1),
                        At(2026, 1, 1, 24), At(2026, 1, 1, 0, 60), At(2026, 1, 1, 0, 0, 60)}) {
    DATE value = 123.0;
    EXPECT_FALSE(SystemTimeToVariantTime(&st, &value)) << st.wYear << "-" << st.wMonth;
    EXPECT_EQ(value, 123.0);
  }
  SYSTEMTIME leap = At(2024, 2, 29);
  DATE value = 0;
  EXPECT_TRUE(SystemTimeToVariantTime(&leap, &value));
  EXPECT_FALSE(SystemTimeToVariantTime(nullptr, &value));
  EXPECT_FALSE(SystemTimeToVariantTime(&leap, nullptr));

  const SYSTEMTIME untouched = At(1, 2, 3);
  for (DATE bad : {-657435.0, 2958466.0, double(NAN), double(INFINITY), -double(INFINITY), 1e300}) {
    SYSTEMTIME st = untouched;
    EXPECT_FALSE(VariantTimeToSystemTime(bad, &st)) << bad;
    EXPECT_EQ(st.wYear, 1);
  }
  EXPECT_FALSE(VariantTimeToSystemTime(0.0, nullptr));
}

// 31 December 1899 at 23:59:59.8 rounds to the next day; a value that rounds into the year
// 10000 is refused.
TEST(VariantTimeTest, RoundsToTheNearestSecondAcrossMidnight) {
  SYSTEMTIME st{};
  ASSERT_TRUE(VariantTimeToSystemTime(2.0 - 0.2 / 86400, &st));  // 31 December 1899, 23:59:59.8
  EXPECT_EQ((CivilDate{st.wYear, st.wMonth, st.wDay}), (CivilDate{1900, 1, 1}));
  EXPECT_EQ(st.wHour + st.wMinute + st.wSecond, 0);
  ASSERT_TRUE(VariantTimeToSystemTime(2.0 + 1.4 / 86400, &st));
  EXPECT_EQ(st.wSecond, 1);
  EXPECT_FALSE(VariantTimeToSystemTime(2958466.0 - 0.1 / 86400, &st));  // rounds into 10000
}

TEST(LocalTimeTest, LocaltimeRefusesBadInputAndMarksEveryField) {
  std::tm tm{};
  const __time64_t negative = -1, far = 32535216000LL;
  for (const __time64_t* bad : {&negative, &far, static_cast<const __time64_t*>(nullptr)}) {
    tm.tm_mday = 7;
    EXPECT_EQ(_localtime64_s(&tm, bad), EINVAL);
    EXPECT_EQ(tm.tm_mday, -1);
    EXPECT_EQ(tm.tm_year, -1);
  }
  const __time64_t zero = 0;
  EXPECT_EQ(_localtime64_s(nullptr, &zero), EINVAL);
}

}  // namespace
