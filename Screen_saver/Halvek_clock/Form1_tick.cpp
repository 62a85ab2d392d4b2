// The one-second tick: the numbers, the orbit angles, the fading hint, then placement.

#include <cmath>
#include <exception>

#include "Form1.h"
#include "number_text.h"

namespace hc {

namespace {

constexpr double kMinuteMark = 0.10472;  // radians per minute mark, as the face was drawn
constexpr std::int16_t kMaxTicks = 32767;

struct HourMinuteSecond {
  int hour, minute, second;
};

HourMinuteSecond Split(double time_of_day) {
  const double fraction = std::fabs(time_of_day);
  const auto seconds = static_cast<long long>(std::llround(fraction * 86400.0)) % 86400;
  return {static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
          static_cast<int>(seconds % 60)};
}

}  // namespace

void Form1::Timer4_Timer() {
  if (TickCount < kMaxTicks) ++TickCount;

  // One reading serves the whole tick: the numbers and the hands never straddle a second.
  const DateTime now = system_.Now();
  ShownTime = module.ViewTime == 0 ? now.TimeOfDay() : std::fabs(now.TimeOfDay() - StartTime);
  const HourMinuteSecond shown = Split(ShownTime);
  lblS(0).SetText(std::to_string(shown.second));
  lblS(1).SetText(std::to_string(shown.minute));
  lblS(2).SetText(std::to_string(shown.hour));

  HandAngle[0] = static_cast<float>((now.second - 15) * kMinuteMark);
  HandAngle[1] = static_cast<float>((now.minute - 15) * kMinuteMark);
  // The hour hand creeps on with the minutes shown; a caption that holds no number leaves
  // it where the last tick put it.
  if (const auto m = ParseNumber(lblS(1).Text(), '.')) {
    const int hour = now.hour;
    HandAngle[2] = static_cast<float>((5 * (hour - 3) + *m / 12) * kMinuteMark);
  }

  if (TickCount >= 9) {
    lblF1.SetVisible(false);
  } else {
    const int grey = 90 - 10 * TickCount;
    lblF1.SetForeColor(Rgb(grey, grey, grey));
  }

  try {
    Do_Lines();
  } catch (const std::exception&) {
    // A failed placement leaves the elements where they are; the next tick tries again.
  }
}

}  // namespace hc
